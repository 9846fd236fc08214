#include "core/battle/QuickCombat.h"

#include "core/battle/AutoBattle.h"
#include "core/data/Session.h"

namespace battle {
namespace {

int heads(Session& session, int side) {
    int n = 0;
    for (int k = 1; k <= kSlots; ++k) {
        const Troop& t = side == kHeroSide ? session.sides.hero(k) : session.sides.enemy(k);
        if (t.count > 0) n += t.count;
    }
    return n;
}

}  // namespace

QuickCombatResult FightQuickly(BattleEngine& engine, Session& session, int maxRounds) {
    const int heroBefore = heads(session, kHeroSide);
    const int enemyBefore = heads(session, kEnemySide);
    RecordingView quiet;
    quiet.keepLog = false;
    BattleView& shown = engine.view();
    engine.setView(quiet);
    engine.Setup(true);
    engine.Tick();  // the clock's first tick deals the first round
    RunAutoBattle(engine, session, maxRounds);
    engine.setView(shown);
    QuickCombatResult r;
    r.outcome = engine.outcome;
    r.heroLost = heroBefore - heads(session, kHeroSide);
    r.enemyLost = enemyBefore - heads(session, kEnemySide);
    return r;
}

std::string lossesLine(int heroLost, int enemyLost) {
    return "В бою погибло: ваших " + std::to_string(heroLost) + ", врагов " +
           std::to_string(enemyLost) + ".";
}

}  // namespace battle
