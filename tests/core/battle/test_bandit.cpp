// The band met on the map: its list, its reward and the sides of the fight.
#include <gtest/gtest.h>

#include "core/battle/BanditRules.h"
#include "core/battle/FightEstimate.h"
#include "tests/core/battle/BattleWorld.h"

TEST(Bandits, ListRewardAndSides) {
    FillTemplates();
    EXPECT_EQ(banditGroup(500), 0);
    EXPECT_EQ(banditGroup(543), 43);
    EXPECT_EQ(banditGroup(544), -1);  // still an army code on the map, but no group
    EXPECT_EQ(banditGroup(499), -1);
    EXPECT_EQ(banditText(0), "В отряде есть:\n\rКРЕСТЬЯНЕ\r\nГНОМЫ-ЛУЧНИКИ\r\nВАРВАРЫ\r\n");
    EXPECT_EQ(banditText(-1), "В отряде есть:\n\r");

    BattleReward r;
    r.vaultTown = 7;
    r.improves[2] = r.worsens[4] = 1;
    r.cellX = 3;
    r.cellY = 4;
    banditReward(r, 42);
    EXPECT_EQ(r.gold, 6300);
    EXPECT_EQ(r.authority, 45);
    EXPECT_EQ(r.vaultTown, 0);
    EXPECT_EQ(r.improves[2] + r.worsens[4], 0);
    EXPECT_EQ(r.cellX, 3);  // the map's cell stays

    BattleWorld w;
    w.gs->slot(2) = makeStack(kTrolls, 4);
    w.session.sides.enemy(5) = makeStack(kDragons, 9);  // left over from another battle
    banditSides(w.session.sides, *w.gs, 1);
    EXPECT_EQ(int(w.session.sides.hero(2).count), 4);
    EXPECT_EQ(int(w.session.sides.hero(1).count), 0);
    EXPECT_EQ(int(w.session.sides.enemy(1).count), 6);
    EXPECT_EQ(int(w.session.sides.enemy(5).count), 0);
    banditSides(w.session.sides, *w.gs, -1);
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(int(w.session.sides.enemy(k).count), 0);
}

TEST(Bandits, EstimateRanksTheFight) {
    FillTemplates();
    BattleSides sides{};
    sides.hero(1) = makeStack(kDragons, 40);
    for (int k = 1; k <= 3; ++k) sides.enemy(k) = EncounterGroupTable[0].members[k - 1];
    const FightEstimate strong = EstimateFight(sides, false);
    EXPECT_EQ(strong.chances, Chances::High);
    EXPECT_EQ(strong.trials, kEstimateTrials);

    sides.hero(1) = makeStack(kPeasants, 3);
    for (int k = 1; k <= 3; ++k) sides.enemy(k) = EncounterGroupTable[43].members[k - 1];
    EXPECT_EQ(EstimateFight(sides, false).chances, Chances::Low);
    EXPECT_EQ(chancesText(Chances::Low), "Шансы на победу: низкие");

    sides.hero(1).count = 0;
    const FightEstimate none = EstimateFight(sides, true);
    EXPECT_EQ(none.chances, Chances::None);
    EXPECT_EQ(none.trials, 0);
}

TEST(Bandits, EstimateTellsWhatAVictoryCosts) {
    FillTemplates();
    BattleSides sides{};
    for (int k = 1; k <= 3; ++k) sides.enemy(k) = EncounterGroupTable[0].members[k - 1];
    // A fight won nearly always that still costs about half the army.
    sides.hero(1) = makeStack(kMilitia, 40);
    const FightEstimate costly = EstimateFight(sides, false);
    EXPECT_EQ(costly.chances, Chances::High);
    EXPECT_GE(costly.lossPercent, 30);
    EXPECT_LE(costly.lossPercent, 70);
    EXPECT_EQ(costly.lossPercent % 10, 0);
    EXPECT_EQ(lossText(costly),
              "Потери при победе: около " + std::to_string(costly.lossPercent) + " %");
    // Twice the trolls lose a smaller share of themselves.
    sides.hero(1) = makeStack(kTrolls, 5);
    const int few = EstimateFight(sides, false).lossPercent;
    sides.hero(1) = makeStack(kTrolls, 10);
    EXPECT_LT(EstimateFight(sides, false).lossPercent, few);
    // Nothing won, nothing to tell.
    sides.hero(1) = makeStack(kPeasants, 3);
    for (int k = 1; k <= 3; ++k) sides.enemy(k) = EncounterGroupTable[43].members[k - 1];
    const FightEstimate lost = EstimateFight(sides, false);
    EXPECT_EQ(lost.wins, 0);
    EXPECT_EQ(lost.lossPercent, -1);
    EXPECT_EQ(lossText(lost), "");
}
