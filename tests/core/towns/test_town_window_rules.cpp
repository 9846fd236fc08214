// The town window's show, hiring, ship and temple, and the vault window's text
// and storm set-up, checked on the rules alone.
#include <gtest/gtest.h>

#include <cstring>

#include "core/towns/TownRules.h"
#include "tests/core/towns/TownWorld.h"

namespace {

constexpr int kArkan = 1;  // humans, hires peasants (price 20, leadership 5)
constexpr int kKurd = 6;   // elves, hires barbarians (price 80, leadership 30)
constexpr int kUrgan = 4;  // dwarves; storming worsens dwarves and necromancers

struct TownFixture : ::testing::Test {
    std::unique_ptr<GameState> gs = townWorld();
    Session s;
    TownScreen show(int t, int x = 20, int y = 20) {
        enterTown(*gs, s, t, x, y);
        return showTown(*gs, s);
    }
};

TEST_F(TownFixture, ShowBuildsCaptionsAndMarksTheTownKnown) {
    s.reward.cellX = 12;
    s.reward.cellY = 34;
    const TownScreen v = show(kArkan);
    EXPECT_EQ(v.town, kArkan);
    EXPECT_EQ(v.caption, "Город Аркан");
    // The fifth letter of the relation verb is a Latin c, and two blanks precede it.
    EXPECT_EQ(v.relationLine, "Расса ЛЮДИ  отно\x63ятся нейтрально");
    EXPECT_FALSE(v.relationRed);
    EXPECT_EQ(v.recruitPic, "Peasant.pic");
    EXPECT_EQ(v.recruitText, troopText(gs->town(kArkan).recruit));
    EXPECT_EQ(v.status, "Золото 350        Авторитет 120     ");
    EXPECT_EQ(v.shipCaption, "Нанять корабль (300)");
    EXPECT_EQ(v.templeCaption, "Жертва в храме (10000)");
    EXPECT_EQ(gs->town(kArkan).visited, 1);
    EXPECT_EQ(s.reward.cellX, 0);
    EXPECT_EQ(s.reward.cellY, 0);
    EXPECT_TRUE(v.vaultEnabled);
}

TEST_F(TownFixture, HireLimitExamples) {
    // No gold and none of the kind: nothing to hire.
    gs->gold = 0;
    TownScreen v = show(kKurd);
    EXPECT_EQ(v.hireText, "У вас есть 0. Вы можете нанять 0.");
    EXPECT_EQ(v.hireCaption, "Нельзя");
    EXPECT_FALSE(v.hireEnabled);
    EXPECT_TRUE(v.trackEnabled);
    EXPECT_EQ(v.hire.slot, 4);

    // Authority 100 at leadership 30 leads 3; two are already there.
    gs->gold = 100000;
    gs->authority = 100;
    gs->slot(4) = makeStack(kBarbarians, 2);
    v = show(kKurd);
    EXPECT_EQ(v.hire.owned, 2);
    EXPECT_EQ(v.hire.limit, 1);
    EXPECT_EQ(v.hire.slot, 4);
    EXPECT_EQ(v.hireText, "У вас есть 2. Вы можете нанять 1.");
    EXPECT_EQ(v.hireCaption, "Нанять 0 за 0");
    EXPECT_TRUE(v.hireEnabled);
    EXPECT_EQ(hireCaption(gs->town(kKurd).recruit, 1), "Нанять 1 за 80");

    // Authority 50 leads 1 but 4 are there: the negative room becomes 0.
    gs->authority = 50;
    gs->slot(4).count = 4;
    v = show(kKurd);
    EXPECT_EQ(v.hire.limit, 0);
    EXPECT_FALSE(v.hireEnabled);

    // Other kinds in the army do not count against the Authority.
    gs->authority = 300;
    gs->slot(4).count = 0;
    EXPECT_EQ(hireLimit(*gs, gs->town(kKurd).recruit).limit, 10);
    gs->gold = 799;
    EXPECT_EQ(hireLimit(*gs, gs->town(kKurd).recruit).limit, 9);
}

TEST_F(TownFixture, FullArmyOfOtherKindsHasNoRoom) {
    gs->gold = 100000;
    gs->slot(4) = makeStack(kElves, 1);
    gs->slot(5) = makeStack(kTrolls, 1);
    const TownScreen v = show(kKurd);
    EXPECT_EQ(v.hire.slot, 0);
    EXPECT_EQ(v.hireCaption, "Нельзя");
    EXPECT_EQ(v.hireText, "Нет места в отряде");
    EXPECT_FALSE(v.trackEnabled);
    EXPECT_FALSE(v.hireEnabled);
    EXPECT_FALSE(hireRecruits(*gs, gs->town(kKurd), v.hire, 0));
}

TEST_F(TownFixture, HiringCopiesTheWholeTemplateAndAddsToTheOwned) {
    gs->gold = 1000;
    gs->authority = 1000;
    // A wounded stack of the kind is refreshed from the town's template.
    gs->slot(1).hits = 3;
    TownScreen v = show(kArkan);
    EXPECT_EQ(v.hire.slot, 1);
    EXPECT_EQ(v.hire.owned, 30);
    EXPECT_EQ(v.hire.limit, 50);  // 1000 / 20 by gold, 200 - 30 by Authority
    ASSERT_TRUE(hireRecruits(*gs, gs->town(kArkan), v.hire, 7));
    EXPECT_EQ(gs->gold, 1000u - 7 * 20);
    EXPECT_EQ(gs->slot(1).count, 37);
    EXPECT_EQ(gs->slot(1).hits, gs->slot(1).hitsMax);
    // Never more than the limit, nor more than the gold pays for.
    EXPECT_FALSE(hireRecruits(*gs, gs->town(kArkan), v.hire, 51));
    v = show(kArkan);
    gs->gold = 0;
    EXPECT_FALSE(hireRecruits(*gs, gs->town(kArkan), v.hire, 1));
    EXPECT_EQ(gs->slot(1).count, 37);
}

TEST_F(TownFixture, HiringNoneIntoAnEmptySlotLeavesItEmpty) {
    gs->gold = 1000;
    TownScreen v = show(kKurd);
    ASSERT_EQ(v.hire.slot, 4);
    ASSERT_TRUE(hireRecruits(*gs, gs->town(kKurd), v.hire, 0));
    EXPECT_EQ(gs->slot(4).name.str(), "Варвары");
    EXPECT_EQ(gs->slot(4).count, 0);
    EXPECT_EQ(gs->gold, 1000u);
    // Another kind still finds slot 4 free.
    v = show(5);  // elves hire elves
    EXPECT_EQ(v.hire.slot, 4);
    EXPECT_EQ(v.hire.owned, 0);
}

TEST_F(TownFixture, HeadCountNeverOverflows) {
    gs->gold = 4000000000u;
    gs->authority = 4000000000u;
    const TownScreen v = show(kArkan);
    EXPECT_EQ(v.hire.limit, 32767 - 30);
    ASSERT_TRUE(hireRecruits(*gs, gs->town(kArkan), v.hire, v.hire.limit));
    EXPECT_EQ(gs->slot(1).count, 32767);
}

TEST_F(TownFixture, BadRelationBlocksShipAndHireButNotTemple) {
    gs->gold = 20000;
    gs->authority = 1000;
    gs->relation(1) = 2;
    gs->here(21, 20) = cell::kWater;
    TownScreen v = show(kArkan);
    EXPECT_TRUE(v.relationRed);
    EXPECT_EQ(v.relationLine, "Расса ЛЮДИ  отно\x63ятся плохо");
    EXPECT_FALSE(v.shipEnabled);
    EXPECT_FALSE(v.hireEnabled);
    EXPECT_TRUE(v.trackEnabled);
    EXPECT_TRUE(v.templeEnabled);

    ASSERT_TRUE(templeSacrifice(*gs, gs->town(kArkan)));
    EXPECT_EQ(gs->relation(1), 3);
    EXPECT_EQ(gs->gold, 10000u);
    v = show(kArkan);
    EXPECT_FALSE(v.relationRed);
    EXPECT_TRUE(v.shipEnabled);
    EXPECT_TRUE(v.hireEnabled);
    EXPECT_TRUE(v.templeEnabled);  // exactly 10000

    ASSERT_TRUE(templeSacrifice(*gs, gs->town(kArkan)));
    gs->relation(1) = 5;
    gs->gold = 10000;
    ASSERT_TRUE(templeSacrifice(*gs, gs->town(kArkan)));
    EXPECT_EQ(gs->relation(1), 5);  // never above "отлично"
    EXPECT_FALSE(show(kArkan).templeEnabled);
    EXPECT_FALSE(templeSacrifice(*gs, gs->town(kArkan)));
    EXPECT_EQ(gs->gold, 0u);
}

TEST_F(TownFixture, ShipPlaceIsTheHighestColumnsFirstWater) {
    gs->gold = 300;
    gs->here(19, 21) = cell::kWater;
    gs->here(21, 21) = cell::kWater + 5;
    gs->here(21, 19) = cell::kShip;  // a moored ship is no place for a new one
    gs->here(21, 20) = cell::kWater + 9;
    TownScreen v = show(kArkan);
    EXPECT_TRUE(v.shipEnabled);
    EXPECT_EQ(gs->town(kArkan).shipX, 21);
    EXPECT_EQ(gs->town(kArkan).shipY, 20);

    gs->gold = 299;
    v = show(kArkan);
    EXPECT_FALSE(v.shipEnabled);
    EXPECT_EQ(gs->town(kArkan).shipX, 21);  // the place is found even when unaffordable
    EXPECT_FALSE(buyShip(*gs, gs->town(kArkan)));

    gs->gold = 1000;
    show(kArkan);
    ASSERT_TRUE(buyShip(*gs, gs->town(kArkan)));
    EXPECT_EQ(gs->gold, 700u);
    EXPECT_EQ(gs->heroX, 21);
    EXPECT_EQ(gs->heroY, 20);
    EXPECT_EQ(gs->onShip, 1);
}

TEST_F(TownFixture, NoWaterOrAlreadySailingKeepsTheShipOff) {
    gs->gold = 100000;
    // Water two cells away and a moored ship next door do not count.
    gs->here(22, 20) = cell::kWater;
    gs->here(20, 21) = cell::kShip;
    TownScreen v = show(kArkan);
    EXPECT_FALSE(v.shipEnabled);
    EXPECT_EQ(gs->town(kArkan).shipX, 0);
    EXPECT_FALSE(buyShip(*gs, gs->town(kArkan)));

    gs->here(21, 21) = cell::kWater;
    gs->onShip = 1;
    v = show(kArkan);
    EXPECT_FALSE(v.shipEnabled);
    EXPECT_EQ(gs->town(kArkan).shipX, 0);
    EXPECT_FALSE(buyShip(*gs, gs->town(kArkan)));
    EXPECT_EQ(gs->gold, 100000u);

    // A town at the edge of the map scans only the cells that exist.
    gs->onShip = 0;
    gs->here(2, 1) = cell::kWater;
    v = show(kArkan, 1, 1);
    EXPECT_TRUE(v.shipEnabled);
    EXPECT_EQ(gs->town(kArkan).shipX, 2);
    EXPECT_EQ(gs->town(kArkan).shipY, 1);
}

TEST_F(TownFixture, KnownVaultLetterDisablesTheStorm) {
    gs->letter(kUrgan) = 1;
    EXPECT_FALSE(show(kUrgan).vaultEnabled);
    EXPECT_TRUE(show(kArkan).vaultEnabled);
}

TEST_F(TownFixture, UnknownTownCodeShowsNothing) {
    s.enteredTown.code = 731;
    EXPECT_EQ(showTown(*gs, s).town, 0);
    s.enteredTown.code = 0;
    EXPECT_EQ(showTown(*gs, s).town, 0);
}

TEST(Vault, GuardWordsAtTheirBounds) {
    EXPECT_EQ(guardWord(0), "несколько");
    EXPECT_EQ(guardWord(9), "несколько");
    EXPECT_EQ(guardWord(10), "немного");
    EXPECT_EQ(guardWord(19), "немного");
    EXPECT_EQ(guardWord(20), "отряд");
    EXPECT_EQ(guardWord(29), "отряд");
    EXPECT_EQ(guardWord(30), "гарнизон");
    EXPECT_EQ(guardWord(180), "гарнизон");
}

TEST(Vault, TextWithoutFlaggedRacesListsOnlyTheGuards) {
    auto gs = townWorld();
    TownRecord& t = gs->town(1);
    std::memset(t.improves, 0, sizeof t.improves);
    std::memset(t.worsens, 0, sizeof t.worsens);
    t.guard(3).count = 0;  // an empty guard still has its line
    EXPECT_EQ(vaultText(*gs, t),
              "Хранилище охраняют:\n\r"
              "ГНОМЫ-ЛУЧНИКИ (немного)\r\n"
              "КРЕСТЬЯНЕ (немного)\r\n"
              "ЛЕТУНЫ (несколько)\r\n"
              "КРЕСТЬЯНЕ (немного)\r\n"
              "ГНОМЫ-ЛУЧНИКИ (немного)\r\n");
}

TEST(Vault, TextWithOneAndTwoFlaggedRaces) {
    auto gs = townWorld();
    EXPECT_EQ(vaultText(*gs, gs->town(1)),
              "Хранилище охраняют:\n\r"
              "ГНОМЫ-ЛУЧНИКИ (немного)\r\n"
              "КРЕСТЬЯНЕ (немного)\r\n"
              "ЛЕТУНЫ (немного)\r\n"
              "КРЕСТЬЯНЕ (немного)\r\n"
              "ГНОМЫ-ЛУЧНИКИ (немного)\r\n"
              "В случае победы будут улучшены отношения с рассами:\r\n"
              "  ОРКИ, \r\n"
              "В случае победы будут ухудшены отношения с рассами: \r\n"
              "  ЛЮДИ, \r\n");
    const std::string urgan = vaultText(*gs, gs->town(kUrgan));
    EXPECT_NE(urgan.find("ОПОЛЧЕНЦЫ (отряд)\r\n"), std::string::npos);
    const std::string tail =
        "В случае победы будут ухудшены отношения с рассами: \r\n"
        "  ГНОМЫ, НЕКРОМАНТЫ, \r\n";
    ASSERT_GE(urgan.size(), tail.size());
    EXPECT_EQ(urgan.substr(urgan.size() - tail.size()), tail);
}

TEST(Vault, RewardAndStormSides) {
    auto gs = townWorld();
    Session s;
    s.reward.cellX = 0;
    s.reward.cellY = 0;
    const TownRecord& t = gs->town(kUrgan);
    fillVaultReward(s.reward, t);
    EXPECT_EQ(s.reward.gold, 2500);
    EXPECT_EQ(s.reward.authority, 25);
    EXPECT_EQ(s.reward.vaultTown, kUrgan);
    const uint8_t improves[5] = {0, 0, 0, 0, 1};
    const uint8_t worsens[5] = {0, 1, 0, 1, 0};
    EXPECT_EQ(std::memcmp(s.reward.improves, improves, 5), 0);
    EXPECT_EQ(std::memcmp(s.reward.worsens, worsens, 5), 0);

    // Leftovers of an earlier battle must not survive into this one.
    for (auto& st : s.sides.heroStacks) st = makeStack(kDragons, 99);
    for (auto& st : s.sides.enemyStacks) st = makeStack(kDragons, 99);
    gs->slot(2).count = 0;
    setUpStorm(*gs, t, s.sides);
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(std::memcmp(&s.sides.hero(k), &gs->slot(k), sizeof(Troop)), 0) << k;
        EXPECT_EQ(std::memcmp(&s.sides.enemy(k), &t.guard(k), sizeof(Troop)), 0) << k;
    }
    EXPECT_EQ(int{s.sides.hero(2).count}, 0);
    EXPECT_EQ(int{s.sides.hero(5).count}, 0);
}

}  // namespace
