// Soak: the play bot on several new games, checking every invariant after every
// step and every battle action. Short by default; VESTRAN_SOAK_STEPS and
// VESTRAN_SOAK_SEEDS make it as long as wanted (./build.sh soak).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "core/data/GameState.h"
#include "core/data/SaveCheck.h"
#include "core/flow/NewGame.h"
#include "platform/Random.h"
#include "platform/headless/HeadlessPlatform.h"
#include "tools/bot/Bot.h"

namespace {

long fromEnv(const char* name, long fallback) {
    const char* v = std::getenv(name);
    if (!v || !*v) return fallback;
    char* end = nullptr;
    const long n = std::strtol(v, &end, 10);
    return (end && *end == '\0' && n > 0) ? n : fallback;
}

}  // namespace

TEST(Soak, BotPlaysSeveralGamesWithoutBreakingAnything) {
    const long steps = fromEnv("VESTRAN_SOAK_STEPS", 1200);
    const long seeds = fromEnv("VESTRAN_SOAK_SEEDS", 3);
    FillTemplates();
    for (long seed = 1; seed <= seeds; ++seed) {
        auto gs = std::make_unique<GameState>();
        Random rnd(0);
        rnd.useSeedSequence(static_cast<uint64_t>(seed) * 7919);
        HeadlessPlatform platform;
        NewGame(*gs, rnd, platform);
        bot::Options o;
        o.steps = steps;
        o.seed = static_cast<uint64_t>(seed);
        o.stopWhenWon = false;
        const bot::Stats st = bot::play(*gs, rnd, o);
        std::printf("-- soak seed %ld --\n%s", seed, bot::summary(st, *gs).c_str());
        std::fflush(stdout);  // a long soak shows each game as it ends
        ASSERT_EQ(st.failure, "") << "seed " << seed;
        EXPECT_EQ(st.steps, steps);
        EXPECT_EQ(validateSave(*gs), "");
    }
}
