// A small world for the town rules: the thirty towns, the race and continent
// names, the starting army, all on an empty continent of open ground.
#pragma once

#include <cstring>
#include <memory>

#include "core/data/Creatures.h"
#include "core/data/GameState.h"
#include "core/data/Session.h"

inline std::unique_ptr<GameState> townWorld() {
    FillTemplates();
    auto gs = std::make_unique<GameState>();
    std::memset(gs.get(), 0, sizeof(GameState));
    const char* races[] = {"Люди", "Гномы", "Эльфы", "Некроманты", "Орки"};
    for (int r = 1; r <= kRaces; ++r) {
        gs->raceName(r).set(races[r - 1]);
        gs->relation(r) = 3;
    }
    const char* continents[] = {"ИСКОРТИЯ", "АЛЛИЯ", "ТАЙМАНИЯ"};
    for (int c = 1; c <= kContinents; ++c) gs->continentName(c).set(continents[c - 1]);
    InitTowns(*gs);
    gs->continent = 1;
    gs->heroX = 6;
    gs->heroY = 18;
    gs->soundOn = 1;
    gs->gold = 350;
    gs->authority = 120;
    gs->slot(1) = makeStack(kPeasants, 30);
    gs->slot(2) = makeStack(kDwarfArchers, 20);
    gs->slot(3) = makeStack(kMilitia, 20);
    return gs;
}

// Puts town t on cell (x, y) of continent c and makes it the entered town.
inline void enterTown(GameState& gs, Session& s, int t, int x, int y) {
    gs.cell(gs.continent, x, y) = static_cast<uint16_t>(700 + t);
    s.enteredTown.x = static_cast<uint16_t>(x);
    s.enteredTown.y = static_cast<uint16_t>(y);
    s.enteredTown.code = static_cast<uint16_t>(700 + t);
}
