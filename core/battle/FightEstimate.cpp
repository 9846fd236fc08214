#include "core/battle/FightEstimate.h"

#include <cstring>
#include <memory>

#include "core/battle/AutoBattle.h"
#include "core/data/GameState.h"
#include "core/data/Session.h"
#include "platform/Random.h"

namespace battle {

namespace {

// Trial battles that run this long are stalemates; they count as not won.
constexpr int kTrialRounds = 100;
// The estimate's own seeds: the same sides always get the same answer.
constexpr uint64_t kEstimateSeed = 0xE57133A7E5ULL;

}  // namespace

FightEstimate EstimateFight(const BattleSides& sides, bool vault, int trials) {
    FightEstimate e;
    bool anyone = false;
    for (const Troop& t : sides.heroStacks) anyone = anyone || t.count > 0;
    if (!anyone || trials <= 0) return e;

    // A victory hands the survivors to the army of the block it is given: a
    // scratch block of its own takes them.
    auto scratch = std::make_unique<GameState>();
    std::memset(static_cast<void*>(scratch.get()), 0, sizeof(GameState));
    RecordingView view;
    view.keepLog = false;
    for (int k = 0; k < trials; ++k) {
        Session s{};
        s.sides = sides;
        s.reward.vaultTown = vault ? 1 : 0;
        Random rnd(kEstimateSeed + 0x9E3779B97F4A7C15ULL * static_cast<uint64_t>(k));
        const AutoBattleResult r = PlayAutoBattle(*scratch, s, rnd, view, kTrialRounds, false);
        e.wins += r.winner == Winner::Hero;
    }
    e.trials = trials;
    // Two wins in three or better is a good chance; one in three or worse a poor one.
    if (3 * e.wins >= 2 * trials)
        e.chances = Chances::High;
    else if (3 * e.wins > trials)
        e.chances = Chances::Even;
    else
        e.chances = Chances::Low;
    return e;
}

std::string chancesText(Chances c) {
    switch (c) {
        case Chances::High:
            return "Шансы на победу: высокие";
        case Chances::Even:
            return "Шансы на победу: примерно равные";
        case Chances::Low:
            return "Шансы на победу: низкие";
        case Chances::None:
            break;
    }
    return "Без армии бой не выиграть";
}

}  // namespace battle
