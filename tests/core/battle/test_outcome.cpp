// What a won, lost or abandoned battle does to the game.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "core/battle/Outcome.h"
#include "core/data/GameState.h"
#include "core/data/Session.h"

namespace {
std::unique_ptr<GameState> outcomeGame() {
    FillTemplates();
    auto gs = std::make_unique<GameState>();
    std::memset(static_cast<void*>(gs.get()), 0, sizeof(GameState));
    const char* races[] = {"Люди", "Гномы", "Эльфы", "Некроманты", "Орки"};
    for (int r = 1; r <= kRaces; ++r) {
        gs->raceName(r).set(races[r - 1]);
        gs->relation(r) = 3;
    }
    gs->continent = 2;
    gs->gold = 100;
    gs->authority = 10;
    return gs;
}
}  // namespace

TEST(Outcome, VaultVictoryTextAndReward) {
    auto gs = outcomeGame();
    gs->relation(3) = 5;
    gs->relation(4) = 0;
    BattleReward r;
    r.gold = 1000;
    r.authority = 25;
    r.vaultTown = 1;
    r.improves[0] = r.improves[2] = 1;
    r.worsens[3] = 1;
    EXPECT_EQ(applyVictory(*gs, r),
              "Захвачено золота 1000\r\n"
              "Авторитет увеличен на 25\r\n"
              "Дешифрована буква \"Ю\"\r\n"
              "Улучшены отношения с рассами:\r\n"
              "  ЛЮДИ, ЭЛЬФЫ, \r\n"
              "Ухудшены отношения с рассами: \r\n"
              "  НЕКРОМАНТЫ, \r\n");
    EXPECT_EQ(gs->gold, 1100u);
    EXPECT_EQ(gs->authority, 35u);
    EXPECT_EQ(gs->letter(1), 1);
    EXPECT_EQ(gs->relation(1), 4);
    EXPECT_EQ(gs->relation(3), 5);  // already the best
    EXPECT_EQ(gs->relation(4), 0);  // already the worst
}

TEST(Outcome, BanditVictoryClearsItsCellOnlyWhenGiven) {
    auto gs = outcomeGame();
    gs->cell(2, 10, 20) = 503;
    gs->cell(1, 10, 20) = 503;
    BattleReward r;
    r.gold = 920;
    r.authority = 20;
    r.cellX = 10;
    r.cellY = 20;
    EXPECT_EQ(applyVictory(*gs, r), "Захвачено золота 920\r\nАвторитет увеличен на 20\r\n");
    EXPECT_EQ(gs->cell(2, 10, 20), 0);    // the hero's continent
    EXPECT_EQ(gs->cell(1, 10, 20), 503);  // not another one
    gs->cell(2, 10, 20) = 503;
    r.cellX = 0;
    applyVictory(*gs, r);
    EXPECT_EQ(gs->cell(2, 10, 20), 503);
    // A letter number beyond the diary is not written anywhere.
    r.vaultTown = 31;
    EXPECT_EQ(applyVictory(*gs, r).find("буква"), std::string::npos);
    EXPECT_EQ(diaryLetter(30), "А");
}

TEST(Outcome, DefeatTakesAQuarterAndAFifth) {
    auto gs = outcomeGame();
    gs->gold = 7;
    gs->authority = 9;
    EXPECT_EQ(applyDefeat(*gs), "Ваши потери:\n\rЗолото -1.\n\rАвторитет -1.");
    EXPECT_EQ(gs->gold, 6u);
    EXPECT_EQ(gs->authority, 8u);
    gs->gold = 3;
    gs->authority = 4;
    EXPECT_EQ(applyDefeat(*gs), "Ваши потери:\n\rЗолото -0.\n\rАвторитет -0.");
    EXPECT_EQ(gs->gold, 3u);
    EXPECT_EQ(gs->authority, 4u);
    gs->gold = 4000000000u;  // large purses do not overflow
    gs->authority = 4000000000u;
    applyDefeat(*gs);
    EXPECT_EQ(gs->gold, 3000000000u);
    EXPECT_EQ(gs->authority, 3200000000u);
}

TEST(Outcome, RetreatKeepsHalfOfTheSurvivors) {
    auto gs = outcomeGame();
    BattleSides sides{};
    for (int s = 1; s <= 3; ++s) {
        gs->slot(s) = makeStack(kMilitia, 20);
        gs->slot(s).hits = 5;
        sides.hero(s) = gs->slot(s);
    }
    sides.hero(1).count = 5;
    sides.hero(2).count = 1;
    sides.hero(3).count = 0;
    applyRetreat(*gs, sides);
    EXPECT_EQ(int(gs->slot(1).count), 2);
    EXPECT_EQ(int(gs->slot(2).count), 0);
    EXPECT_EQ(int(gs->slot(3).count), 0);
    EXPECT_EQ(int(gs->slot(1).hits), 5);  // the rest of the record stays
    for (int s = 1; s <= 5; ++s) EXPECT_EQ(int(sides.hero(s).count), 0);
    // Then the defeat: a quarter of the gold, a fifth of the Authority.
    EXPECT_EQ(applyDefeat(*gs), "Ваши потери:\n\rЗолото -25.\n\rАвторитет -2.");
}
