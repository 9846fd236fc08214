// The fight estimate the bandit and vault windows make before they show: a few
// dozen trial battles. It must not hold the window up.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

#include "core/battle/BanditRules.h"
#include "core/battle/FightEstimate.h"
#include "core/data/GameState.h"
#include "core/data/Session.h"
#include "core/towns/TownRules.h"

namespace {

std::unique_ptr<GameState> world() {
    FillTemplates();
    auto gs = std::make_unique<GameState>();
    std::memset(static_cast<void*>(gs.get()), 0, sizeof(GameState));
    InitTowns(*gs);
    return gs;
}

// The army a new game starts with against the first continent's bands, one band
// per iteration in turn.
void BM_EstimateBandit(benchmark::State& state) {
    auto gs = world();
    gs->slot(1) = makeStack(kPeasants, 30);
    gs->slot(2) = makeStack(kDwarfArchers, 20);
    gs->slot(3) = makeStack(kMilitia, 20);
    BattleSides sides{};
    int group = 0;
    for (auto _ : state) {
        banditSides(sides, *gs, group);
        benchmark::DoNotOptimize(battle::EstimateFight(sides, false));
        group = (group + 1) % kEncounterGroups;
    }
}
BENCHMARK(BM_EstimateBandit)->Unit(benchmark::kMillisecond);

// A large army against the strongest vault: long battles with five stacks a side.
void BM_EstimateVault(benchmark::State& state) {
    auto gs = world();
    const int army[5][2] = {
        {kDragons, 30}, {kGiants, 50}, {kCatapults, 40}, {kBeasts, 40}, {kDwarfKnights, 40}};
    for (int k = 1; k <= 5; ++k)
        gs->slot(k) = makeStack(army[k - 1][0], static_cast<int16_t>(army[k - 1][1]));
    BattleSides sides{};
    setUpStorm(*gs, gs->town(30), sides);
    for (auto _ : state) benchmark::DoNotOptimize(battle::EstimateFight(sides, true));
}
BENCHMARK(BM_EstimateVault)->Unit(benchmark::kMillisecond);

}  // namespace
