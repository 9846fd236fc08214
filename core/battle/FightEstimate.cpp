#include "core/battle/FightEstimate.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

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

int headCount(const BattleSides& sides) {
    int n = 0;
    for (const Troop& t : sides.heroStacks) n += std::max<int>(0, t.count);
    return n;
}

// The median of the shares lost, in per cent rounded to tens.
int medianPercent(std::vector<double>& shares) {
    std::sort(shares.begin(), shares.end());
    const size_t n = shares.size();
    const double median = n % 2 == 1 ? shares[n / 2] : (shares[n / 2 - 1] + shares[n / 2]) / 2;
    return static_cast<int>(std::lround(median * 10)) * 10;
}

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
    const int before = headCount(sides);
    std::vector<double> lost;  // the share of the hero's creatures lost in each won trial
    for (int k = 0; k < trials; ++k) {
        Session s{};
        s.sides = sides;
        s.reward.vaultTown = vault ? 1 : 0;
        Random rnd(kEstimateSeed + 0x9E3779B97F4A7C15ULL * static_cast<uint64_t>(k));
        const AutoBattleResult r = PlayAutoBattle(*scratch, s, rnd, view, kTrialRounds, false);
        if (r.winner != Winner::Hero) continue;
        ++e.wins;
        int after = 0;
        for (const int16_t c : r.heroLeft) after += std::max<int>(0, c);
        lost.push_back(std::clamp(static_cast<double>(before - after) / before, 0.0, 1.0));
    }
    e.trials = trials;
    if (!lost.empty()) e.lossPercent = medianPercent(lost);
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

std::string lossText(const FightEstimate& e) {
    if (e.lossPercent < 0) return {};
    return "Потери при победе: около " + std::to_string(e.lossPercent) + " %";
}

}  // namespace battle
