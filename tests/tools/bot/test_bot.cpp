// The play bot: its reading of the diary, its checks, and short games.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "core/battle/AutoBattle.h"
#include "core/battle/BattleEngine.h"
#include "core/data/GameState.h"
#include "core/data/SaveCheck.h"
#include "core/data/Session.h"
#include "core/flow/NewGame.h"
#include "platform/Random.h"
#include "platform/headless/HeadlessPlatform.h"
#include "tools/bot/Bot.h"
#include "tools/bot/GraveReader.h"
#include "tools/bot/Invariants.h"

namespace {

std::unique_ptr<GameState> newGame(uint64_t seed, Random& rnd) {
    FillTemplates();
    auto gs = std::make_unique<GameState>();
    rnd.useSeedSequence(seed);
    HeadlessPlatform platform;
    NewGame(*gs, rnd, platform);
    return gs;
}

std::unique_ptr<GameState> newGame(uint64_t seed) {
    Random rnd(seed);
    return newGame(seed, rnd);
}

bot::GravePlace graveOf(const GameState& gs) {
    return {gs.graveContinent, gs.graveX, gs.graveY};
}

}  // namespace

TEST(GraveReader, AllLettersNameExactlyTheGrave) {
    for (uint64_t seed = 1; seed <= 12; ++seed) {
        auto gs = newGame(seed);
        for (int k = 1; k <= kLetters; ++k) gs->letter(k) = 1;
        const auto place = bot::knownGrave(*gs);
        ASSERT_TRUE(place.has_value()) << "seed " << seed;
        EXPECT_EQ(*place, graveOf(*gs)) << "seed " << seed;
    }
}

TEST(GraveReader, FewLettersLeaveManyPlacesButAlwaysTheTrueOne) {
    Random pick(7);
    for (uint64_t seed = 1; seed <= 4; ++seed) {
        auto gs = newGame(seed);
        const auto none = bot::gravePlaces(*gs);
        EXPECT_GT(none.size(), 1u) << "seed " << seed;
        EXPECT_NE(std::find(none.begin(), none.end(), graveOf(*gs)), none.end());
        EXPECT_FALSE(bot::knownGrave(*gs).has_value());
        // Letters deciphered one by one in a random order: the true place stays
        // among the candidates and the candidates only ever shrink.
        size_t before = none.size();
        int order[kLetters];
        for (int k = 0; k < kLetters; ++k) order[k] = k + 1;
        for (int k = kLetters - 1; k > 0; --k) std::swap(order[k], order[pick(k + 1)]);
        for (int i = 0; i < kLetters; ++i) {
            gs->letter(order[i]) = 1;
            if (i % 3 != 2) continue;  // three at a time
            const auto places = bot::gravePlaces(*gs);
            ASSERT_NE(std::find(places.begin(), places.end(), graveOf(*gs)), places.end())
                << "seed " << seed << " after " << i + 1 << " letters";
            EXPECT_LE(places.size(), before);
            before = places.size();
        }
        EXPECT_EQ(before, 1u);
    }
}

TEST(Invariants, AFreshGameHoldsThemAll) {
    auto gs = newGame(3);
    Invariants inv(*gs);
    EXPECT_EQ(inv.check(*gs), "");
}

TEST(Invariants, EachBrokenRuleIsNamed) {
    struct Case {
        const char* what;
        void (*spoil)(GameState&);
    };
    const Case cases[] = {
        {"relation", [](GameState& g) { g.relation(2) = 6; }},
        {"letter", [](GameState& g) { g.letter(4) = 2; }},
        {"code", [](GameState& g) { g.here(g.heroX, g.heroY) = cell::kForestFirst; }},
        {"negative", [](GameState& g) { g.slot(2).count = -3; }},
        {"wrapped", [](GameState& g) { g.gold = 0xFFFFFF00u; }},
        {"sails", [](GameState& g) { g.onShip = 1; }},
        {"visited", [](GameState& g) { g.town(5).visited = 3; }},
        {"step shift", [](GameState& g) { g.stepShiftX = 25; }},
        {"разведки", [](GameState& g) { g.explored(2, 10, 10) = 7; }},
        {"without an army",
         [](GameState& g) {
             g.move(g.heroX + 1, g.heroY) = ArmyMove{static_cast<uint16_t>(g.heroX + 2), g.heroY,
                                                     static_cast<uint16_t>(g.heroX + 1), g.heroY};
         }},
        {"filed under",
         [](GameState& g) {
             g.armyMoves[0][0] = ArmyMove{11, 12, 12, 12};
         }},
    };
    for (const Case& c : cases) {
        auto gs = newGame(5);
        Invariants inv(*gs);
        c.spoil(*gs);
        const std::string e = inv.check(*gs);
        EXPECT_NE(e.find(c.what), std::string::npos) << c.what << ": " << e;
    }
}

TEST(Invariants, WhatOnlyGrowsMayNotShrink) {
    auto gs = newGame(6);
    gs->letter(3) = 1;
    gs->explored(1, 20, 20) = 1;
    Invariants inv(*gs);
    ASSERT_EQ(inv.check(*gs), "");

    gs->letter(3) = 0;
    EXPECT_NE(inv.check(*gs).find("forgotten"), std::string::npos);
    gs->letter(3) = 1;
    gs->explored(1, 20, 20) = 0;
    EXPECT_NE(inv.check(*gs).find("unexplored"), std::string::npos);
    gs->explored(1, 20, 20) = 1;
    gs->steps -= 1;
    EXPECT_NE(inv.check(*gs).find("went back"), std::string::npos);
    gs->steps += 1;
    gs->spellTries = 2;
    EXPECT_EQ(inv.check(*gs), "");
    gs->spellTries = 3;
    EXPECT_NE(inv.check(*gs).find("tries grew"), std::string::npos);
}

