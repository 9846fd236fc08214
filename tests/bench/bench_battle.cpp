// One whole battle without a window: the strongest vault garrison (town 30)
// against a large army, the computer playing both sides, pauses instant.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

#include "core/battle/AutoBattle.h"
#include "core/data/GameState.h"
#include "core/data/Session.h"
#include "platform/Random.h"

namespace {

void BM_VaultBattle(benchmark::State& state) {
    FillTemplates();
    auto gs = std::make_unique<GameState>();
    std::memset(static_cast<void*>(gs.get()), 0, sizeof(GameState));
    InitTowns(*gs);
    Session session;
    Random rnd;
    rnd.useSeedSequence(1);
    battle::RecordingView view;
    view.keepLog = false;
    const int army[5][2] = {
        {kDragons, 30}, {kGiants, 50}, {kCatapults, 40}, {kBeasts, 40}, {kDwarfKnights, 40}};
    long heroWins = 0, rounds = 0, battles = 0;
    for (auto _ : state) {
        for (int k = 1; k <= 5; ++k) {
            session.sides.hero(k) = makeStack(army[k - 1][0], static_cast<int16_t>(army[k - 1][1]));
            session.sides.enemy(k) = gs->town(30).guard(k);
        }
        session.reward = BattleReward{};
        session.reward.vaultTown = 30;
        battle::AutoBattleResult r = battle::PlayAutoBattle(*gs, session, rnd, view);
        heroWins += r.winner == battle::Winner::Hero;
        rounds += r.rounds;
        ++battles;
    }
    state.counters["heroWins%"] =
        100.0 * static_cast<double>(heroWins) / static_cast<double>(battles);
    state.counters["rounds"] = static_cast<double>(rounds) / static_cast<double>(battles);
}
BENCHMARK(BM_VaultBattle)->Unit(benchmark::kMicrosecond);

}  // namespace
