// The way to a clicked cell: every path is replayed through the hero's own step,
// so a path the keys could not walk fails here.
#include <gtest/gtest.h>

#include <memory>

#include "core/adventure/Movement.h"
#include "core/adventure/PathFind.h"
#include "core/data/GameState.h"
#include "core/data/Session.h"

namespace {

struct SilentView : StepView {
    int windows = 0;
    void paint() override {}
    void stepPause() override {}
    void buildGroundLayer() override {}
    void setStatus(const std::string&, const std::string&) override {}
    void playSound(const char*) override {}
    void openBandit() override { ++windows; }
    void openTown() override { ++windows; }
    void openPortal() override { ++windows; }
    void openTreasure() override { ++windows; }
    void openTownList() override { ++windows; }
    void openNewWeek() override { ++windows; }
};

struct Paths : ::testing::Test {
    std::unique_ptr<GameState> gs = std::make_unique<GameState>();
    Session session;
    SilentView view;

    // Open ground, all explored, inside a three-cell ring of water.
    void SetUp() override {
        for (int x = 1; x <= kMapW; ++x)
            for (int y = 1; y <= kMapH; ++y) {
                gs->cell(1, x, y) = (x <= 3 || x >= 68 || y <= 3 || y >= 78) ? 100 : 0;
                gs->explored(1, x, y) = 1;
            }
        gs->continent = 1;
        gs->heroX = 20;
        gs->heroY = 20;
        gs->steps = 1;
    }
    void fill(int x0, int y0, int x1, int y1, uint16_t code) {
        for (int x = x0; x <= x1; ++x)
            for (int y = y0; y <= y1; ++y) gs->here(x, y) = code;
    }
    // Walks the path with the map's keys; false when a press did not do what
    // the path said.
    bool walk(const MapPath& path) {
        HeroMovement move(*gs, session, view);
        for (size_t i = 0; i < path.presses.size(); ++i) {
            const bool bump = path.endsWithBump && i + 1 == path.presses.size();
            if (move.keyDown(path.presses[i].key) == bump) return false;
            if (!bump && (gs->heroX != path.presses[i].x || gs->heroY != path.presses[i].y))
                return false;
        }
        return true;
    }
    static int turns(const MapPath& p) {
        int n = 0;
        for (size_t i = 1; i < p.presses.size(); ++i) n += p.presses[i].key != p.presses[i - 1].key;
        return n;
    }
};

}  // namespace

TEST_F(Paths, OpenFieldIsCrossedInFewestPressesKeepingStraightOn) {
    const MapPath p = findPath(*gs, 30, 24);
    ASSERT_TRUE(p.found);
    EXPECT_EQ(p.presses.size(), 10u);
    EXPECT_EQ(turns(p), 1);
    EXPECT_FALSE(p.endsWithBump);
    EXPECT_EQ(pathSummary(*gs, p), "Путь: 10 шагов, прибытие ≈ Неделя 1 День 1");
    EXPECT_TRUE(walk(p));
    EXPECT_EQ(gs->heroX, 30);
    EXPECT_EQ(gs->heroY, 24);
    EXPECT_TRUE(findPath(*gs, 30, 24).found);  // the hero's own cell: no press
    EXPECT_TRUE(findPath(*gs, 30, 24).presses.empty());
}

TEST_F(Paths, WaterRocksTownsAndArmiesAreGoneRound) {
    // A wall of rock from top to bottom with one gap; a pond on the way to it;
    // a town and an army beside the gap, so that only one cell leads into it.
    fill(25, 4, 25, 77, 66);
    gs->here(25, 30) = 0;
    fill(21, 24, 23, 27, 100);
    gs->here(24, 30) = 705;
    gs->here(24, 31) = 502;
    const MapPath p = findPath(*gs, 30, 20);
    ASSERT_TRUE(p.found);
    for (const PathStep& s : p.presses) EXPECT_EQ(gs->here(s.x, s.y), 0) << s.x << "," << s.y;
    EXPECT_EQ(p.presses.size(), 20u);  // 9 to the cell before the gap, 1 into it, 10 on
    gs->here(24, 31) = 0;              // an army would close in on the walker
    EXPECT_TRUE(walk(p));
    EXPECT_EQ(gs->heroX, 30);

    // A town or an army may end a path: the last press bumps into it.
    gs->heroX = 20;
    gs->heroY = 30;
    const MapPath town = findPath(*gs, 24, 30);
    ASSERT_TRUE(town.found);
    EXPECT_TRUE(town.endsWithBump);
    EXPECT_EQ(town.presses.size(), 4u);
    EXPECT_EQ(town.movingPresses(), 3);
    EXPECT_TRUE(walk(town));
    EXPECT_EQ(gs->heroX, 23);
    EXPECT_EQ(view.windows, 1);

    // Bandits within two cells close in: the walk sees the ones that would step
    // onto the cell it is going to, and those standing next to the hero.
    gs->here(21, 32) = 502;
    EXPECT_FALSE(armyNextToHero(*gs));
    EXPECT_TRUE(armyMayStepOnto(*gs, 22, 31));
    EXPECT_FALSE(armyMayStepOnto(*gs, 24, 29));
    gs->here(21, 32) = 0;
    gs->here(22, 31) = 502;
    EXPECT_TRUE(armyNextToHero(*gs));
}