TEST(Invariants, AClearedCellExcusesTheArmyStepThatEndedThere) {
    auto gs = newGame(8);
    const int x = gs->heroX + 1, y = gs->heroY;
    gs->here(x, y) = 501;
    gs->move(x, y) = ArmyMove{static_cast<uint16_t>(x + 1), static_cast<uint16_t>(y),
                              static_cast<uint16_t>(x), static_cast<uint16_t>(y)};
    Invariants inv(*gs);
    ASSERT_EQ(inv.check(*gs), "");
    gs->here(x, y) = cell::kGround;  // the band was beaten
    EXPECT_NE(inv.check(*gs), "");
    inv.cellCleared(gs->continent, x, y);
    EXPECT_EQ(inv.check(*gs), "");
}

TEST(Invariants, BattleFieldAndStacks) {
    FillTemplates();
    auto gs = newGame(9);
    Session s{};
    for (int k = 1; k <= 3; ++k) s.sides.hero(k) = makeStack(kMilitia, 10);
    for (int k = 1; k <= 2; ++k) s.sides.enemy(k) = makeStack(kPeasants, 10);
    Random rnd(4);
    battle::RecordingView view;
    battle::BattleEngine e(*gs, s, rnd, view);
    e.Setup(false);
    EXPECT_EQ(Invariants::checkBattle(e, s.sides, true), "");

    battle::Cell at;
    ASSERT_TRUE(e.FindStack(11, at));
    e.field.at(4, 3) = 11;
    EXPECT_NE(Invariants::checkBattle(e, s.sides, true).find("two battle cells"),
              std::string::npos);
    e.field.at(4, 3) = battle::kFree;

    e.field.at(at) = battle::kFree;  // a living stack lifted off the field
    EXPECT_EQ(Invariants::checkBattle(e, s.sides, false), "");
    EXPECT_NE(Invariants::checkBattle(e, s.sides, true).find("stands nowhere"), std::string::npos);
    e.field.at(at) = 11;

    s.sides.enemy(2).count = -1;
    EXPECT_NE(Invariants::checkBattle(e, s.sides, true).find("negative"), std::string::npos);
    s.sides.enemy(2).count = 10;
    s.sides.hero(1).active = 1;
    s.sides.enemy(1).active = 1;
    EXPECT_NE(Invariants::checkBattle(e, s.sides, true).find("hold the turn"), std::string::npos);
}

TEST(Bot, PlaysAShortGameCleanlyAndRepeatably) {
    Random rnd1(0), rnd2(0);
    auto a = newGame(11, rnd1);
    auto b = newGame(11, rnd2);
    bot::Options o;
    o.steps = 400;
    o.seed = 11;
    const bot::Stats sa = bot::play(*a, rnd1, o);
    const bot::Stats sb = bot::play(*b, rnd2, o);
    EXPECT_EQ(sa.failure, "");
    EXPECT_EQ(sa.steps, 400);
    EXPECT_GT(a->steps, 300u);  // most keys were steps, not bumps
    EXPECT_EQ(validateSave(*a), "");
    EXPECT_GT(sa.trialBattles, 0);
    EXPECT_EQ(std::memcmp(a.get(), b.get(), sizeof(GameState)), 0) << "same seed, other game";
    EXPECT_EQ(sa.battlesWon, sb.battlesWon);
    const std::string text = bot::summary(sa, *a);
    EXPECT_NE(text.find("steps: 400"), std::string::npos) << text;
    EXPECT_NE(text.find("game not won"), std::string::npos) << text;
}

TEST(Bot, WalksToTheGraveItCanNameAndWins) {
    Random rnd(0);
    auto gs = newGame(1, rnd);
    // Every vault already taken: the diary names the place outright.
    for (int k = 1; k <= kLetters; ++k) gs->letter(k) = 1;
    // The grave on the hero's continent, a short walk away.
    ASSERT_EQ(gs->graveContinent, 1);
    bot::Options o;
    o.steps = 3000;
    const bot::Stats st = bot::play(*gs, rnd, o);
    EXPECT_EQ(st.failure, "");
    EXPECT_TRUE(st.won);
    EXPECT_EQ(st.graveKnownAtStep, 0);
    EXPECT_EQ(st.spellReadings, 1);
    EXPECT_EQ(gs->spellTries, 2);
    EXPECT_EQ(gs->continent, gs->graveContinent);
    EXPECT_EQ(gs->heroX, gs->graveX);
    EXPECT_EQ(gs->heroY, gs->graveY);
    EXPECT_NE(bot::summary(st, *gs).find("game won at step"), std::string::npos);

    // Played on after the win ("Продолжить игру"), the hero reads once and then
    // walks on: standing on the grave would press no key for ever.
    o.stopWhenWon = false;
    o.steps = 200;
    const bot::Stats more = bot::play(*gs, rnd, o);
    EXPECT_EQ(more.failure, "");
    EXPECT_EQ(more.steps, 200);
    EXPECT_EQ(more.spellReadings, 1);
}

TEST(Bot, StopsAtTheFirstBrokenRule) {
    Random rnd(0);
    auto gs = newGame(2, rnd);
    gs->relation(3) = 9;  // a damaged block, as a bad load would leave it
    bot::Options o;
    o.steps = 100;
    const bot::Stats st = bot::play(*gs, rnd, o);
    EXPECT_NE(st.failure.find("relation with race 3"), std::string::npos) << st.failure;
    EXPECT_EQ(st.steps, 0);
    EXPECT_NE(bot::summary(st, *gs).find("INVARIANT BROKEN"), std::string::npos);
}
