// The computer's decisions on small fixed fields.
#include <gtest/gtest.h>

#include <vector>

#include "tests/core/battle/BattleWorld.h"

namespace {
// Gives enemy stack `slot` the turn with `moves` moves, with a hero stack ready
// to take the next turn so that the chain stops there.
void giveTurn(BattleWorld& w, int slot, int moves) {
    Troop& t = w.enemy(slot);
    t.active = 1;
    t.movesLeft = static_cast<uint8_t>(moves);
}

// Records where a stack stands after every pause of a turn.
class TrackingView : public RecordingView {
public:
    BattleEngine* engine = nullptr;
    int code = 0;
    std::vector<Cell> path;
    void pause(int ms) override {
        RecordingView::pause(ms);
        Cell c{0, 0};
        if (engine && engine->FindStack(code, c) && (path.empty() || !(path.back() == c)))
            path.push_back(c);
    }
};
}  // namespace

TEST(EnemyTurn, ShooterStepsAwayFromAFoeThenShoots) {
    BattleWorld w;
    Troop& peasants = w.put(kHeroSide, 1, kPeasants, 50, 3, 3);
    Troop& elves = w.put(kEnemySide, 1, kElves, 10, 4, 3);
    giveTurn(w, 1, 2);
    w.engine.SideTurn(kEnemySide);
    // (5, 4) is the first cell in the fixed order that no hero stack touches.
    EXPECT_EQ(w.where(21), (Cell{5, 4}));
    EXPECT_EQ(elves.shots, 19);
    EXPECT_LT(int(peasants.count), 50);
    ASSERT_FALSE(w.view.events.empty());
    EXPECT_EQ(w.view.events[0], "line 5,4->3,3");
    EXPECT_EQ(w.engine.activeHeroCode(), 11);  // the hero's turn came next
}

TEST(EnemyTurn, ShooterWithOneMoveLeftFightsWhatTouchesIt) {
    BattleWorld w;
    Troop& peasants = w.put(kHeroSide, 1, kPeasants, 10, 3, 3);
    Troop& elves = w.put(kEnemySide, 1, kElves, 10, 4, 3);
    giveTurn(w, 1, 1);
    w.engine.SideTurn(kEnemySide);
    EXPECT_EQ(w.where(21), (Cell{4, 3}));
    EXPECT_EQ(elves.shots, 20);
    EXPECT_LT(int(peasants.count), 10);
    EXPECT_EQ(w.view.sounds.front(), "Resourse/Battle/Fight.wav");
}

TEST(EnemyTurn, FlyerWithNothingWorthwhileStaysAndEndsItsTurn) {
    BattleWorld w;
    w.put(kHeroSide, 1, kPeasants, 10, 1, 1);
    for (Cell c : {Cell{2, 1}, Cell{1, 2}, Cell{2, 2}}) w.engine.field.at(c) = kRock;
    Troop& gorgs = w.put(kEnemySide, 1, kGorgs, 10, 7, 5);
    giveTurn(w, 1, 1);
    w.engine.SideTurn(kEnemySide);
    EXPECT_EQ(w.where(21), (Cell{7, 5}));
    EXPECT_EQ(gorgs.movesLeft, 0);
    EXPECT_EQ(gorgs.active, 0);
    for (const auto& s : w.view.sounds)
        EXPECT_EQ(s.find("Resourse/Battle/"), std::string::npos) << s;
}

TEST(EnemyTurn, FlyerLandsBesideItsTargetAndAttacks) {
    BattleWorld w;
    Troop& peasants = w.put(kHeroSide, 1, kPeasants, 10, 1, 1);
    w.put(kEnemySide, 1, kGorgs, 10, 7, 5);
    giveTurn(w, 1, 1);
    w.engine.SideTurn(kEnemySide);
    EXPECT_TRUE(areNeighbours(w.where(21), Cell{1, 1}));
    EXPECT_EQ(w.view.statuses.front(), "Горги летят.");
    EXPECT_LT(int(peasants.count), 10);
}

TEST(EnemyTurn, WalkerApproachesOneCellPerMoveAndNeverBacksOff) {
    for (uint64_t seed = 1; seed <= 30; ++seed) {
        BattleWorld w;
        TrackingView view;
        BattleEngine engine(*w.gs, w.session, w.rnd, view);
        view.engine = &engine;
        view.code = 21;
        w.rnd.setState(seed);
        auto put = [&](int side, int slot, int kind, int x, int y) {
            engine.stack(side, slot) = makeStack(kind, 10);
            engine.field.at(x, y) = static_cast<uint8_t>(codeOf(side, slot));
        };
        put(kHeroSide, 1, kMilitia, 1, 1);
        put(kEnemySide, 1, kGiants, 7, 5);
        engine.field.at(5, 4) = kPit;
        engine.field.at(6, 3) = kBog;
        engine.stack(kHeroSide, 1).movesLeft = 1;
        engine.stack(kEnemySide, 1).active = 1;
        engine.stack(kEnemySide, 1).movesLeft = 4;
        engine.SideTurn(kEnemySide);
        int last = 4 + 6;
        for (Cell c : view.path) {
            int d = distance(c, {1, 1});
            EXPECT_LE(d, last) << seed;
            last = d;
        }
        EXPECT_LE(view.path.size(), 5u);
        EXPECT_EQ(int(engine.stack(kHeroSide, 1).count), 10);  // nobody reached
    }
}

