// What the map draws where: shores, forest joins, sliding armies, the hero's
// picture, the mini-map and the panel texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "core/adventure/MapView.h"
#include "core/data/GameState.h"
#include "core/towns/TownRules.h"

namespace {

std::unique_ptr<GameState> meadow() {
    auto gs = std::make_unique<GameState>();
    gs->continent = 1;
    gs->heroX = 20;
    gs->heroY = 20;
    for (int x = 1; x <= kMapW; ++x)
        for (int y = 1; y <= kMapH; ++y) gs->ground(x, y) = static_cast<uint16_t>(1 + (x + y) % 8);
    return gs;
}

bool has(const std::vector<Blit>& v, Blit b) {
    return std::find(v.begin(), v.end(), b) != v.end();
}

}  // namespace

TEST(MapView, ShorePiecesFollowTheLandAround) {
    auto gs = meadow();
    for (int x = 10; x <= 14; ++x)
        for (int y = 10; y <= 14; ++y) gs->here(x, y) = 100;
    EXPECT_EQ(waterSlot(*gs, 12, 12, 1), 11);  // open water, frames 11 12 13 12
    EXPECT_EQ(waterSlot(*gs, 12, 12, 2), 12);
    EXPECT_EQ(waterSlot(*gs, 12, 12, 3), 13);
    EXPECT_EQ(waterSlot(*gs, 12, 12, 4), 12);
    EXPECT_EQ(waterSlot(*gs, 12, 10, 1), 14);  // land above
    EXPECT_EQ(waterSlot(*gs, 12, 14, 1), 17);  // below
    EXPECT_EQ(waterSlot(*gs, 10, 12, 1), 20);  // left
    EXPECT_EQ(waterSlot(*gs, 14, 12, 1), 23);  // right
    EXPECT_EQ(waterSlot(*gs, 14, 10, 1), 26);  // right and above
    EXPECT_EQ(waterSlot(*gs, 10, 10, 1), 29);
    EXPECT_EQ(waterSlot(*gs, 10, 14, 1), 32);
    EXPECT_EQ(waterSlot(*gs, 14, 14, 3), 37);
    // A ship counts as water; land only on a diagonal gives the corner pieces.
    gs->here(13, 13) = 110;
    gs->here(12, 12) = 0;
    EXPECT_EQ(waterSlot(*gs, 13, 13, 1), 41);  // land up-left only
    EXPECT_EQ(waterSlot(*gs, 11, 13, 1), 38);  // up-right
    EXPECT_EQ(waterSlot(*gs, 13, 11, 1), 44);  // down-left
    EXPECT_EQ(waterSlot(*gs, 11, 11, 1), 47);  // down-right
    // On the map's edge only the straight tests apply.
    for (int y = 1; y <= 5; ++y) gs->here(1, y) = 100;
    gs->here(2, 3) = 100;
    gs->here(1, 2) = 0;
    EXPECT_EQ(waterSlot(*gs, 1, 3, 1), 14);
}

TEST(MapView, ForestRowsColumnsAndBlocksJoinByHalfCells) {
    auto gs = meadow();
    // A row of two: the left tree joins to the right, half a cell up.
    gs->here(18, 18) = 55;
    gs->here(19, 18) = 57;
    // A column of two: the upper one joins downwards.
    gs->here(22, 18) = 65;
    gs->here(22, 19) = 69;
    // A 2 x 2 block: the top-left joins to the right, half a cell down.
    gs->here(18, 21) = 56;
    gs->here(19, 21) = 58;
    gs->here(18, 22) = 56;
    gs->here(19, 22) = 56;
    std::vector<Blit> b;
    groundLayerBlits(*gs, b);
    const int x18 = viewPixelX(*gs, 18), y18 = viewPixelY(*gs, 18);
    EXPECT_TRUE(has(b, {55, x18, y18}));
    EXPECT_TRUE(has(b, {56, x18 + 55, y18 - 5}));
    const int x19 = viewPixelX(*gs, 19);
    EXPECT_EQ(std::count_if(b.begin(), b.end(),
                            [&](const Blit& e) { return e.x == x19 + 55 || e.x == x19 + 6; }),
              0)
        << "the right end of a row adds nothing";
    const int x22 = viewPixelX(*gs, 22);
    EXPECT_TRUE(has(b, {67, x22 + 6, y18 + 50}));
    const int y21 = viewPixelY(*gs, 21);
    EXPECT_TRUE(has(b, {57, x18 + 55, y21 + 50}));
    // Water diagonally below-right lifts the join as at the block's edge.
    gs->here(19, 22) = 100;
    gs->here(18, 22) = 56;
    groundLayerBlits(*gs, b);
    EXPECT_TRUE(has(b, {57, x18 + 55, y21 - 5}));
}

