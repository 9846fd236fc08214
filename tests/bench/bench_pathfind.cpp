// The way to a clicked cell at its slowest, on each continent of a new game with
// every cell explored: the hero aboard a ship on the first shore water found, so
// that both the land and the sea are searched, and the cell farthest from him
// as the target; and a cell that is never reached (its neighbours unexplored),
// so that the whole continent is searched in vain.
#include <benchmark/benchmark.h>

#include <memory>

#include "core/adventure/PathFind.h"
#include "core/data/Creatures.h"
#include "core/data/GameState.h"
#include "core/flow/NewGame.h"
#include "platform/Random.h"
#include "platform/headless/HeadlessPlatform.h"

namespace {

struct Worst {
    std::unique_ptr<GameState> gs;
    int farX = 0, farY = 0;
    std::unique_ptr<GameState> cutOff;  // the same, one cell fenced off
    int lostX = 0, lostY = 0;
    size_t presses = 0;
};

const Worst& worst(int continent) {
    static Worst cases[3];
    Worst& w = cases[continent - 1];
    if (w.gs) return w;
    FillTemplates();
    w.gs = std::make_unique<GameState>();
    GameState& gs = *w.gs;
    HeadlessPlatform platform;
    Random rnd;
    rnd.useSeedSequence(7);
    NewGame(gs, rnd, platform);
    gs.continent = static_cast<uint8_t>(continent);
    for (int x = 1; x <= kMapW; ++x)
        for (int y = 1; y <= kMapH; ++y) gs.explored(continent, x, y) = 1;
    for (int x = 4; x <= 67 && gs.onShip == 0; ++x)
        for (int y = 4; y <= 77 && gs.onShip == 0; ++y)
            if (gs.here(x, y) == cell::kWater && gs.here(x + 1, y) == cell::kGround) {
                gs.heroX = static_cast<uint16_t>(x);
                gs.heroY = static_cast<uint16_t>(y);
                gs.onShip = 1;
            }
    for (int x = 3; x <= 68; ++x)
        for (int y = 3; y <= 78; ++y) {
            const MapPath p = findPath(gs, x, y);
            if (p.found && p.presses.size() > w.presses) {
                w.presses = p.presses.size();
                w.farX = x;
                w.farY = y;
            }
        }
    // The hero's farthest cell, fenced off by unexplored neighbours.
    w.cutOff = std::make_unique<GameState>(gs);
    w.lostX = w.farX;
    w.lostY = w.farY;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (dx != 0 || dy != 0) w.cutOff->explored(continent, w.farX + dx, w.farY + dy) = 0;
    return w;
}

void BM_PathFarthestCell(benchmark::State& state) {
    const Worst& w = worst(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(findPath(*w.gs, w.farX, w.farY).presses.size());
    state.counters["presses"] = static_cast<double>(w.presses);
}
BENCHMARK(BM_PathFarthestCell)->DenseRange(1, 3)->Unit(benchmark::kMicrosecond);

void BM_PathNeverReached(benchmark::State& state) {
    const Worst& w = worst(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(findPath(*w.cutOff, w.lostX, w.lostY).found);
}
BENCHMARK(BM_PathNeverReached)->DenseRange(1, 3)->Unit(benchmark::kMicrosecond);

}  // namespace
