// Treasure, the portal ring and reading the spell on the grave.
#include <gtest/gtest.h>

#include <memory>

#include "core/adventure/Encounters.h"
#include "core/data/GameState.h"
#include "platform/Random.h"

namespace {

std::unique_ptr<GameState> threeContinents() {
    auto gs = std::make_unique<GameState>();
    for (int c = 1; c <= 3; ++c) {
        for (int x = 1; x <= kMapW; ++x)
            for (int y = 1; y <= kMapH; ++y) gs->cell(c, x, y) = 100;
        gs->cell(c, 10 * c, 5 + c) = 0;  // one open cell each
        gs->cell(c, 10 * c + 1, 5 + c) = 57;
    }
    gs->continentName(1).set("ИСКОРТИЯ");
    gs->continentName(2).set("АЛЛИЯ");
    gs->continentName(3).set("ТАЙМАНИЯ");
    gs->continent = 1;
    gs->heroX = 10;
    gs->heroY = 6;
    return gs;
}

}  // namespace

TEST(Portal, RingOfThreeLandingOnFootOnOpenGround) {
    auto gs = threeContinents();
    Random rnd(7);
    gs->onShip = 1;  // reached the portal by sea
    const uint8_t expected[] = {2, 3, 1};
    for (uint8_t want : expected) {
        const uint8_t target = portalTargetOf(*gs);
        EXPECT_EQ(target, want);
        portalJump(*gs, rnd, target);
        EXPECT_EQ(gs->continent, want);
        EXPECT_EQ(gs->onShip, 0);
        EXPECT_EQ(gs->heroX, 10 * want);
        EXPECT_EQ(gs->heroY, 5 + want);
    }
    EXPECT_EQ(portalButtonText(*gs, 3), "Отправиться на ТАЙМАНИЯ");
}

TEST(Portal, AContinentWithoutOpenGroundDoesNotHang) {
    auto gs = threeContinents();
    gs->cell(2, 20, 7) = 76;
    Random rnd(1);
    portalJump(*gs, rnd, 2);
    EXPECT_EQ(gs->continent, 2);
    EXPECT_EQ(gs->onShip, 0);
    portalJump(*gs, rnd, 0);  // no such continent: nothing happens
    EXPECT_EQ(gs->continent, 2);
}

TEST(Treasure, AmountDependsOnTheContinent) {
    auto gs = threeContinents();
    Random rnd(3);
    for (int c = 1; c <= 3; ++c) {
        gs->continent = static_cast<uint8_t>(c);
        for (int i = 0; i < 200; ++i) {
            const uint32_t before = gs->gold;
            const int a = takeTreasure(*gs, rnd);
            EXPECT_GE(a, 200 * c);
            EXPECT_LE(a, 200 * c + 99);
            EXPECT_EQ(gs->gold, before + static_cast<uint32_t>(a));
        }
    }
    EXPECT_EQ(treasureText(250), "Вы нашли сокровища на сумму 250.");
}

TEST(Spell, WinsOnlyOnTheGravesContinentAndCellWithTriesLeft) {
    auto gs = threeContinents();
    gs->graveContinent = 2;
    gs->graveX = 20;
    gs->graveY = 7;
    gs->spellTries = 3;
    EXPECT_EQ(spellCaption(*gs), "Прочитать Заклятье Могущества (попыток 3).");
    gs->continent = 1;
    gs->heroX = 20;
    gs->heroY = 7;
    EXPECT_FALSE(readSpell(*gs));  // the right cell on the wrong continent
    EXPECT_EQ(gs->spellTries, 2);
    gs->continent = 2;
    gs->heroY = 8;
    EXPECT_FALSE(readSpell(*gs));
    gs->heroY = 7;
    EXPECT_TRUE(readSpell(*gs));
    EXPECT_EQ(gs->spellTries, 0);
    EXPECT_EQ(spellCaption(*gs), "Прочитать Заклятье Могущества (попыток 0).");
    // No tries left: nothing is read, the counter does not wrap round.
    EXPECT_FALSE(readSpell(*gs));
    EXPECT_EQ(gs->spellTries, 0);
}
