// Where the play bot goes: the cheapest ways to everything on the hero's
// continent, and the most worthwhile goal among them.
#include <cstdlib>
#include <functional>
#include <queue>

#include "core/adventure/Encounters.h"
#include "core/battle/BanditRules.h"
#include "tools/bot/Player.h"

namespace bot {

bool Player::readyFor(int c) {
    int beaten = 0;
    for (int g = 0; g < 4; ++g)
        beaten += banditJudgement(static_cast<uint16_t>(cell::kBanditFirst + (c - 1) * 20 + g))
                      .worthIt(kKeepForBandits);
    return beaten >= 2;
}

void Player::updateGrave() {
    uint32_t letters = 0;
    for (int k = 1; k <= kLetters; ++k) letters |= static_cast<uint32_t>(gs_.letter(k) & 1) << k;
    if (letters == graveLetters_) return;
    graveLetters_ = letters;
    grave_ = knownGrave(gs_);
    if (grave_ && st_.graveKnownAtStep < 0) st_.graveKnownAtStep = st_.steps;
}

bool Player::onCourse() const {
    if (next_ >= path_.size() || gs_.continent != plannedContinent_) return false;
    const PathStep& s = path_[next_];
    return s.x == gs_.heroX && s.y == gs_.heroY && s.ship == gs_.onShip;
}

// Cheapest ways from the hero to everything on his continent (on foot, by ship,
// boarding moored ships, buying one in a town), then the most worthwhile goal.
void Player::plan() {
    path_.clear();
    next_ = 0;
    plannedAt_ = st_.steps;
    plannedContinent_ = gs_.continent;

    constexpr int W = kMapW + 1, H = kMapH + 1, N = 2 * W * H;
    auto id = [](int x, int y, int ship) { return (ship * W + x) * H + y; };
    constexpr int kInf = 1 << 29;

    // Armies the bot would not fight make their surroundings costly.
    std::vector<int> danger(static_cast<size_t>(W * H), 0);
    for (int x = 1; x <= kMapW; ++x)
        for (int y = 1; y <= kMapH; ++y) {
            const uint16_t c = gs_.here(x, y);
            if (!cell::isArmy(c) || banditJudgement(c).worthIt(kKeepForBandits)) continue;
            // A band closes in on a hero who steps within two cells of it and
            // then follows him: keep three cells away, above all from the bands
            // it would refuse.
            static constexpr int kRefused[4] = {300, 300, 150, 5};
            static constexpr int kAvoided[4] = {300, 300, 100, 5};
            const int* near = refused(c) ? kRefused : kAvoided;
            for (int dx = -3; dx <= 3; ++dx)
                for (int dy = -3; dy <= 3; ++dy)
                    if (GameState::onMap(x + dx, y + dy))
                        danger[static_cast<size_t>((x + dx) * H + y + dy)] +=
                            near[std::max(std::abs(dx), std::abs(dy))];
        }
    // Unexplored cells in the 5 x 5 square a step onto (x, y) uncovers.
    std::vector<int> hidden(static_cast<size_t>((W + 1) * (H + 1)), 0);
    auto sum = [&](int x, int y) -> int& { return hidden[static_cast<size_t>(x * (H + 1) + y)]; };
    for (int x = 1; x <= kMapW; ++x)
        for (int y = 1; y <= kMapH; ++y)
            sum(x, y) = sum(x - 1, y) + sum(x, y - 1) - sum(x - 1, y - 1) +
                        (gs_.explored(gs_.continent, x, y) == 0);
    auto unexplored = [&](int x, int y) {
        const int x0 = std::max(1, x - 2) - 1, x1 = std::min(kMapW, x + 2);
        const int y0 = std::max(1, y - 2) - 1, y1 = std::min(kMapH, y + 2);
        return sum(x1, y1) - sum(x0, y1) - sum(x1, y0) + sum(x0, y0);
    };

    struct Prev {
        int from = -1;
        MapKey key = MapKey::None;
        Intent intent = Intent::None;
    };
    std::vector<int> dist(N, kInf);
    std::vector<Prev> prev(N);
    struct Bump {
        int dist = kInf, from = -1;
        MapKey key = MapKey::None;
    };
    std::vector<Bump> bump(static_cast<size_t>(W * H));

    using Item = std::pair<int, int>;
    std::priority_queue<Item, std::vector<Item>, std::greater<>> open;
    const int start = id(gs_.heroX, gs_.heroY, gs_.onShip);
    dist[start] = 0;
    open.push({0, start});
    auto relax = [&](int from, int to, int d, MapKey key, Intent intent) {
        if (d >= dist[to]) return;
        dist[to] = d;
        prev[to] = {from, key, intent};
        open.push({d, to});
    };

    const bool graveHere = grave_ && grave_->continent == gs_.continent && gs_.spellTries > 0;
    int bestNode = -1, bestBump = -1;
    double bestScore = 0;
    Intent bestIntent = Intent::None;

    while (!open.empty()) {
        const auto [d, i] = open.top();
        open.pop();
        if (d > dist[i]) continue;
        const int ship = i / (W * H), x = i / H % W, y = i % H;

        double value = 0;
        if (const int u = unexplored(x, y); u > 0) value = 20 + 4 * u;
        const uint16_t here = gs_.here(x, y);
        if (here == cell::kTreasure) value = std::max(value, 400.0);
        if (here == cell::kOrb) value = std::max(value, 40.0);
        if (graveHere && x == grave_->x && y == grave_->y) value = 1e6;
        if (value > 0 && blocked(x, y)) value = 0;
        if (value - d > bestScore) {
            bestScore = value - d;
            bestNode = i;
            bestBump = -1;
        }

        for (const MapKey dir : kDirectionKeys) {
            const KeyStep s = keyStep(dir);
            const int tx = x + s.dx, ty = y + s.dy;
            if (!insideStepFrame(tx, ty)) continue;
            const uint16_t a = gs_.here(tx, ty);
            // Going nearer a band costs; moving away or along costs nothing, so a
            // hero already close to one is never too afraid to leave.
            const int cost = d + 1 +
                             std::max(0, danger[static_cast<size_t>(tx * H + ty)] -
                                             danger[static_cast<size_t>(x * H + y)]);
            if (cell::isArmy(a) || cell::isTown(a) || a == cell::kPortal) {
                Bump& b = bump[static_cast<size_t>(tx * H + ty)];
                if (cost < b.dist) b = {cost, i, dir};
                // A town by the water sells ships to a hero on foot.
                if (cell::isTown(a) && ship == 0 && gs_.gold >= kShipPrice) {
                    const TownRecord& town = gs_.town(a - cell::kTownBase);
                    if (town.race < 1 || town.race > kRaces || gs_.relation(town.race) < 3)
                        continue;
                    for (int dx = -1; dx <= 1; ++dx)
                        for (int dy = -1; dy <= 1; ++dy) {
                            const int wx = tx + dx, wy = ty + dy;
                            if (GameState::onMap(wx, wy) && gs_.here(wx, wy) >= 100 &&
                                gs_.here(wx, wy) <= 109)
                                relax(i, id(wx, wy, 1), cost + 60, dir, Intent::BuyShip);
                        }
                }
                continue;
            }
            if (a <= 10 || a == cell::kTreasure || a == cell::kOrb)
                relax(i, id(tx, ty, 0), cost, dir, Intent::None);
            else if (a == cell::kShip || (ship == 1 && cell::isWater(a)))
                relax(i, id(tx, ty, 1), cost, dir, Intent::None);
        }
    }

    // Bumps: armies worth beating, towns worth a visit, the portal. An army far
    // below what it could be seeks only easy fights until it is rebuilt.
    const bool rebuilding = armyWorth() < 0.7 * capacity();
    const bool graveElsewhere = grave_ && grave_->continent != gs_.continent && gs_.spellTries > 0;
    int portal = -1;
    for (int x = 1; x <= kMapW; ++x)
        for (int y = 1; y <= kMapH; ++y) {
            const Bump& b = bump[static_cast<size_t>(x * H + y)];
            if (b.from < 0) continue;
            const uint16_t a = gs_.here(x, y);
            double value = 0;
            Intent intent = Intent::None;
            if (cell::isArmy(a)) {
                intent = Intent::Army;
                if (const Judgement j = banditJudgement(a);
                    j.worthIt(rebuilding ? 0.7 : kKeepForBandits)) {
                    const int g = banditGroup(a);
                    value = (150 + (g >= 0 ? EncounterGroupTable[g].rewardGold / 5.0 : 0)) * j.kept;
                }
            } else if (cell::isTown(a)) {
                intent = Intent::Town;
                value = townValue(a - cell::kTownBase);
            } else {
                intent = Intent::Portal;
                portal = x * H + y;
                if (graveElsewhere) value = 1e5;
            }
            if (value > 0 && blocked(x, y)) value = 0;
            if (value - b.dist > bestScore) {
                bestScore = value - b.dist;
                bestBump = x * H + y;
                bestIntent = intent;
                bestNode = -1;
            }
        }
    // Nothing left to do here: on to the next continent now and then, when the
    // army would beat most of the bands met there, or after a long while idle
    // (its towns hire stronger kinds, its chests hold more gold).
    if (bestNode < 0 && bestBump < 0 && portal >= 0 && st_.steps - lastPortal_ > 300 &&
        (readyFor(portalTargetOf(gs_)) || idle_ >= 40)) {
        bestBump = portal;
        bestIntent = Intent::Portal;
    }

    if (o_.trace) {
        const int g = bestBump >= 0 ? bestBump : bestNode % (W * H);
        trace("plan: %s (%d,%d) score %.0f",
              bestBump >= 0   ? "bump"
              : bestNode >= 0 ? "reach"
                              : "rest",
              g / H, g % H, bestScore);
    }
    goal_ = bestBump >= 0 ? bestBump : bestNode >= 0 ? bestNode % (W * H) : -1;
    std::vector<PathStep> rev;
    int node = bestNode;
    if (bestBump >= 0) {
        const Bump& b = bump[static_cast<size_t>(bestBump)];
        node = b.from;
        rev.push_back({b.key, node / H % W, node % H, node / (W * H), bestIntent});
    }
    if (node < 0) return;  // nothing worth a step: rest
    while (node != start && prev[node].from >= 0) {
        const int from = prev[node].from;
        rev.push_back({prev[node].key, from / H % W, from % H, from / (W * H), prev[node].intent});
        node = from;
    }
    path_.assign(rev.rbegin(), rev.rend());
}

}  // namespace bot
