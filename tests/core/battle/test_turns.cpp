// Rounds, who acts next, waiting, shooting permission and the end of a battle.
#include <gtest/gtest.h>

#include "tests/core/battle/BattleWorld.h"

namespace {
// An enemy that keeps the battle going but never gets a turn.
void idleEnemy(BattleWorld& w) {
    Troop& e = w.put(kEnemySide, 1, kGiants, 5, 7, 1);
    e.reaction = 0;
}
}  // namespace

TEST(Turns, EqualReactionsGoToTheLowerSlotAndWaitersComeLast) {
    BattleWorld w;
    idleEnemy(w);
    w.put(kHeroSide, 3, kMilitia, 5, 1, 3).reaction = 60;
    w.put(kHeroSide, 1, kMilitia, 5, 1, 1).reaction = 50;
    w.put(kHeroSide, 2, kMilitia, 5, 1, 2).reaction = 50;
    w.engine.NewRound();
    EXPECT_EQ(w.engine.roundText, "Т У Р: 1");
    ASSERT_TRUE(w.engine.NextStack());
    EXPECT_EQ(w.engine.activeHeroCode(), 13);
    EXPECT_EQ(w.view.statuses.back(), "-= Ополченцы =-  Осталось ходов - 3");
    EXPECT_TRUE(w.view.retreat);
    EXPECT_EQ(w.view.helpText, kHelpMove);

    w.engine.HeroWait();  // slot 3 waits: the others go first
    ASSERT_GE(w.view.statuses.size(), 2u);
    EXPECT_EQ(w.view.statuses[w.view.statuses.size() - 2], "Ополченцы ждут...");
    EXPECT_EQ(w.engine.activeHeroCode(), 11);
    w.engine.HeroEndTurn();
    EXPECT_EQ(w.engine.activeHeroCode(), 12);
    w.engine.HeroEndTurn();
    EXPECT_EQ(w.engine.activeHeroCode(), 13);  // back after everyone else
    EXPECT_EQ(w.hero(3).movesLeft, 3);
    w.engine.HeroWait();  // a second wait ends its round
    EXPECT_EQ(w.engine.roundText, "Т У Р: 2");
    EXPECT_EQ(w.engine.activeHeroCode(), 13);
    EXPECT_EQ(w.hero(3).waited, 0);
}

TEST(Turns, EqualReactionsOfBothSidesAreDrawnByLot) {
    int heroFirst = 0, enemyFirst = 0;
    for (uint64_t seed = 1; seed <= 40; ++seed) {
        BattleWorld w;
        w.rnd.setState(seed);
        w.put(kHeroSide, 1, kMilitia, 5, 1, 1).reaction = 70;
        w.put(kEnemySide, 1, kMilitia, 5, 7, 5).reaction = 70;
        Random predict = w.rnd;
        const bool enemyWins = predict(2) == 1;
        w.engine.NewRound();
        w.engine.NextStack();
        // The enemy plays its whole turn (one step toward the hero) and the hero
        // then gets the turn; had the hero won the draw, the enemy has not moved.
        EXPECT_EQ(w.engine.activeHeroCode(), 11);
        const bool enemyMoved = !(w.where(21) == Cell{7, 5});
        EXPECT_EQ(enemyMoved, enemyWins) << seed;
        (enemyWins ? enemyFirst : heroFirst)++;
    }
    EXPECT_GT(heroFirst, 5);
    EXPECT_GT(enemyFirst, 5);
}

TEST(Turns, TheEnemysTurnIsAnnouncedAndHidesTheRetreat) {
    BattleWorld w;
    w.put(kHeroSide, 1, kMilitia, 5, 1, 1).reaction = 10;
    w.put(kEnemySide, 2, kGiants, 5, 7, 5);
    w.engine.NewRound();
    w.engine.NextStack();
    EXPECT_EQ(w.view.sounds.front(), "Resourse/Army/Giant.wav");
    EXPECT_EQ(w.engine.activeHeroCode(), 11);  // the giants have had their turn
    EXPECT_EQ(w.hero(1).active, 1);
    EXPECT_EQ(w.enemy(2).movesLeft, 0);
}

