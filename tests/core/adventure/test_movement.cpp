// The hero's step: what bumping into each kind of cell does, ships, the armies'
// approach and the calendar.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/adventure/Movement.h"
#include "core/data/GameState.h"
#include "core/data/Session.h"
#include "platform/AssetNames.h"

namespace {

// A continent of open ground inside a three-cell frame of water.
std::unique_ptr<GameState> openWorld(int heroX = 20, int heroY = 20) {
    auto gs = std::make_unique<GameState>();
    for (int c = 1; c <= 3; ++c)
        for (int x = 1; x <= kMapW; ++x)
            for (int y = 1; y <= kMapH; ++y)
                gs->cell(c, x, y) = (x <= 3 || x >= 68 || y <= 3 || y >= 78) ? 100 : 0;
    gs->continentName(1).set("ИСКОРТИЯ");
    gs->continent = 1;
    gs->heroX = static_cast<uint16_t>(heroX);
    gs->heroY = static_cast<uint16_t>(heroY);
    gs->steps = 1;
    gs->soundOn = 1;
    return gs;
}

struct RecordingView : StepView {
    explicit RecordingView(GameState& g) : gs(g) {}
    GameState& gs;
    HeroMovement* movement = nullptr;
    MapKey keyDuringPause = MapKey::None;
    std::vector<std::string> events;
    struct Frame {
        int shiftX, shiftY, sprite;
    };
    std::vector<Frame> frames;
    std::string calendar, position;
    int pauses = 0;

    void paint() override { frames.push_back({gs.stepShiftX, gs.stepShiftY, gs.heroSprite}); }
    void stepPause() override {
        ++pauses;
        if (movement && keyDuringPause != MapKey::None)
            events.push_back(movement->keyDown(keyDuringPause) ? "nested step" : "ignored");
    }
    void buildGroundLayer() override { events.push_back("ground"); }
    void setStatus(const std::string& c, const std::string& p) override {
        calendar = c;
        position = p;
    }
    void playSound(const char* rel) override { events.push_back(std::string("sound ") + rel); }
    void openBandit() override { events.push_back("bandit"); }
    void openTown() override { events.push_back("town"); }
    void openPortal() override { events.push_back("portal"); }
    void openTreasure() override { events.push_back("treasure"); }
    void openTownList() override { events.push_back("town list"); }
    void openNewWeek() override { events.push_back("new week"); }

    int count(const std::string& e) const {
        int n = 0;
        for (const auto& x : events) n += x == e;
        return n;
    }
};

struct Step : ::testing::Test {
    std::unique_ptr<GameState> gs = openWorld();
    Session session;
    RecordingView view{*gs};
    HeroMovement move{*gs, session, view};
    void SetUp() override { view.movement = &move; }
};

}  // namespace

TEST_F(Step, TreasureIsTakenAndSteppedOnInTheSamePress) {
    gs->here(21, 20) = cell::kTreasure;
    EXPECT_TRUE(move.keyDown(MapKey::Right));
    EXPECT_EQ(view.count("treasure"), 1);
    EXPECT_EQ(gs->here(21, 20), cell::kGround);
    EXPECT_EQ(gs->heroX, 21);
    EXPECT_EQ(gs->steps, 2u);
    EXPECT_EQ(gs->heroFacing, 1);
}

TEST_F(Step, TownPortalAndArmyOpenTheirWindowWithoutMovingTheHero) {
    gs->here(21, 20) = 703;
    EXPECT_FALSE(move.keyDown(MapKey::Right));
    EXPECT_EQ(view.events.front(), std::string("sound ") + assets::kWavTown);
    EXPECT_EQ(view.count("town"), 1);
    EXPECT_EQ(session.enteredTown.x, 21);
    EXPECT_EQ(session.enteredTown.y, 20);
    EXPECT_EQ(session.enteredTown.code, 703);

    gs->here(19, 21) = cell::kPortal;
    EXPECT_FALSE(move.keyDown(MapKey::End));
    EXPECT_EQ(view.count("portal"), 1);
    EXPECT_EQ(gs->heroFacing, 0);

    gs->here(20, 19) = 521;
    EXPECT_FALSE(move.keyDown(MapKey::Up));
    EXPECT_EQ(view.count("bandit"), 1);
    EXPECT_EQ(session.reward.cellX, 20);
    EXPECT_EQ(session.reward.cellY, 19);
    EXPECT_EQ(session.encounterCode, 521);
    // The bandits window opens over a fresh frame of the map.
    EXPECT_EQ(view.frames.size(), 1u);

    EXPECT_EQ(gs->heroX, 20);
    EXPECT_EQ(gs->heroY, 20);
    EXPECT_EQ(gs->steps, 1u);
}