TEST(MapView, GroundUnderArmiesAndSmallCodesObjectsOverSlotOne) {
    auto gs = meadow();
    gs->here(19, 19) = 501;
    gs->here(21, 19) = 704;
    gs->town(4).race = 3;
    gs->here(21, 21) = 100;
    gs->here(22, 22) = 77;
    std::vector<Blit> b;
    groundLayerBlits(*gs, b);
    const int px = viewPixelX(*gs, 19), py = viewPixelY(*gs, 19);
    EXPECT_TRUE(has(b, {gs->ground(19, 19), px, py}));
    EXPECT_TRUE(has(b, {1, viewPixelX(*gs, 21), py}));
    EXPECT_TRUE(has(b, {52, viewPixelX(*gs, 21), py}));
    EXPECT_TRUE(has(b, {90, viewPixelX(*gs, 22), viewPixelY(*gs, 22)}));
    EXPECT_EQ(std::count_if(b.begin(), b.end(),
                            [&](const Blit& e) {
                                return e.x == viewPixelX(*gs, 21) && e.y == viewPixelY(*gs, 21);
                            }),
              0);
    // A hero near the corner: cells off the map are skipped.
    gs->heroX = 3;
    gs->heroY = 3;
    groundLayerBlits(*gs, b);
    EXPECT_EQ(b.size(), 36u);
    EXPECT_TRUE(
        std::all_of(b.begin(), b.end(), [](const Blit& e) { return e.x >= 100 && e.y >= 100; }));
}

TEST(MapView, ArmiesSlideFromTheirOldCellDuringAStep) {
    auto gs = meadow();
    gs->here(22, 21) = 523;
    gs->move(22, 21) = ArmyMove{23, 22, 22, 21};
    gs->here(18, 18) = 540;  // did not move this step
    gs->stepShiftX = 25;     // first frame of a step to the right
    std::vector<Blit> b;
    frameBlits(*gs, 1, b);
    EXPECT_TRUE(has(b, {74, viewPixelX(*gs, 22) + 75, viewPixelY(*gs, 21) + 75}));
    EXPECT_TRUE(has(b, {77, viewPixelX(*gs, 18), viewPixelY(*gs, 18)}));
    gs->stepShiftX = 0;
    gs->stepShiftY = -75;  // third frame of a step up
    frameBlits(*gs, 3, b);
    EXPECT_TRUE(has(b, {76, viewPixelX(*gs, 22) + 25, viewPixelY(*gs, 21) + 25}));
    gs->stepShiftY = 0;
    frameBlits(*gs, 4, b);
    EXPECT_TRUE(has(b, {75, viewPixelX(*gs, 22), viewPixelY(*gs, 21)}));
}

TEST(MapView, HeroPictureByPhaseFacingAndShip) {
    auto gs = meadow();
    gs->heroFacing = 0;
    EXPECT_EQ(heroSlot(*gs, 1), 91);
    EXPECT_EQ(heroSlot(*gs, 4), 92);
    gs->heroFacing = 1;
    EXPECT_EQ(heroSlot(*gs, 3), 103);
    EXPECT_EQ(gs->heroSprite, 93);  // the mirror is not stored
    // Walking frames stay during a step.
    gs->stepShiftX = 50;
    gs->heroSprite = 94;
    EXPECT_EQ(heroSlot(*gs, 2), 104);
    // At sea the ship rocks, step or not, and walking frames never show.
    gs->onShip = 1;
    EXPECT_EQ(heroSlot(*gs, 2), 109);
    gs->heroFacing = 0;
    gs->stepShiftX = 0;
    EXPECT_EQ(heroSlot(*gs, 3), 100);
    std::vector<Blit> b;
    gs->here(20, 20) = 100;
    frameBlits(*gs, 1, b);
    EXPECT_EQ(b.back(), (Blit{98, 300, 299}));  // bobbing one pixel up
    frameBlits(*gs, 3, b);
    EXPECT_EQ(b.back(), (Blit{100, 300, 300}));
    gs->here(21, 20) = 110;
    frameBlits(*gs, 2, b);
    EXPECT_TRUE(has(b, {96, 400, 300}));
    frameBlits(*gs, 4, b);
    EXPECT_TRUE(has(b, {97, 400, 300}));
}

