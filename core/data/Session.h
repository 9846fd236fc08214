// Values the windows hand to each other during play. They live outside the saved
// block and are never written to a save.
#pragma once

#include <cstdint>
#include <string>

#include "core/data/Creatures.h"

// What a won battle brings and which map cell it clears.
struct BattleReward {
    uint16_t gold = 0;
    uint16_t authority = 0;
    uint8_t vaultTown = 0;     // town whose vault is stormed (= diary letter); 0 otherwise
    uint8_t improves[5] = {};  // race r at [r-1]
    uint8_t worsens[5] = {};
    uint16_t cellX = 0;  // cell on the hero's continent that becomes ground; none when 0
    uint16_t cellY = 0;
};

// The town cell the hero tried to enter.
struct EnteredTown {
    uint16_t x = 0;
    uint16_t y = 0;
    uint16_t code = 0;  // 700 + town number
    int townNumber() const { return code - 700; }
};

// The two sides of the next (or current) battle, filled by whoever starts it.
struct BattleSides {
    Troop heroStacks[5];   // slot k at [k-1]
    Troop enemyStacks[5];  // slot k at [k-1]
    Troop& hero(int k) { return heroStacks[k - 1]; }
    Troop& enemy(int k) { return enemyStacks[k - 1]; }
};

struct Session {
    BattleReward reward;
    EnteredTown enteredTown;
    uint16_t encounterCode = 0;  // map code of the army met (500 + group)
    uint8_t portalTarget = 0;
    BattleSides sides{};
    // A game is being played: set when a new or loaded game starts, cleared when
    // the player leaves the won game. Only then is there anything to autosave.
    bool gameInProgress = false;
    // One more line for the outcome window after quick combat (what each side
    // lost); empty after a battle fought in the battle window.
    std::string battleNote;
};
