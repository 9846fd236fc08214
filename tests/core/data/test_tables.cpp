#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "core/data/GameState.h"

namespace {

class Tables : public ::testing::Test {
protected:
    void SetUp() override { FillTemplates(); }
};

TEST(Cp1251, RoundTripAndUpperCase) {
    const std::string text = "Ёжик в тумане: Лут Голейн, отноcятся!";
    std::string cp = cp1251::fromUtf8(text);
    EXPECT_EQ(cp.size(), 37u);  // one byte per letter
    EXPECT_EQ(cp1251::toUtf8(cp), text);
    EXPECT_EQ(upperUtf8("ёлка, Эльфы и ъ; abc"), "ЁЛКА, ЭЛЬФЫ И Ъ; ABC");
    EXPECT_EQ(upperUtf8("некроманты"), "НЕКРОМАНТЫ");
    // The Latin c of "отноcятся" stays a Latin letter (upper case C).
    EXPECT_EQ(upperUtf8("отноcятся"), "ОТНОCЯТСЯ");
    EXPECT_NE(upperUtf8("отноcятся"), "ОТНОСЯТСЯ");
    // Characters outside the code page and broken UTF-8 become '?', never a crash.
    EXPECT_EQ(cp1251::fromUtf8("日\xff"), "??");
}

TEST(Cp1251, ShortStringCutsAt255Bytes) {
    ShortString s{};
    s.set(std::string(300, 'x'));
    EXPECT_EQ(s.len, 255);
    s.set("Аркан");
    EXPECT_EQ(s.len, 5);
    EXPECT_EQ(s.str(), "Аркан");
}

TEST_F(Tables, CreatureRowsAsTabled) {
    const Troop& centaurs = CreatureTable[kCentaurs];
    EXPECT_EQ(centaurs.name.str(), "Кентавры");
    EXPECT_EQ(centaurs.shots, -1);
    EXPECT_EQ(centaurs.shotPower, 10);  // has a shot power though it never shoots
    const Troop& fliers = CreatureTable[kFliers];
    EXPECT_EQ(fliers.wavFile.str(), "flyer.wav");
    EXPECT_EQ(fliers.flies, 1);
    const Troop& liches = CreatureTable[kLiches];
    EXPECT_EQ(liches.shots, 5);
    EXPECT_EQ(liches.missileKind, 2);
    const Troop& dragons = CreatureTable[kDragons];
    EXPECT_EQ(dragons.hitsMax, 750);
    EXPECT_EQ(dragons.hits, 750);
    EXPECT_EQ(dragons.leadership, 100);
    // A template is a clean record: battle fields and padding zero, shots -1 stored as 255.
    const auto* raw = reinterpret_cast<const unsigned char*>(&CreatureTable[kBarbarians]);
    EXPECT_EQ(raw[256], 0);
    EXPECT_EQ(raw[522], 0);
    EXPECT_EQ(raw[536], 255);
    for (const Troop& t : CreatureTable) EXPECT_EQ(t.count, 0);
}

TEST_F(Tables, EncounterGroupsOnlyTheTwelveDefined) {
    int defined = 0;
    for (int g = 0; g < kEncounterGroups; ++g) {
        const EncounterGroup& e = EncounterGroupTable[g];
        bool any = e.members[0].count || e.members[1].count || e.members[2].count;
        defined += any;
        if (!any) {
            EXPECT_EQ(e.rewardGold, 0) << g;
        }
    }
    EXPECT_EQ(defined, 12);
    const EncounterGroup& g43 = EncounterGroupTable[43];
    EXPECT_EQ(g43.members[0].name.str(), "Драконы");
    EXPECT_EQ(g43.members[2].count, 24);
    EXPECT_EQ(g43.rewardGold, 7000);
    EXPECT_EQ(EncounterGroupTable[1].rewardGold, 940);
}

TEST_F(Tables, InitialTowns) {
    auto gs = std::make_unique<GameState>();
    std::memset(gs.get(), 0xAB, sizeof(GameState));  // InitTowns must write every byte it owns
    InitTowns(*gs);
    const TownRecord& agraba = gs->town(21);
    EXPECT_EQ(agraba.name.str(), "Аграба");
    EXPECT_EQ(agraba.guard(3).name.str(), "Крестьяне");
    EXPECT_EQ(agraba.guard(3).count, 180);
    int dragons = 0;
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(gs->town(30).guard(k).name.str(), "Драконы");
        dragons += gs->town(30).guard(k).count;
    }
    EXPECT_EQ(dragons, 150);
    EXPECT_EQ(gs->town(24).name.str(), "Лут Голейн");
    for (int t = 1; t <= kTowns; ++t) {
        const TownRecord& town = gs->town(t);
        EXPECT_EQ(town.vaultGold, 1000 + 500 * (t - 1));
        EXPECT_EQ(town.vaultLetter, t);
        EXPECT_EQ(town.visited, 0);
        EXPECT_EQ(town.shipX, 0);
        EXPECT_EQ(town.recruit.count, 0);
        int imp = 0, wor = 0;
        for (int r = 0; r < 5; ++r) {
            imp += town.improves[r];
            wor += town.worsens[r];
            EXPECT_FALSE(town.improves[r] && town.worsens[r]) << t;
        }
        EXPECT_TRUE(imp >= 1 && imp <= 2 && wor >= 1 && wor <= 2) << t;
    }
    EXPECT_EQ(gs->town(10).vaultAuthority, 25);
    EXPECT_EQ(gs->town(11).vaultAuthority, 40);
    EXPECT_EQ(gs->town(30).vaultAuthority, 55);
    EXPECT_EQ(gs->town(3).improves[0] + gs->town(3).improves[2], 2);  // Хартум: races 1 and 3
}

}  // namespace