TEST_F(Step, OrbMarksTheContinentsTownsAndIsWalkedOnto) {
    gs->continent = 2;
    gs->here(20, 21) = cell::kOrb;
    EXPECT_TRUE(move.keyDown(MapKey::Down));
    EXPECT_EQ(view.count(std::string("sound ") + assets::kWavPortal), 1);
    EXPECT_EQ(view.count("town list"), 1);
    for (int t = 1; t <= 30; ++t) EXPECT_EQ(gs->town(t).visited, (t >= 11 && t <= 20) ? 1 : 0) << t;
    EXPECT_EQ(gs->heroY, 21);
}

TEST_F(Step, SolidCellsAndTheFrameRefuseTheStep) {
    gs->here(21, 20) = 57;
    EXPECT_FALSE(move.keyDown(MapKey::Right));
    gs->here(21, 20) = cell::kWater;  // water on foot
    EXPECT_FALSE(move.keyDown(MapKey::Right));
    EXPECT_EQ(gs->steps, 1u);
    EXPECT_TRUE(view.frames.empty());

    auto edge = openWorld(3, 40);
    RecordingView v(*edge);
    HeroMovement m(*edge, session, v);
    edge->here(2, 40) = 0;
    EXPECT_FALSE(m.keyDown(MapKey::Left));
    EXPECT_FALSE(m.keyDown(MapKey::None));
    EXPECT_EQ(edge->heroX, 3);
    EXPECT_EQ(edge->steps, 1u);
}

TEST_F(Step, ThreeFramesSlideTheHeroByQuarters) {
    EXPECT_TRUE(move.keyDown(MapKey::PageDown));
    ASSERT_EQ(view.frames.size(), 4u);
    EXPECT_EQ(view.frames[0].shiftX, 25);
    EXPECT_EQ(view.frames[0].shiftY, 25);
    EXPECT_EQ(view.frames[0].sprite, 95);
    EXPECT_EQ(view.frames[1].shiftX, 50);
    EXPECT_EQ(view.frames[1].sprite, 94);
    EXPECT_EQ(view.frames[2].shiftY, 75);
    EXPECT_EQ(view.frames[2].sprite, 95);
    EXPECT_EQ(view.frames[3].shiftX, 0);  // the final frame at rest
    EXPECT_EQ(view.pauses, 2);
    EXPECT_EQ(gs->stepShiftX, 0);
    EXPECT_EQ(gs->stepShiftY, 0);
    EXPECT_EQ(view.count("ground"), 1);
    EXPECT_EQ(view.position, "X=21 Y=21");
    // The 5 x 5 square around the new cell is uncovered, nothing beyond it.
    for (int x = 18; x <= 24; ++x)
        for (int y = 18; y <= 24; ++y)
            EXPECT_EQ(gs->explored(1, x, y), (x >= 19 && x <= 23 && y >= 19 && y <= 23) ? 1 : 0);
}

TEST_F(Step, DirectionKeysAreIgnoredWhileTheStepWaitsButSpaceIsNot) {
    view.keyDuringPause = MapKey::Left;
    EXPECT_TRUE(move.keyDown(MapKey::Right));
    EXPECT_EQ(view.count("ignored"), 2);
    EXPECT_EQ(gs->heroX, 21);
    EXPECT_EQ(gs->steps, 2u);
    EXPECT_FALSE(move.inputBusy());
}

