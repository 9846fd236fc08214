#include "tools/bot/Invariants.h"

#include <cstdlib>
#include <cstring>
#include <limits>

#include "core/adventure/Movement.h"
#include "core/battle/BattleEngine.h"
#include "core/data/SaveCheck.h"
#include "core/data/Session.h"

namespace {

std::string num(long long v) {
    return std::to_string(v);
}

std::string at(int c, int x, int y) {
    return " at (" + num(c) + "," + num(x) + "," + num(y) + ")";
}

bool flag(uint8_t v) {
    return v <= 1;
}

bool emptyMove(const ArmyMove& m) {
    return m.fromX == 0 && m.fromY == 0 && m.toX == 0 && m.toY == 0;
}

std::string stackCount(const Troop& t, const std::string& where) {
    if (t.count < 0) return where + " has a negative head count " + num(t.count);
    return {};
}

}  // namespace

Invariants::Invariants(const GameState& gs)
    : steps_(gs.steps),
      tries_(gs.spellTries),
      explored_(&gs.mapExplored[0][0][0], &gs.mapExplored[0][0][0] + sizeof gs.mapExplored),
      movesContinent_(gs.continent) {
    std::memcpy(letters_, gs.lettersKnown, sizeof letters_);
    std::memcpy(moves_, gs.armyMoves, sizeof moves_);
}

void Invariants::cellCleared(int c, int x, int y) {
    cleared_.push_back({c, x, y});
}

std::string Invariants::checkCounts(const GameState& gs) {
    for (int s = 1; s <= kArmySlots; ++s)
        if (auto e = stackCount(gs.slot(s), "army slot " + num(s)); !e.empty()) return e;
    for (int t = 1; t <= kTowns; ++t) {
        const TownRecord& town = gs.town(t);
        if (auto e = stackCount(town.recruit, "the recruits of town " + num(t)); !e.empty())
            return e;
        for (int k = 1; k <= 5; ++k)
            if (auto e = stackCount(town.guard(k), "vault guard " + num(k) + " of town " + num(t));
                !e.empty())
                return e;
    }
    return {};
}

std::string Invariants::checkHero(const GameState& gs) const {
    if (!GameState::onMap(gs.heroX, gs.heroY))
        return "the hero is off the map at (" + num(gs.heroX) + "," + num(gs.heroY) + ")";
    if (gs.continent < 1 || gs.continent > kContinents)
        return "the hero is on continent " + num(gs.continent);
    if (!flag(gs.onShip)) return "onShip is " + num(gs.onShip);
    if (!flag(gs.heroFacing)) return "heroFacing is " + num(gs.heroFacing);
    if (gs.stepShiftX != 0 || gs.stepShiftY != 0)
        return "the hero's step shift is (" + num(gs.stepShiftX) + "," + num(gs.stepShiftY) +
               ") at rest";
    const uint16_t code = gs.here(gs.heroX, gs.heroY);
    // An army may close in on the hero's own cell (it moves before he does), and
    // a weekly band may be put on the open cell he stands on: he shares it then.
    if (!canEnter(gs, code) && !cell::isArmy(code))
        return "the hero stands on a cell of code " + num(code) + " (onShip " + num(gs.onShip) +
               ")" + at(gs.continent, gs.heroX, gs.heroY);
    if (gs.onShip == 1 && !cell::isWater(code))
        return "the hero sails on a cell of code " + num(code) +
               at(gs.continent, gs.heroX, gs.heroY);
    return {};
}

std::string Invariants::checkGrowth(const GameState& gs) {
    if (gs.steps < steps_)
        return "the step counter went back from " + num(steps_) + " to " + num(gs.steps);
    if (gs.spellTries > tries_)
        return "the spell tries grew from " + num(tries_) + " to " + num(gs.spellTries);
    for (int k = 0; k < kLetters; ++k)
        if (letters_[k] == 1 && gs.lettersKnown[k] == 0)
            return "deciphered letter " + num(k + 1) + " was forgotten";
    const uint8_t* seen = &gs.mapExplored[0][0][0];
    // A mark that was 1 must still be 1 (any other value is the save check's).
    uint8_t lost = 0;
    for (size_t i = 0; i < explored_.size(); ++i)
        lost |= explored_[i] & static_cast<uint8_t>(~seen[i]);
    if (lost != 0)
        for (size_t i = 0; i < explored_.size(); ++i)
            if (explored_[i] == 1 && seen[i] != 1)
                return "an explored cell became unexplored" +
                       at(static_cast<int>(i / (kMapW * kMapH)) + 1,
                          static_cast<int>(i / kMapH % kMapW) + 1, static_cast<int>(i % kMapH) + 1);
    steps_ = gs.steps;
    tries_ = gs.spellTries;
    std::memcpy(letters_, gs.lettersKnown, sizeof letters_);
    std::memcpy(explored_.data(), seen, explored_.size());
    return {};
}

