#include "core/flow/NewGame.h"

#include <cstring>

#include "core/adventure/Quest.h"
#include "core/data/ContinentBuilder.h"
#include "core/data/GameState.h"
#include "platform/Random.h"

namespace {

constexpr const char* kContinentNames[kContinents] = {"ИСКОРТИЯ", "АЛЛИЯ", "ТАЙМАНИЯ"};
constexpr const char* kRaceNames[kRaces] = {"Люди", "Гномы", "Эльфы", "Некроманты", "Орки"};

}  // namespace

void NewGame(GameState& gs, Random& rnd, Platform& platform) {
    // A new game starts from a clean block: nothing of an earlier game (its save
    // name, stale army slots, ships, armies' steps) may leak into the new one.
    std::memset(static_cast<void*>(&gs), 0, sizeof(GameState));

    gs.musicOn = 0;
    gs.soundOn = 1;
    for (int k = 1; k <= kLetters; ++k) gs.letter(k) = 0;
    for (int s = 1; s <= kArmySlots; ++s) gs.slot(s).count = 0;
    for (int c = 1; c <= kContinents; ++c) gs.continentName(c).set(kContinentNames[c - 1]);
    gs.steps = 1;
    gs.spellTries = 3;
    for (int x = 1; x <= kMapW; ++x)
        for (int y = 1; y <= kMapH; ++y) gs.ground(x, y) = static_cast<uint16_t>(rnd(8) + 1);
    for (int c = 1; c <= kContinents; ++c)
        for (int x = 1; x <= kMapW; ++x)
            for (int y = 1; y <= kMapH; ++y) {
                gs.cell(c, x, y) = cell::kGround;
                gs.explored(c, x, y) = 0;
            }
    for (int r = 1; r <= kRaces; ++r) {
        gs.relation(r) = 3;
        gs.raceName(r).set(kRaceNames[r - 1]);
    }
    gs.gold = 350;
    gs.authority = 120;
    // The three mini-map surfaces belong to the map window; their slots stay zero.
    InitTowns(gs);
    for (int c = 1; c <= kContinents; ++c) BuildContinent(gs, rnd, platform, c);
    makeQuest(gs, rnd);

    gs.heroX = static_cast<uint16_t>(kHeroStart.x);
    gs.heroY = static_cast<uint16_t>(kHeroStart.y);
    gs.cell(1, kHeroStart.x, kHeroStart.y) = cell::kGround;
    gs.heroSprite = 91;
    gs.continent = 1;
    gs.stepShiftX = 0;
    gs.stepShiftY = 0;
    gs.heroFacing = 1;
    gs.onShip = 0;
    gs.slot(1) = makeStack(kPeasants, 30);
    gs.slot(2) = makeStack(kDwarfArchers, 20);
    gs.slot(3) = makeStack(kMilitia, 20);
}
