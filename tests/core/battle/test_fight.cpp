// The arithmetic of an exchange of blows and of a shot.
#include <gtest/gtest.h>

#include "tests/core/battle/BattleWorld.h"

TEST(Fight, RestEqualToTopHitsKillsTheTopCreature) {
    Random rnd(1);
    Troop a = plain(10, 0, 50, 1);  // deals exactly 10
    Troop d = plain(0, 0, 20, 5);
    d.hits = 10;
    FightResult r = MeleeResult(a, d, rnd);
    EXPECT_EQ(r.defendersKilled, 1);
    EXPECT_EQ(r.defenderTopHits, 20);  // the next creature is whole

    d.hits = 11;
    r = MeleeResult(a, d, rnd);
    EXPECT_EQ(r.defendersKilled, 0);
    EXPECT_EQ(r.defenderTopHits, 1);

    // 30 damage on 20-hit creatures with a top creature of 5 left: one whole
    // creature (20), then the rest 10 kills the wounded top (5) and 5 spill over.
    a = plain(30, 0, 50, 1);
    d.hits = 5;
    r = MeleeResult(a, d, rnd);
    EXPECT_EQ(r.defendersKilled, 2);
    EXPECT_EQ(r.defenderTopHits, 15);
}

TEST(Fight, LossesNeverExceedTheCountAndTheDefenderStrikesBackWhole) {
    Random rnd(1);
    Troop a = plain(200, 0, 10, 3);  // 600 damage
    Troop d = plain(0, 7, 10, 2);    // returns 14: one attacker and 4 more hits
    FightResult r = MeleeResult(a, d, rnd);
    EXPECT_EQ(r.defendersKilled, 2);  // capped at the count
    EXPECT_EQ(r.attackersKilled, 1);  // the wiped-out defenders still struck back
    EXPECT_EQ(r.attackerTopHits, 6);

    Troop weak = plain(0, 100, 10, 1);  // returns 100 to a stack of 3
    r = MeleeResult(plain(1, 0, 10, 3), weak, rnd);
    EXPECT_EQ(r.attackersKilled, 3);
}

TEST(Fight, NoHitPointsMeansNoLosses) {
    Random rnd(1);
    Troop a = plain(50, 50, 0, 10);
    a.hits = 3;
    Troop d = plain(50, 50, 40, 10);
    d.hits = 17;
    FightResult r = MeleeResult(a, d, rnd);
    EXPECT_EQ(r.attackersKilled, 0);
    EXPECT_EQ(r.defendersKilled, 0);
    EXPECT_EQ(r.attackerTopHits, 3);
    EXPECT_EQ(r.defenderTopHits, 17);
    r = MeleeResult(d, a, rnd);
    EXPECT_EQ(r.attackersKilled + r.defendersKilled, 0);
    r = ShotResult(d, a, rnd);
    EXPECT_EQ(r.defendersKilled, 0);
    EXPECT_EQ(r.defenderTopHits, 3);
}

TEST(Fight, TheReturnBlowUsesTheAttackersLuck) {
    Random rnd(3);
    Troop a = plain(0, 0, 1000, 1);
    Troop d = plain(0, 10, 1000, 1);
    d.luck = 200;  // would add up to 99 if it counted
    for (int i = 0; i < 50; ++i) {
        FightResult r = MeleeResult(a, d, rnd);
        EXPECT_EQ(r.attackerTopHits, 990);
    }
}

TEST(Fight, LargeArmiesAreNotCutTo16Bits) {
    Random rnd(1);
    // 78 x 1000 = 78,000 damage: wrapped to 16 bits it would be 12,464.
    Troop dragons = plain(78, 0, 750, 1000);
    Troop peasants = plain(0, 0, 12, 30000);
    FightResult r = MeleeResult(dragons, peasants, rnd);
    EXPECT_EQ(r.defendersKilled, 6500);
    // A bigger army never deals less.
    int last = 0;
    for (int count = 500; count <= 3000; count += 250) {
        dragons.count = static_cast<int16_t>(count);
        int killed = MeleeResult(dragons, peasants, rnd).defendersKilled;
        EXPECT_GE(killed, last) << count;
        last = killed;
    }
    Troop catapults = plain(0, 0, 350, 2000);
    catapults.shotPower = 65;  // 130,000 damage
    EXPECT_EQ(ShotResult(catapults, peasants, rnd).defendersKilled, 10833);
}

TEST(Fight, ShotDamageIsPowerTimesCount) {
    Random rnd(1);
    Troop s = plain(99, 0, 10, 4);
    s.shotPower = 20;  // 80 damage, attack does not count
    Troop t = plain(0, 99, 30, 10);
    FightResult r = ShotResult(s, t, rnd);
    EXPECT_EQ(r.defendersKilled, 2);
    EXPECT_EQ(r.defenderTopHits, 10);
    EXPECT_EQ(r.attackersKilled, 0);
}

TEST(Fight, MeleeAndShotApplyTheirResults) {
    BattleWorld w;
    Troop& a = w.put(kHeroSide, 1, kPeasants, 1, 2, 2);
    a = plain(10, 0, 50, 1);
    Troop& d = w.put(kEnemySide, 1, kPeasants, 5, 3, 2);
    d = plain(0, 0, 20, 5);
    w.engine.Melee(11, 21, {3, 2});
    EXPECT_EQ(int(d.count), 5);
    EXPECT_EQ(int(d.hits), 10);
    EXPECT_EQ(w.view.statuses.back(), "Атака! Защитников убито 0. Атакующих погибло 0");
    ASSERT_GE(w.view.events.size(), 4u);
    EXPECT_EQ(w.view.events[0], "boom1@3,2");
    EXPECT_EQ(w.view.sounds.front(), "Resourse/Battle/Fight.wav");

    w.view.events.clear();
    Troop& elf = w.put(kHeroSide, 2, kElves, 2, 1, 5);
    elf.morale = 0;
    elf.luck = 0;  // 2 x 20 = 40 damage
    w.engine.Shoot(12, 21);
    EXPECT_EQ(int(d.count), 3);
    EXPECT_EQ(int(d.hits), 10);
    EXPECT_EQ(elf.shots, 19);
    EXPECT_EQ(w.view.statuses.back(), "При обстреле погибло 2");
    EXPECT_EQ(w.view.events[0], "line 1,5->3,2");
    EXPECT_EQ(w.view.events[1], "shot1@3,2");
    EXPECT_EQ(w.view.sounds.back(), "Resourse/Battle/ShotA.wav");
}
