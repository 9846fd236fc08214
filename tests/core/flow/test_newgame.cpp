#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "core/data/ContinentBuilder.h"
#include "core/data/GameState.h"
#include "core/data/MapTexts.h"
#include "core/flow/NewGame.h"
#include "platform/Random.h"
#include "platform/headless/HeadlessPlatform.h"

namespace {

std::unique_ptr<GameState> freshState() {
    auto gs = std::make_unique<GameState>();
    std::memset(static_cast<void*>(gs.get()), 0, sizeof(GameState));
    return gs;
}

bool allZero(const void* p, size_t n) {
    const auto* b = static_cast<const unsigned char*>(p);
    for (size_t i = 0; i < n; ++i)
        if (b[i]) return false;
    return true;
}

// Over many seeds: the start, the grave, every invariant of the block and the land
// shape of the texts.
TEST(NewGame, EveryGameStartsSoundAndMatchesTheTexts) {
    FillTemplates();
    HeadlessPlatform platform;
    auto gs = freshState();
    for (uint64_t seed = 1; seed <= 60; ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        Random rnd;
        rnd.useSeedSequence(seed);
        NewGame(*gs, rnd, platform);

        EXPECT_EQ(gs->continent, 1);
        EXPECT_EQ(gs->heroX, 6);
        EXPECT_EQ(gs->heroY, 18);
        EXPECT_EQ(gs->cell(1, 6, 18), cell::kGround);
        ASSERT_GE(gs->graveContinent, 1);
        ASSERT_LE(gs->graveContinent, 3);
        ASSERT_TRUE(GameState::onMap(gs->graveX, gs->graveY));
        EXPECT_EQ(gs->cell(gs->graveContinent, gs->graveX, gs->graveY), cell::kGround);
        EXPECT_LE(gs->diaryText.len, 255);
        EXPECT_GT(gs->diaryText.len, 100);

        EXPECT_EQ(gs->onShip, 0);
        EXPECT_EQ(gs->heroSprite, 91);
        EXPECT_EQ(gs->heroFacing, 1);
        EXPECT_EQ(gs->stepShiftX, 0);
        EXPECT_EQ(gs->stepShiftY, 0);
        EXPECT_EQ(gs->steps, 1u);
        EXPECT_EQ(gs->spellTries, 3);
        EXPECT_EQ(gs->gold, 350u);
        EXPECT_EQ(gs->authority, 120u);
        EXPECT_EQ(gs->musicOn, 0);
        EXPECT_EQ(gs->soundOn, 1);
        for (int r = 1; r <= kRaces; ++r) EXPECT_EQ(gs->relation(r), 3);
        for (int k = 1; k <= kLetters; ++k) EXPECT_EQ(gs->letter(k), 0);
        for (int t = 1; t <= kTowns; ++t) EXPECT_EQ(gs->town(t).visited, 0);
        EXPECT_TRUE(allZero(gs->mapExplored, sizeof(gs->mapExplored)));
        for (int x = 1; x <= kMapW; ++x)
            for (int y = 1; y <= kMapH; ++y) {
                ASSERT_GE(gs->ground(x, y), 1);
                ASSERT_LE(gs->ground(x, y), 8);
            }

        // Land shape: every letter of the texts is where the text puts it.
        for (int c = 1; c <= kContinents; ++c) {
            const std::string_view text = mapText(c);
            int open = 0;
            for (int k = 0; k < kMapTextLen; ++k) {
                const int x = kMapTextX0 + k % kMapTextW, y = kMapTextY0 + k / kMapTextW;
                const uint16_t v = gs->cell(c, x, y);
                switch (text[k]) {
                    case 'W':
                        ASSERT_EQ(v, cell::kWater);
                        break;
                    case 'L':
                        ASSERT_TRUE(v >= 55 && v <= 59);
                        break;
                    case 'R':
                        ASSERT_TRUE(v >= 65 && v <= 69);
                        break;
                    case 'P':
                        ASSERT_EQ(v, cell::kPortal);
                        break;
                    case 'T':
                        ASSERT_TRUE(cell::isTown(v));
                        break;
                    default:
                        ASSERT_TRUE(v == 0 || v == 76 || v == 77 ||
                                    (v >= 500 + (c - 1) * 20 && v <= 503 + (c - 1) * 20))
                            << v;
                        open += v == 0;
                }
            }
            // Objects took 86 cells; the start cell may have been cleared of one.
            const int expected = mapTextCounts(c).spaces - 86;
            EXPECT_TRUE(open == expected || (c == 1 && open == expected + 1)) << open;
        }
    }
}

TEST(NewGame, StartingArmyAndNames) {
    FillTemplates();
    HeadlessPlatform platform;
    auto gs = freshState();
    Random rnd(7);
    NewGame(*gs, rnd, platform);
    EXPECT_EQ(gs->slot(1).name, "Крестьяне");
    EXPECT_EQ(gs->slot(2).name, "Гномы-лучники");
    EXPECT_EQ(gs->slot(3).name, "Ополченцы");
    EXPECT_EQ(gs->slot(1).count + gs->slot(2).count + gs->slot(3).count, 70);
    EXPECT_EQ(gs->slot(4).count, 0);
    EXPECT_EQ(gs->slot(5).count, 0);
    EXPECT_EQ(gs->continentName(1), "ИСКОРТИЯ");
    EXPECT_EQ(gs->continentName(3), "ТАЙМАНИЯ");
    EXPECT_EQ(gs->raceName(4), "Некроманты");
    EXPECT_EQ(gs->town(21).name, "Аграба");
    EXPECT_TRUE(platform.messages.empty());
}

// A new game over a game in progress keeps nothing of it.
TEST(NewGame, LeavesNothingOfAnEarlierGame) {
    FillTemplates();
    HeadlessPlatform platform;
    auto gs = freshState();
    std::memset(static_cast<void*>(gs.get()), 0xA5, sizeof(GameState));
    Random rnd(11);
    NewGame(*gs, rnd, platform);
    EXPECT_EQ(gs->saveName.len, 0);
    EXPECT_TRUE(allZero(gs->miniMapSurfaces, sizeof(gs->miniMapSurfaces)));
    EXPECT_TRUE(allZero(gs->armyMoves, sizeof(gs->armyMoves)));
    EXPECT_TRUE(allZero(gs->unused67460, sizeof(gs->unused67460)));
    EXPECT_TRUE(allZero(gs->unused69108, sizeof(gs->unused69108)));
    EXPECT_TRUE(allZero(gs->pad226714, sizeof(gs->pad226714)));
    EXPECT_TRUE(allZero(&gs->slot(4), 2 * sizeof(Troop)));
    for (int t = 1; t <= kTowns; ++t) {
        EXPECT_EQ(gs->town(t).shipX, 0);
        EXPECT_EQ(gs->town(t).visited, 0);
    }
}

TEST(NewGame, SameSeedSameGameOtherSeedOtherGame) {
    FillTemplates();
    HeadlessPlatform platform;
    auto a = freshState(), b = freshState();
    Random ra, rb;
    ra.useSeedSequence(42);
    rb.useSeedSequence(42);
    NewGame(*a, ra, platform);
    NewGame(*b, rb, platform);
    EXPECT_EQ(std::memcmp(a.get(), b.get(), sizeof(GameState)), 0);
    Random rc;
    rc.useSeedSequence(43);
    NewGame(*b, rc, platform);
    EXPECT_NE(std::memcmp(a->groundVariant, b->groundVariant, sizeof(a->groundVariant)), 0);
    EXPECT_NE(std::memcmp(a->mapCells, b->mapCells, sizeof(a->mapCells)), 0);
}

}  // namespace