TEST(Turns, CanShoot) {
    BattleWorld w;
    Troop& elves = w.put(kHeroSide, 1, kElves, 5, 3, 3);
    EXPECT_TRUE(w.engine.CanShoot(11));
    w.put(kHeroSide, 2, kMilitia, 5, 4, 4);  // a friend alongside does not matter
    EXPECT_TRUE(w.engine.CanShoot(11));
    w.put(kEnemySide, 1, kMilitia, 5, 2, 2);  // a foe on the diagonal does
    EXPECT_FALSE(w.engine.CanShoot(11));
    w.engine.field.at(2, 2) = kFree;
    elves.shots = 0;
    EXPECT_FALSE(w.engine.CanShoot(11));
    elves.shots = -1;
    EXPECT_FALSE(w.engine.CanShoot(11));
}

TEST(Turns, HeroKeysStepAttackAndRefuseWhatCannotBeEntered) {
    BattleWorld w;
    idleEnemy(w);
    Troop& m = w.put(kHeroSide, 1, kMilitia, 5, 2, 3);
    w.put(kHeroSide, 2, kMilitia, 5, 2, 4);
    w.engine.field.at(3, 3) = kRock;
    w.engine.NewRound();
    w.engine.NextStack();
    w.engine.HeroDirection(1, 0);  // rock
    w.engine.HeroDirection(0, 1);  // own stack
    w.engine.HeroDirection(-1, -1);
    EXPECT_EQ(w.where(11), (Cell{1, 2}));
    EXPECT_EQ(m.movesLeft, 2);
    EXPECT_EQ(w.view.statuses.back(), "-= Ополченцы =-  Осталось ходов - 2");
    w.engine.HeroDirection(-1, 0);  // off the field
    EXPECT_EQ(w.where(11), (Cell{1, 2}));
    w.engine.HeroDirection(0, -1);
    w.engine.HeroDirection(1, 0);  // last move: the turn passes to slot 2
    EXPECT_EQ(w.where(11), (Cell{2, 1}));
    EXPECT_EQ(m.movesLeft, 0);
    EXPECT_EQ(w.engine.activeHeroCode(), 12);
}

TEST(Turns, BothSidesWipedOutInOneExchangeIsADefeat) {
    BattleWorld w;
    w.gs->slot(1) = makeStack(kMilitia, 1);
    w.gs->slot(2) = makeStack(kTrolls, 9);
    Troop& a = w.put(kHeroSide, 1, kMilitia, 1, 3, 3);
    a = plain(100, 0, 10, 1);
    Troop& d = w.put(kEnemySide, 1, kMilitia, 1, 4, 3);
    d = plain(0, 100, 10, 1);
    w.engine.Melee(11, 21, {4, 3});
    EXPECT_EQ(w.engine.outcome, Outcome::Defeat);
    EXPECT_EQ(w.view.overCalls, 1);
    EXPECT_FALSE(w.view.heroWon);
    EXPECT_EQ(int(w.gs->slot(1).count), 0);
    EXPECT_EQ(int(w.gs->slot(2).count), 0);
}

TEST(Turns, VictoryHealsTheSurvivorsAndWritesThemBack) {
    BattleWorld w;
    w.gs->slot(1) = makeStack(kTrolls, 9);
    w.gs->slot(1).hits = 100;
    w.gs->slot(2) = makeStack(kMilitia, 4);
    Troop& trolls = w.put(kHeroSide, 1, kTrolls, 7, 3, 3);
    trolls.hits = 12;
    w.put(kEnemySide, 1, kPeasants, 0, 4, 3);
    w.engine.Tick();
    EXPECT_EQ(w.engine.outcome, Outcome::Victory);
    EXPECT_TRUE(w.view.heroWon);
    EXPECT_EQ(int(w.gs->slot(1).count), 7);
    EXPECT_EQ(int(w.gs->slot(1).hits), 310);
    EXPECT_EQ(int(w.gs->slot(2).count), 0);  // its battle stack was empty
}

