// The play bot: map steps with every invariant checked after each, and whole
// battles as the bot judges them.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

#include "core/battle/AutoBattle.h"
#include "core/data/GameState.h"
#include "core/data/Session.h"
#include "core/flow/NewGame.h"
#include "platform/Random.h"
#include "platform/headless/HeadlessPlatform.h"
#include "tools/bot/Bot.h"

namespace {

// 2000 keys of a new game per iteration; the counter is keys per second.
void BM_BotSteps(benchmark::State& state) {
    FillTemplates();
    auto start = std::make_unique<GameState>();
    auto gs = std::make_unique<GameState>();
    HeadlessPlatform platform;
    Random rnd;
    rnd.useSeedSequence(3);
    NewGame(*start, rnd, platform);
    bot::Options o;
    o.steps = 2000;
    o.seed = 3;
    long steps = 0, battles = 0;
    for (auto _ : state) {
        std::memcpy(static_cast<void*>(gs.get()), start.get(), sizeof(GameState));
        rnd.useSeedSequence(3);
        const bot::Stats st = bot::play(*gs, rnd, o);
        steps += st.steps;
        battles += st.battlesWon + st.battlesLost + st.retreats;
    }
    state.counters["steps/s"] =
        benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kIsRate);
    state.counters["battles/s"] =
        benchmark::Counter(static_cast<double>(battles), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_BotSteps)->Unit(benchmark::kMillisecond);

// One trial battle as the bot fights it before deciding: the starting army
// against the first band of the first continent.
void BM_BotTrialBattle(benchmark::State& state) {
    FillTemplates();
    auto gs = std::make_unique<GameState>();
    std::memset(static_cast<void*>(gs.get()), 0, sizeof(GameState));
    Session s{};
    Random rnd(1);
    battle::RecordingView view;
    view.keepLog = false;
    for (auto _ : state) {
        s.sides = BattleSides{};
        s.sides.hero(1) = makeStack(kPeasants, 30);
        s.sides.hero(2) = makeStack(kDwarfArchers, 20);
        s.sides.hero(3) = makeStack(kMilitia, 20);
        for (int k = 1; k <= 3; ++k) s.sides.enemy(k) = EncounterGroupTable[0].members[k - 1];
        benchmark::DoNotOptimize(battle::PlayAutoBattle(*gs, s, rnd, view, 200, false).rounds);
    }
    state.counters["battles/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_BotTrialBattle);

}  // namespace