std::string Invariants::checkArmyMoves(const GameState& gs) {
    // A changed table means the armies have just moved on the hero's continent:
    // what was cleared before no longer excuses anything.
    if (std::memcmp(moves_, gs.armyMoves, sizeof moves_) != 0) {
        std::memcpy(moves_, gs.armyMoves, sizeof moves_);
        movesContinent_ = gs.continent;
        cleared_.clear();
    }
    for (int i = 0; i < 10; ++i)
        for (int j = 0; j < 10; ++j) {
            const ArmyMove& m = gs.armyMoves[i][j];
            if (emptyMove(m)) continue;
            const std::string rec = "army step (" + num(m.fromX) + "," + num(m.fromY) + ")->(" +
                                    num(m.toX) + "," + num(m.toY) + ")";
            if (!GameState::onMap(m.fromX, m.fromY) || !GameState::onMap(m.toX, m.toY))
                return rec + " leaves the map";
            if (m.toX % 10 != i || m.toY % 10 != j)
                return rec + " is filed under [" + num(i) + "][" + num(j) + "]";
            if (std::abs(m.toX - m.fromX) > 1 || std::abs(m.toY - m.fromY) > 1)
                return rec + " is longer than one cell";
            if (cell::isArmy(gs.cell(movesContinent_, m.toX, m.toY))) continue;
            bool excused = false;
            for (const Cleared& c : cleared_)
                excused |= c.c == movesContinent_ && c.x == m.toX && c.y == m.toY;
            if (!excused)
                return rec + " ends on a cell without an army (code " +
                       num(gs.cell(movesContinent_, m.toX, m.toY)) + ") on continent " +
                       num(movesContinent_);
        }
    return {};
}

std::string Invariants::check(const GameState& gs) {
    if (auto e = checkHero(gs); !e.empty()) return e;
    if (!flag(gs.musicOn) || !flag(gs.soundOn)) return "a sound option is not 0 or 1";
    for (int r = 1; r <= kRaces; ++r)
        if (gs.relation(r) > 5)
            return "the relation with race " + num(r) + " is " + num(gs.relation(r));
    for (int k = 1; k <= kLetters; ++k)
        if (!flag(gs.letter(k))) return "letter " + num(k) + " is marked " + num(gs.letter(k));
    for (int t = 1; t <= kTowns; ++t) {
        const TownRecord& town = gs.town(t);
        if (!flag(town.visited))
            return "town " + num(t) + " is marked visited " + num(town.visited);
        if (town.race < 1 || town.race > kRaces)
            return "town " + num(t) + " belongs to race " + num(town.race);
    }
    if (auto e = checkCounts(gs); !e.empty()) return e;
    // Unsigned amounts that wrapped below zero show up as huge numbers.
    constexpr uint32_t kMax = std::numeric_limits<int32_t>::max();
    if (gs.gold > kMax) return "gold wrapped to " + num(gs.gold);
    if (gs.authority > kMax) return "Authority wrapped to " + num(gs.authority);
    if (gs.spellTries > 3) return "spell tries " + num(gs.spellTries);
    if (auto e = checkGrowth(gs); !e.empty()) return e;
    if (auto e = checkArmyMoves(gs); !e.empty()) return e;
    if (auto e = validateSave(gs); !e.empty()) return "the save check refuses the game: " + e;
    return {};
}

std::string Invariants::checkBattle(const battle::BattleEngine& engine, const BattleSides& sides,
                                    bool atRest) {
    using namespace battle;
    int seen[3][kSlots + 1] = {};
    for (int x = 1; x <= kCols; ++x)
        for (int y = 1; y <= kRows; ++y) {
            const int c = engine.field.at(x, y);
            if (c <= kWall) continue;
            if (!isStackCode(c))
                return "battle cell (" + num(x) + "," + num(y) + ") holds code " + num(c);
            if (++seen[sideOf(c)][slotOf(c)] > 1)
                return "stack " + num(c) + " stands in two battle cells";
        }
    int active = 0;
    for (int side : {kHeroSide, kEnemySide})
        for (int k = 1; k <= kSlots; ++k) {
            const Troop& t = side == kHeroSide ? sides.heroStacks[k - 1] : sides.enemyStacks[k - 1];
            const std::string who = "battle stack " + num(codeOf(side, k));
            if (t.count < 0) return who + " has a negative head count " + num(t.count);
            if (t.count == 0) continue;
            if (t.hits < 1 || t.hits > t.hitsMax)
                return who + " has " + num(t.hits) + " of " + num(t.hitsMax) + " hits";
            if (t.movesLeft > t.speed)
                return who + " has " + num(t.movesLeft) + " moves left of " + num(t.speed);
            if (t.shots < -1) return who + " has " + num(t.shots) + " shots";
            active += t.active == 1;
            if (atRest && seen[side][k] == 0 && engine.outcome == Outcome::Running)
                return who + " is alive (" + num(t.count) + ") but stands nowhere";
        }
    if (active > 1) return num(active) + " battle stacks hold the turn at once";
    return {};
}
