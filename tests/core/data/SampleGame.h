// A small but complete game image for save and load tests that must not depend
// on the map builder: every field holds what a game in progress can hold.
#pragma once

#include <memory>

#include "core/data/Creatures.h"
#include "core/data/GameState.h"
#include "core/data/Towns.h"

inline std::unique_ptr<GameState> makeSampleGame() {
    FillTemplates();
    auto gs = std::make_unique<GameState>();
    GameState& g = *gs;
    g.continentName(1).set("ИСКОРТИЯ");
    g.continentName(2).set("АЛЛИЯ");
    g.continentName(3).set("ТАЙМАНИЯ");
    const char* races[] = {"Люди", "Гномы", "Эльфы", "Некроманты", "Орки"};
    for (int r = 1; r <= kRaces; ++r) {
        g.raceName(r).set(races[r - 1]);
        g.relation(r) = 3;
    }
    g.gold = 350;
    g.authority = 120;
    g.spellTries = 3;
    g.steps = 1;
    g.heroX = 6;
    g.heroY = 18;
    g.continent = 1;
    g.heroSprite = 91;
    g.heroFacing = 1;
    g.soundOn = 1;
    g.slot(1) = makeStack(kPeasants, 30);
    g.slot(2) = makeStack(kDwarfArchers, 20);
    g.slot(3) = makeStack(kMilitia, 20);
    g.diaryText.set("...НА РАССВЕТЕ ВАХНА");
    g.graveContinent = 2;
    g.graveX = 30;
    g.graveY = 40;
    InitTowns(g);
    for (int c = 1; c <= kContinents; ++c) {
        for (int x = 1; x <= kMapW; ++x)
            for (int y = 1; y <= kMapH; ++y) {
                const bool border = x <= 3 || x >= 68 || y <= 3 || y >= 78;
                g.cell(c, x, y) = border ? cell::kWater : cell::kGround;
            }
        // A row of every object the maps hold, and the ten towns of the continent.
        const uint16_t objects[] = {55, 59, 65, 69, 75, 76, 77, 100, 110};
        for (int i = 0; i < 9; ++i) g.cell(c, 10 + i, 30) = objects[i];
        for (int k = 0; k < 4; ++k)
            g.cell(c, 10 + k, 32) = static_cast<uint16_t>(500 + (c - 1) * 20 + k);
        for (int t = 1; t <= 10; ++t)
            g.cell(c, 5 + t * 5, 50) = static_cast<uint16_t>(700 + (c - 1) * 10 + t);
    }
    for (int x = 1; x <= kMapW; ++x)
        for (int y = 1; y <= kMapH; ++y)
            g.ground(x, y) = static_cast<uint16_t>((x * 7 + y) % 8 + 1);
    for (int x = 4; x <= 8; ++x)
        for (int y = 16; y <= 20; ++y) g.explored(1, x, y) = 1;
    g.move(12, 33) = ArmyMove{11, 32, 12, 33};
    return gs;
}