TEST(MapView, MiniMapColoursAndDots) {
    EXPECT_EQ(cellColour(0), 0x00FF00u);
    EXPECT_EQ(cellColour(57), 0x008000u);
    EXPECT_EQ(cellColour(60), 0x008000u);
    EXPECT_EQ(cellColour(70), 0x004080u);
    EXPECT_EQ(cellColour(75), 0x0080FFu);
    EXPECT_EQ(cellColour(76), 0x00FFFFu);
    EXPECT_EQ(cellColour(77), 0x00FFFFu);
    EXPECT_EQ(cellColour(100), 0xFF0000u);
    EXPECT_EQ(cellColour(110), 0xE88A17u);
    EXPECT_EQ(cellColour(543), 0xFF00FFu);
    EXPECT_EQ(cellColour(730), 0xFFFFFFu);

    auto gs = meadow();
    gs->explored(1, 20, 20) = 1;
    gs->explored(1, 21, 20) = 1;
    gs->explored(1, 30, 30) = 1;
    gs->here(21, 20) = 100;
    std::vector<Dot> d;
    nearbyDots(*gs, 1, d);
    ASSERT_EQ(d.size(), 2u);  // unexplored and far cells are left alone
    EXPECT_EQ(d[0].colour, kHeroDot);
    EXPECT_EQ(d[1].x, 63);
    EXPECT_EQ(d[1].y, 60);
    EXPECT_EQ(d[1].colour, 0xFF0000u);
    nearbyDots(*gs, 2, d);
    EXPECT_EQ(d[0].colour, 0x00FF00u);  // blinking
    allDots(*gs, d);
    ASSERT_EQ(d.size(), 5600u);
    EXPECT_EQ(d[(20 - 1) * 80 + 19].colour, kHeroDot);
    EXPECT_EQ(d[0].colour, 0u);
    EXPECT_EQ(d[(30 - 1) * 80 + 29].colour, 0x00FF00u);
}

TEST(MapView, GoldAndAuthorityArePaddedToEighteen) {
    auto gs = meadow();
    gs->gold = 350;
    gs->authority = 120;
    EXPECT_EQ(statusLine(*gs), "Золото 350        Авторитет 120     ");
    gs->gold = 1234567890;
    gs->authority = 4000000000u;
    EXPECT_EQ(statusLine(*gs), "Золото 1234567890 Авторитет 4000000000");
}

TEST(MapView, AShoreThePictureLeavesOutIsDrawnOverIt) {
    auto gs = meadow();
    for (int x = 10; x <= 16; ++x)
        for (int y = 10; y <= 16; ++y) gs->here(x, y) = 100;
    gs->here(13, 9) = 0;   // land above (13, 10) ...
    gs->here(14, 11) = 0;  // ... and at its lower right: the picture keeps the corner
    EXPECT_EQ(waterSlot(*gs, 13, 10, 1), 47);
    EXPECT_EQ(shoreOverlays(*gs, 13, 10), 1u) << "the shore above";
    EXPECT_EQ(shorePieceWater(0), 14);
    gs->heroX = 13;
    gs->heroY = 12;
    std::vector<Blit> b;
    frameBlits(*gs, 3, b);
    EXPECT_TRUE(has(b, {slot::kShoreOverlay + 2, viewPixelX(*gs, 13), viewPixelY(*gs, 10)}));
    // Land at two opposite corners: the picture keeps the last one.
    gs->here(14, 12) = 0;
    gs->here(12, 14) = 0;
    EXPECT_EQ(waterSlot(*gs, 13, 13, 1), 44);
    EXPECT_EQ(shoreOverlays(*gs, 13, 13), 1u << 4) << "the up-right corner";
    // A picture that shows every shore its cell has: nothing over it.
    EXPECT_EQ(shoreOverlays(*gs, 16, 16), 0u);
}
