// What must hold in a game at rest after every step of the hero and at every
// moment of a battle. The play bot and the monkey test check these as they go
// and stop at the first one that breaks, so a long unattended game finds the
// faults that no single test thinks of; the game itself may call them too.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/data/GameState.h"

struct BattleSides;
namespace battle {
class BattleEngine;
}

class Invariants {
public:
    // Remembers what may only grow (the step counter, deciphered letters,
    // explored cells) and may only shrink (the spell tries) from `gs` on.
    explicit Invariants(const GameState& gs);

    // Every rule of a game at rest; "" when they all hold, else the first broken
    // one, in words. Also moves the remembered values on to the ones of `gs`.
    std::string check(const GameState& gs);

    // A won battle turned this cell of continent `c` into open ground: an army's
    // last step that ended there is no longer backed by an army.
    void cellCleared(int c, int x, int y);

    // The battle field and both sides: every cell holds nothing, an obstacle or
    // one stack; no stack stands in two cells; counts are never negative; at
    // most one stack holds the turn. With `atRest` (no stack sliding between
    // cells), every living stack also stands somewhere on the field.
    static std::string checkBattle(const battle::BattleEngine& engine, const BattleSides& sides,
                                   bool atRest);

    // The head counts of the army and of the towns' stacks only: cheap enough for
    // every action of a battle.
    static std::string checkCounts(const GameState& gs);

private:
    std::string checkHero(const GameState& gs) const;
    std::string checkGrowth(const GameState& gs);
    std::string checkArmyMoves(const GameState& gs);

    uint32_t steps_ = 0;
    uint8_t tries_ = 0;
    uint8_t letters_[kLetters]{};
    std::vector<uint8_t> explored_;
    ArmyMove moves_[10][10]{};
    int movesContinent_ = 1;
    struct Cleared {
        int c, x, y;
    };
    std::vector<Cleared> cleared_;
};
