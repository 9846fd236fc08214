// What the play bot hires and what it thinks things are worth: the army, the
// best army the hero could lead, a visit to a town.
#include "tools/bot/Player.h"

namespace bot {

// What the bot would hire in `town` now: as many as gold (less the reserve) and
// the window's limit allow; when the army has no room, a weak stack may make way
// for a much better one.
HireChoice Player::hireChoice(const TownRecord& town) const {
    HireChoice c;
    const Troop& r = town.recruit;
    if (r.price <= 0 || r.leadership <= 0) return c;
    uint32_t spare = gs_.gold > kReserve ? gs_.gold - kReserve : 0;
    if (town.race >= 1 && town.race <= kRaces && gs_.relation(town.race) < 3) {
        if (spare < kTemplePrice) return c;
        spare -= kTemplePrice;
        c.temple = true;
    }
    const std::vector<std::string_view> best = bestKinds();
    auto isBest = [&](const Troop& t) {
        return std::find(best.begin(), best.end(), t.name.bytes()) != best.end();
    };
    const bool wanted = isBest(r);
    const HireLimit h = hireLimit(gs_, r);
    const long long byGold = spare / static_cast<uint32_t>(r.price);
    if (h.slot != 0) {
        // An empty slot goes to a lesser kind only while no better one is
        // missing from the army.
        if (h.owned == 0 && !wanted) {
            int empty = 0, missing = 0;
            for (int s = 1; s <= kArmySlots; ++s) empty += gs_.slot(s).count <= 0;
            for (std::string_view k : best) {
                bool owned = false;
                for (int s = 1; s <= kArmySlots; ++s)
                    owned |= gs_.slot(s).count > 0 && gs_.slot(s).name.bytes() == k;
                missing += !owned;
            }
            if (empty <= missing) return c;
        }
        c.count = static_cast<int>(std::min<long long>(h.limit, byGold));
        c.gain = static_cast<long long>(c.count) * r.price;
        return c;
    }
    // No room: one of the best kinds takes the slot of the weakest lesser one.
    if (!wanted) return c;
    int weakest = 0;
    for (int s = 1; s <= kArmySlots; ++s)
        if (!isBest(gs_.slot(s)) && (weakest == 0 || worth(gs_.slot(s)) < worth(gs_.slot(weakest))))
            weakest = s;
    if (weakest == 0) return c;
    const long long byLead = gs_.authority / static_cast<uint32_t>(r.leadership);
    const long long n = std::min({byGold, byLead, 32767LL});
    const long long gain = n * r.price - worth(gs_.slot(weakest));
    if (n > 0 && gain > 0) {
        c.count = static_cast<int>(n);
        c.gain = gain;
        c.dismiss = weakest;
    }
    return c;
}

uint64_t Player::stateKey() const {
    uint64_t h = mix(stacksKey(gs_.army, kArmySlots), gs_.gold);
    h = mix(h, gs_.authority);
    for (int r = 1; r <= kRaces; ++r) h = mix(h, gs_.relation(r));
    for (int t = 1; t <= kTowns; ++t) h = mix(h, gs_.town(t).race);
    return h;
}

// The army in short, for the trace: kind number and head count per slot.
std::string Player::armyText() const {
    std::string out;
    for (int s = 1; s <= kArmySlots; ++s) {
        const Troop& t = gs_.slot(s);
        if (t.count <= 0) continue;
        if (!out.empty()) out += ' ';
        out += t.name.str().substr(0, 6) + ":" + std::to_string(t.count);
    }
    return out;
}

long long Player::armyWorth() const {
    long long w = 0;
    for (int s = 1; s <= kArmySlots; ++s) w += worth(gs_.slot(s));
    return w;
}

// The kinds the towns of the hero's continent hire out to him, with what a
// stack of each is worth when filled up to what his Authority leads, best first.
std::vector<std::pair<double, std::string_view>> Player::kindsHere() const {
    std::vector<std::pair<double, std::string_view>> kinds;
    for (int t = (gs_.continent - 1) * 10 + 1; t <= gs_.continent * 10; ++t) {
        const TownRecord& town = gs_.town(t);
        const Troop& r = town.recruit;
        if (r.leadership <= 0 || r.price <= 0 || town.race < 1 || town.race > kRaces ||
            gs_.relation(town.race) < 3)
            continue;
        if (std::any_of(kinds.begin(), kinds.end(),
                        [&](const auto& k) { return k.second == r.name.bytes(); }))
            continue;
        kinds.push_back(
            {static_cast<double>(gs_.authority / static_cast<uint32_t>(r.leadership)) * r.price,
             r.name.bytes()});
    }
    std::stable_sort(kinds.begin(), kinds.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    return kinds;
}

// The five kinds that make the most of the hero's Authority.
std::vector<std::string_view> Player::bestKinds() const {
    std::vector<std::string_view> best;
    for (const auto& k : kindsHere())
        if (best.size() < static_cast<size_t>(kArmySlots)) best.push_back(k.second);
    return best;
}

// The worth of the best army the hero's Authority could lead with the kinds the
// towns of his continent hire out to him: each kind up to its own bound.
double Player::capacity() const {
    double sum = 0;
    int n = 0;
    for (const auto& k : kindsHere())
        if (n++ < kArmySlots) sum += k.first;
    return sum;
}

double Player::townValue(int t) {
    if (auto it = quietVisit_.find(t); it != quietVisit_.end() && it->second == stateKey())
        return 0;
    const TownRecord& town = gs_.town(t);
    const long long army = armyWorth();
    const bool rebuilding = army < 0.7 * capacity();
    double v = 0;
    if (town.vaultLetter >= 1 && town.vaultLetter <= kLetters &&
        gs_.letter(town.vaultLetter) == 0) {
        const Judgement j = vaultJudgement(t);
        if (j.worthIt(rebuilding ? 0.7 : kKeepForVaults)) v += 1500 * j.kept;
    }
    const HireChoice hc = hireChoice(town);
    // Hiring matters most when it makes the army much stronger, and above all
    // when the army is far below what the hero's Authority could lead.
    if (hc.count > 0 && hc.gain >= 100 && hc.gain * 20 >= army) {
        v += std::min(1500.0, 100.0 + 1000.0 * static_cast<double>(hc.gain) /
                                          static_cast<double>(std::max(army, 300LL)));
        if (rebuilding) v += 1000;
        // A new kind in an empty slot adds a whole stack's worth of Authority.
        const HireLimit h = hireLimit(gs_, town.recruit);
        if ((h.slot != 0 && h.owned == 0) || hc.dismiss != 0) v += 1500;
    }
    return v;
}

}  // namespace bot
