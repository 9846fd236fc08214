// The whole new-game set-up: ground variants, towns, three continents, the quest.
#include <benchmark/benchmark.h>

#include <memory>

#include "core/data/GameState.h"
#include "core/data/MapCheck.h"
#include "core/data/MapTexts.h"
#include "core/flow/NewGame.h"
#include "platform/Random.h"
#include "platform/headless/HeadlessPlatform.h"

namespace {

void BM_NewGame(benchmark::State& state) {
    FillTemplates();
    auto gs = std::make_unique<GameState>();
    HeadlessPlatform platform;
    Random rnd;
    rnd.useSeedSequence(1);
    for (auto _ : state) {
        NewGame(*gs, rnd, platform);
        benchmark::DoNotOptimize(gs->graveX);
    }
}
BENCHMARK(BM_NewGame)->Unit(benchmark::kMillisecond);

// The playability check of one built-in map (what the map generator runs per try).
void BM_CheckMapText(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(checkMapText(1, mapText(1)).regions);
}
BENCHMARK(BM_CheckMapText)->Unit(benchmark::kMillisecond);

}  // namespace