TEST(EnemyTurn, EqualCellsLaterInTheOrderWinHalfTheTime) {
    // From (3, 3) toward (1, 3) with (2, 3) blocked: (2, 4) and then (2, 2) are as
    // close as where it stands; each later candidate wins on a coin toss.
    int stay = 0, low = 0, high = 0;
    const int runs = 400;
    for (int i = 0; i < runs; ++i) {
        BattleWorld w;
        w.rnd.setState(1000 + i);
        w.put(kHeroSide, 1, kMilitia, 10, 1, 3);
        w.put(kEnemySide, 1, kGiants, 10, 3, 3);
        w.engine.field.at(2, 3) = kRock;
        giveTurn(w, 1, 1);
        w.engine.SideTurn(kEnemySide);
        Cell c = w.where(21);
        if (c == Cell{3, 3})
            ++stay;
        else if (c == Cell{2, 4})
            ++low;
        else if (c == Cell{2, 2})
            ++high;
        else
            ADD_FAILURE() << c.x << "," << c.y;
    }
    EXPECT_NEAR(high, runs / 2, runs / 8);
    EXPECT_NEAR(low, runs / 4, runs / 8);
    EXPECT_NEAR(stay, runs / 4, runs / 8);
}

TEST(EnemyTurn, WalkerWithOneMoveOnlyAttacksWhatItTouches) {
    for (int moves : {1, 2}) {
        BattleWorld w;
        Troop& militia = w.put(kHeroSide, 1, kMilitia, 10, 2, 3);
        w.put(kEnemySide, 1, kGiants, 10, 4, 3);
        giveTurn(w, 1, moves);
        w.engine.SideTurn(kEnemySide);
        if (moves == 1) {
            EXPECT_EQ(int(militia.count), 10);
            EXPECT_EQ(w.where(21).x, 3);  // one step closer instead
        } else {
            EXPECT_LT(int(militia.count), 10);  // a step and a blow
            EXPECT_TRUE(areNeighbours(w.where(21), Cell{2, 3}));
        }
    }
}

TEST(EnemyTurn, NoLivingFoeEndsTheBattleInsteadOfLooping) {
    BattleWorld w;
    w.put(kHeroSide, 1, kMilitia, 0, 1, 1);
    w.put(kEnemySide, 1, kGiants, 10, 7, 5);
    giveTurn(w, 1, 4);
    w.engine.SideTurn(kEnemySide);
    EXPECT_EQ(w.engine.outcome, Outcome::Defeat);
}

TEST(AutoBattle, WholeBattlesEnd) {
    for (uint64_t seed = 1; seed <= 20; ++seed) {
        BattleWorld w;
        w.session.sides.hero(1) = makeStack(kPeasants, 30);
        w.session.sides.hero(2) = makeStack(kDwarfArchers, 20);
        w.session.sides.hero(3) = makeStack(kMilitia, 20);
        w.session.sides.enemy(1) = makeStack(kPeasants, 20);
        w.session.sides.enemy(2) = makeStack(kDwarfArchers, 10);
        w.session.sides.enemy(3) = makeStack(kBarbarians, 6);
        w.rnd.useSeedSequence(seed);
        AutoBattleResult r = PlayAutoBattle(*w.gs, w.session, w.rnd, w.view);
        EXPECT_NE(r.winner, Winner::Draw);
        EXPECT_EQ(w.view.overCalls, 1);
        int heroLeft = 0, enemyLeft = 0;
        for (int k = 0; k < 5; ++k) {
            heroLeft += r.heroLeft[k];
            enemyLeft += r.enemyLeft[k];
        }
        EXPECT_EQ(r.winner == Winner::Hero, enemyLeft == 0 && heroLeft > 0);
    }
}

TEST(AutoBattle, HarmlessSidesDrawAfterTheRoundLimit) {
    BattleWorld w;
    w.session.sides.hero(1) = makeStack(kMilitia, 5);
    w.session.sides.enemy(1) = makeStack(kMilitia, 5);
    w.session.sides.hero(1).hitsMax = 0;
    w.session.sides.enemy(1).hitsMax = 0;
    AutoBattleResult r = PlayAutoBattle(*w.gs, w.session, w.rnd, w.view, 12, false);
    EXPECT_EQ(r.winner, Winner::Draw);
    EXPECT_EQ(r.rounds, 13);
}