TEST_F(Step, SpaceCountsAStepUncoversAndLeavesArmiesAlone) {
    gs->here(21, 21) = 500;
    EXPECT_TRUE(move.keyDown(MapKey::Space));
    EXPECT_EQ(gs->steps, 2u);
    EXPECT_EQ(gs->here(21, 21), 500);
    EXPECT_EQ(view.count("bandit"), 0);
    EXPECT_EQ(gs->explored(1, 22, 22), 1);
    EXPECT_EQ(gs->explored(1, 18, 18), 1);
    EXPECT_EQ(view.calendar, "ИСКОРТИЯ  Неделя 1 День 1");

    // At sea too.
    gs->onShip = 1;
    gs->here(20, 20) = cell::kWater;
    EXPECT_TRUE(move.keyDown(MapKey::Space));
    EXPECT_EQ(gs->steps, 3u);
    EXPECT_EQ(gs->onShip, 1);
}

TEST_F(Step, NewWeekOpensOnceOnEveryTwoHundredAndTenthStep) {
    gs->steps = 207;
    for (int i = 0; i < 5; ++i) move.keyDown(MapKey::Space);  // 208..212
    EXPECT_EQ(view.count("new week"), 1);
    EXPECT_EQ(view.calendar, "ИСКОРТИЯ  Неделя 2 День 1");
    // A refused step is not counted and cannot open it.
    gs->steps = 419;
    gs->here(21, 20) = 65;
    move.keyDown(MapKey::Right);
    EXPECT_EQ(view.count("new week"), 1);
    move.keyDown(MapKey::Space);
    EXPECT_EQ(view.count("new week"), 2);
}

TEST(Calendar, ThirtyStepsADaySevenDaysAWeek) {
    auto gs = openWorld();
    gs->steps = 30;
    EXPECT_EQ(calendarText(*gs), "ИСКОРТИЯ  Неделя 1 День 2");
    gs->steps = 209;
    EXPECT_EQ(calendarText(*gs), "ИСКОРТИЯ  Неделя 1 День 7");
    gs->steps = 210;
    EXPECT_EQ(calendarText(*gs), "ИСКОРТИЯ  Неделя 2 День 1");
}

TEST_F(Step, SailingOntoLandLeavesTheShipMoored) {
    gs->onShip = 1;
    gs->here(20, 20) = cell::kWater;
    gs->here(19, 20) = cell::kWater;
    EXPECT_TRUE(move.keyDown(MapKey::Left));  // sail on
    EXPECT_EQ(gs->here(20, 20), cell::kWater);
    EXPECT_EQ(gs->onShip, 1);
    gs->here(20, 20) = 0;
    EXPECT_TRUE(move.keyDown(MapKey::Right));  // and ashore
    EXPECT_EQ(gs->onShip, 0);
    EXPECT_EQ(gs->here(19, 20), cell::kShip);
    EXPECT_EQ(gs->heroX, 20);
    // Walking back onto the moored ship boards it.
    EXPECT_TRUE(move.keyDown(MapKey::Left));
    EXPECT_EQ(gs->onShip, 1);
    EXPECT_EQ(gs->here(19, 20), cell::kWater);
    EXPECT_EQ(gs->heroX, 19);
}

TEST_F(Step, ChangingShipsAtSeaLeavesTheOldOneBehind) {
    gs->onShip = 1;
    gs->here(20, 20) = cell::kWater;
    gs->here(20, 21) = cell::kShip;
    EXPECT_TRUE(move.keyDown(MapKey::Down));
    EXPECT_EQ(gs->here(20, 20), cell::kShip);
    EXPECT_EQ(gs->here(20, 21), cell::kWater);
    EXPECT_EQ(gs->onShip, 1);
}

TEST(Armies, ApproachByNeighbourOrderKeepingTies) {
    // Hero (20,20) steps down-right onto a treasure at (21,21): the treasure
    // itself is no place for an army, and (21,22) and (22,21) are equally
    // close. The earlier neighbour in the order, (x, y-1), wins.
    auto gs = openWorld();
    gs->here(21, 21) = cell::kTreasure;
    gs->here(22, 22) = 502;
    moveArmies(*gs, 21, 21);
    EXPECT_EQ(gs->here(22, 22), 0);
    EXPECT_EQ(gs->here(22, 21), 502);
    EXPECT_EQ(gs->here(21, 22), 0);
    const ArmyMove& m = gs->move(22, 21);
    EXPECT_EQ(m.fromX, 22);
    EXPECT_EQ(m.fromY, 22);
    EXPECT_EQ(m.toX, 22);
    EXPECT_EQ(m.toY, 21);
}