TEST(Turns, TheClockClearsWipedOutStacksAndMarksTheirCells) {
    BattleWorld w;
    w.put(kHeroSide, 1, kMilitia, 5, 1, 1);
    w.put(kHeroSide, 2, kMilitia, 0, 1, 2);
    w.put(kEnemySide, 1, kMilitia, 5, 7, 1);
    w.engine.animPhase = 4;
    w.engine.Tick();
    EXPECT_EQ(w.engine.field.at(1, 2), kFree);
    EXPECT_EQ(w.engine.dead.at(1, 2), 1);
    EXPECT_EQ(w.engine.field.at(1, 1), 11);
    EXPECT_EQ(w.engine.animPhase, 1);
}

TEST(Setup, FieldRulesHoldForEverySeed) {
    for (uint64_t seed = 1; seed <= 200; ++seed) {
        BattleWorld w;
        w.rnd.setState(seed);
        w.session.sides.hero(1) = makeStack(kMilitia, 5);
        w.session.sides.hero(3) = makeStack(kMilitia, 5);
        w.session.sides.enemy(2) = makeStack(kGiants, 5);
        w.session.reward.vaultTown = seed % 2 ? 0 : 30;
        w.engine.Setup(false);
        const CellGrid& f = w.engine.field;
        for (int x = 1; x <= kCols; ++x)
            if (!(x == 6 && w.session.reward.vaultTown)) {
                EXPECT_FALSE(isObstacle(f.at(x, 1)));
            }
        for (int y = 1; y <= kRows; ++y) {
            EXPECT_FALSE(isObstacle(f.at(1, y)));
            EXPECT_FALSE(isObstacle(f.at(7, y)));
        }
        EXPECT_EQ(f.at(1, 1), 11);
        EXPECT_EQ(f.at(1, 2), kFree);  // an empty slot gets no cell
        EXPECT_EQ(f.at(1, 3), 13);
        EXPECT_EQ(f.at(7, 2), 22);
        bool anyWall = false;
        for (int x = 1; x <= kCols; ++x)
            for (int y = 1; y <= kRows; ++y) anyWall |= f.at(x, y) == kWall;
        if (w.session.reward.vaultTown) {
            EXPECT_EQ(f.at(6, 1), kWall);
            EXPECT_EQ(f.at(6, 5), kWall);
            for (int y = 2; y <= 4; ++y) EXPECT_EQ(f.at(6, y), kFree);
            EXPECT_EQ(w.engine.background, 3);
        } else {
            EXPECT_FALSE(anyWall);
            EXPECT_NE(w.engine.background, 3);
        }
        EXPECT_EQ(w.engine.animPhase, -1000);
        EXPECT_TRUE(w.view.clock);
        EXPECT_EQ(w.view.roundText, "Т У Р: 0");
    }
}

TEST(Setup, StackDescription) {
    FillTemplates();
    Troop t = makeStack(kElves, 12);
    t.movesLeft = 2;
    t.hits = 30;
    EXPECT_EQ(stackDescription(t),
              " -= Эльфы =-  Количество 12.\r\n"
              " Атака - 21.         Защита - 19.        Хиты - 30/45.       Ходов - 2.         \r\n"
              " Скорость - 2.       Реакция - 75.       Мораль - 4.         Удача - 4.         \r\n"
              " Выстрелов 20 с силой 20.");
    Troop f = makeStack(kFliers, 1);
    EXPECT_TRUE(stackDescription(f).ends_with("\r\n Летают."));
    Troop g = makeStack(kGiants, 1);
    EXPECT_TRUE(stackDescription(g).ends_with("\r\n"));
}
