// Quick combat: the battle the bandit or the vault window has set up, fought at
// once by the computer for both sides (the hero's side by the enemy's own
// rules) without the battle window. The outcome windows then pay or take as
// after a fought battle, with one more line of what each side lost.
#pragma once

#include <string>

#include "core/battle/BattleEngine.h"

namespace battle {

struct QuickCombatResult {
    // Victory or Defeat; Running when the computer found no result within the
    // rounds allowed, and the engine holds the battle for the player to finish.
    Outcome outcome = Outcome::Running;
    int heroLost = 0;  // creatures
    int enemyLost = 0;
};

// Sets up the battle on `engine` and fights it, its view switched to one that
// shows nothing meanwhile and given back afterwards (nothing has been shown on
// it). The army receives the survivors as after a fought battle.
QuickCombatResult FightQuickly(BattleEngine& engine, Session& session, int maxRounds = 200);

// "В бою погибло: ваших 12, врагов 57." The line the outcome window adds after
// quick combat.
std::string lossesLine(int heroLost, int enemyLost);

}  // namespace battle