TEST(Armies, MoveOnceAndBlockEachOther) {
    auto gs = openWorld();
    // Scanned first, this army steps to (19,20), which the scan reaches later:
    // it must not walk on to the hero's cell.
    gs->here(18, 20) = 500;
    // This one steps onto the target itself.
    gs->here(22, 19) = 501;
    moveArmies(*gs, 21, 20);
    EXPECT_EQ(gs->here(18, 20), 0);
    EXPECT_EQ(gs->here(19, 20), 500);
    EXPECT_EQ(gs->here(20, 20), 0);
    EXPECT_EQ(gs->here(21, 20), 501);
    for (int x = 1; x <= kMapW; ++x)
        for (int y = 1; y <= kMapH; ++y) EXPECT_LT(gs->here(x, y), 10000) << x << "," << y;
}

TEST(Armies, StayOutOfTheHerosLinesUnlessHeStepsOntoGround) {
    // Sailing: the target is water, so the island cell (22,20) in the hero's
    // row is closed although it is the closest; the army stays where it is.
    auto gs = openWorld();
    gs->onShip = 1;
    for (int x = 15; x <= 25; ++x)
        for (int y = 15; y <= 25; ++y) gs->here(x, y) = cell::kWater;
    gs->here(22, 20) = 0;
    gs->here(22, 22) = 0;
    gs->here(22, 21) = 520;
    moveArmies(*gs, 21, 20);
    EXPECT_EQ(gs->here(22, 21), 520);
    EXPECT_EQ(gs->here(22, 20), 0);
    EXPECT_EQ(gs->move(22, 21).fromX, 22);  // recorded as a move in place

    auto g2 = openWorld();
    g2->here(21, 20) = cell::kShip;
    g2->here(22, 21) = 500;
    moveArmies(*g2, 21, 20);  // boarding: row 20 stays closed
    EXPECT_EQ(g2->here(21, 20), cell::kShip);
    EXPECT_EQ(g2->here(22, 21), 0);
    EXPECT_EQ(g2->here(21, 21), 500);
}

TEST(Armies, StandStillWhenTheHeroBumpsIntoSomethingSolid) {
    auto gs = openWorld();
    gs->here(21, 20) = 60;
    gs->here(22, 21) = 500;
    gs->move(1, 1) = ArmyMove{1, 2, 3, 4};
    moveArmies(*gs, 21, 20);
    EXPECT_EQ(gs->here(22, 21), 500);
    EXPECT_EQ(gs->move(1, 1).fromY, 2);  // not even cleared
}

TEST_F(Step, AnArmyThatReachesTheTargetStartsTheEncounter) {
    gs->here(22, 21) = 540;
    EXPECT_FALSE(move.keyDown(MapKey::Right));
    EXPECT_EQ(gs->here(21, 20), 540);
    EXPECT_EQ(view.count("bandit"), 1);
    EXPECT_EQ(session.encounterCode, 540);
    EXPECT_EQ(gs->heroX, 20);
}

TEST(Keys, KeypadDigitsAreTheEightDirectionsAndSpace) {
    EXPECT_EQ(keypadDigitKey(1), MapKey::End);
    EXPECT_EQ(keypadDigitKey(2), MapKey::Down);
    EXPECT_EQ(keypadDigitKey(3), MapKey::PageDown);
    EXPECT_EQ(keypadDigitKey(4), MapKey::Left);
    EXPECT_EQ(keypadDigitKey(5), MapKey::Space);
    EXPECT_EQ(keypadDigitKey(6), MapKey::Right);
    EXPECT_EQ(keypadDigitKey(7), MapKey::Home);
    EXPECT_EQ(keypadDigitKey(8), MapKey::Up);
    EXPECT_EQ(keypadDigitKey(9), MapKey::PageUp);
    EXPECT_EQ(keypadDigitKey(0), MapKey::None);
    EXPECT_EQ(keypadDigitKey(12), MapKey::None);
}