TEST_F(Paths, ShipsAreBoardedSailedAndLeftOnTheWay) {
    // The hero's land (x < 30), a lake (30..39) with a ship moored at its west
    // shore, the far land beyond it.
    fill(30, 4, 39, 77, 100);
    gs->here(30, 20) = cell::kShip;
    const MapPath p = findPath(*gs, 42, 20);
    ASSERT_TRUE(p.found);
    EXPECT_EQ(p.presses.size(), 22u);
    EXPECT_TRUE(walk(p));
    EXPECT_EQ(gs->heroX, 42);
    EXPECT_EQ(gs->onShip, 0);
    EXPECT_EQ(gs->here(39, 20), cell::kShip);  // moored where he went ashore

    // Sailing, a water cell is a target; on foot, without a ship, it is not.
    gs->here(39, 20) = 100;
    EXPECT_FALSE(findPath(*gs, 35, 20).found);
    gs->heroX = 35;
    gs->onShip = 1;
    EXPECT_EQ(findPath(*gs, 35, 60).presses.size(), 40u);
}

TEST_F(Paths, UnexploredFrameAndIslandsHaveNoPath) {
    gs->explored(1, 40, 40) = 0;
    EXPECT_FALSE(findPath(*gs, 40, 40).found);
    EXPECT_FALSE(findPath(*gs, 2, 20).found);   // outside the frame the keys allow
    EXPECT_FALSE(findPath(*gs, 40, 79).found);  // and on the map
    EXPECT_FALSE(findPath(*gs, 0, 0).found);
    // An unexplored strip is never crossed: the way goes round it.
    for (int y = 4; y <= 30; ++y) gs->explored(1, 25, y) = 0;
    EXPECT_EQ(findPath(*gs, 30, 20).presses.size(), 22u);
    // A treasure ends a path (the hero steps onto it) but is never crossed.
    gs->here(22, 20) = cell::kTreasure;
    const MapPath chest = findPath(*gs, 22, 20);
    EXPECT_FALSE(chest.endsWithBump);
    EXPECT_EQ(chest.movingPresses(), 2);
    EXPECT_EQ(findPath(*gs, 24, 20).presses.size(), 4u);
    EXPECT_NE(findPath(*gs, 24, 20).presses[1].y, 20);
    // An island: water all round the hero and no ship.
    fill(17, 17, 23, 23, 100);
    fill(19, 19, 21, 21, 0);
    EXPECT_FALSE(findPath(*gs, 30, 30).found);
    EXPECT_TRUE(findPath(*gs, 21, 21).found);
}

TEST_F(Paths, GoingAshoreFromAShipIsFound) {
    // At sea on a lake (30..39); the land beyond its east shore is explored.
    fill(30, 4, 39, 77, 100);
    gs->heroX = 37;
    gs->onShip = 1;
    const MapPath ashore = findPath(*gs, 40, 21);
    ASSERT_TRUE(ashore.found);
    EXPECT_EQ(ashore.presses.size(), 3u);
    EXPECT_TRUE(walk(ashore));
    EXPECT_EQ(gs->onShip, 0);
    EXPECT_EQ(gs->here(39, 20) + gs->here(39, 21), cell::kShip + 100);  // the ship stays moored
}

TEST_F(Paths, AClickIntoTheUnknownLeadsToTheNearestExploredCell) {
    // Explored only x <= 30; the target lies far east of it.
    auto hideEast = [&] {
        for (int x = 31; x <= kMapW; ++x)
            for (int y = 1; y <= kMapH; ++y) gs->explored(1, x, y) = 0;
    };
    hideEast();
    gs->here(30, 26) = 705;  // opens a window: never chosen
    gs->here(30, 25) = 66;   // rock: cannot be stood on
    const MapPath p = findPathToward(*gs, 50, 26);
    ASSERT_TRUE(p.found);
    EXPECT_TRUE(p.towardUnknown);
    EXPECT_FALSE(p.endsWithBump);
    // Every cell of x = 30 within 20 rows of y = 26 is 20 from it: of those the
    // fewest presses (10, from (20, 20)), first in the search's order.
    ASSERT_EQ(p.presses.size(), 10u);
    EXPECT_EQ(p.presses.back().x, 30);
    EXPECT_EQ(p.presses.back().y, 20);
    EXPECT_EQ(pathSummary(*gs, p), "Путь к краю разведанного: 10 шагов");
    // The walk aims at that cell; explored targets still go as before.
    const MapPath again = findPath(*gs, 30, 20);
    EXPECT_EQ(again.presses.size(), p.presses.size());
    EXPECT_FALSE(again.towardUnknown);
    EXPECT_TRUE(walk(p));
    EXPECT_EQ(gs->heroX, 30);
    hideEast();  // what the walk uncovered

    // Nothing explored is nearer than where the hero stands: no way. Neither
    // is there one from the shore of water he has no ship for.
    EXPECT_FALSE(findPathToward(*gs, 50, 20).found);
    fill(25, 4, 27, 77, 100);
    gs->heroX = 24;
    EXPECT_FALSE(findPathToward(*gs, 50, 20).found);
    // With a ship moored on that water, the way sails and lands beyond it.
    gs->here(25, 20) = cell::kShip;
    const MapPath sail = findPathToward(*gs, 50, 20);
    ASSERT_TRUE(sail.found);
    EXPECT_EQ(sail.presses.back().x, 30);
    EXPECT_TRUE(walk(sail));
    EXPECT_EQ(gs->onShip, 0);
}
