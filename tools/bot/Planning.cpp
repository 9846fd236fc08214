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

namespace {

// Nodes of the search: a cell, on foot or on a ship.
constexpr int W = kMapW + 1, H = kMapH + 1, N = 2 * W * H;
constexpr int kInf = 1 << 29;
int id(int x, int y, int ship) {
    return (ship * W + x) * H + y;
}

// Unexplored cells in the 5 x 5 square a step onto (x, y) uncovers, from sums
// over the rectangles of the map.
class Unexplored {
public:
    explicit Unexplored(const GameState& gs) : sums_(static_cast<size_t>((W + 1) * (H + 1)), 0) {
        for (int x = 1; x <= kMapW; ++x)
            for (int y = 1; y <= kMapH; ++y)
                sum(x, y) = sum(x - 1, y) + sum(x, y - 1) - sum(x - 1, y - 1) +
                            (gs.explored(gs.continent, x, y) == 0);
    }
    int operator()(int x, int y) {
        const int x0 = std::max(1, x - 2) - 1, x1 = std::min(kMapW, x + 2);
        const int y0 = std::max(1, y - 2) - 1, y1 = std::min(kMapH, y + 2);
        return sum(x1, y1) - sum(x0, y1) - sum(x1, y0) + sum(x0, y0);
    }

private:
    int& sum(int x, int y) { return sums_[static_cast<size_t>(x * (H + 1) + y)]; }
    std::vector<int> sums_;
};

}  // namespace

// One plan's search: the cheapest way to every node, the cheapest step into
// every cell that is bumped rather than entered, and the best goal so far.
struct Player::Search {
    struct Prev {
        int from = -1;
        MapKey key = MapKey::None;
        Intent intent = Intent::None;
    };
    struct Bump {
        int dist = kInf, from = -1;
        MapKey key = MapKey::None;
    };
    using Item = std::pair<int, int>;

    std::vector<int> dist = std::vector<int>(N, kInf);
    std::vector<Prev> prev = std::vector<Prev>(N);
    std::vector<Bump> bump = std::vector<Bump>(static_cast<size_t>(W * H));
    std::priority_queue<Item, std::vector<Item>, std::greater<>> open;
    int start = -1;
    int bestNode = -1, bestBump = -1;
    double bestScore = 0;
    Intent bestIntent = Intent::None;

    void relax(int from, int to, int d, MapKey key, Intent intent) {
        if (d >= dist[to]) return;
        dist[to] = d;
        prev[to] = {from, key, intent};
        open.push({d, to});
    }
};

// Armies the bot would not fight make their surroundings costly.
std::vector<int> Player::dangerMap() {
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
    return danger;
}

// What reaching (x, y) is worth: what a step there uncovers, a chest, the orb,
// the grave the hero can dig up; nothing while a band keeps him from it.
double Player::reachValue(int x, int y, int unexplored) const {
    const bool graveHere = grave_ && grave_->continent == gs_.continent && gs_.spellTries > 0;
    double value = 0;
    if (unexplored > 0) value = 20 + 4 * unexplored;
    const uint16_t here = gs_.here(x, y);
    if (here == cell::kTreasure) value = std::max(value, 400.0);
    if (here == cell::kOrb) value = std::max(value, 40.0);
    if (graveHere && x == grave_->x && y == grave_->y) value = 1e6;
    if (value > 0 && blocked(x, y)) value = 0;
    return value;
}

// A town by the water at (townX, townY) sells a hero on foot a ship, put on any
// water cell around it, when he has the gold and its race likes him well enough.
void Player::offerShips(Search& s, int from, int townX, int townY, int cost, MapKey dir) {
    const TownRecord& town = gs_.town(gs_.here(townX, townY) - cell::kTownBase);
    if (town.race < 1 || town.race > kRaces || gs_.relation(town.race) < 3) return;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            const int wx = townX + dx, wy = townY + dy;
            if (GameState::onMap(wx, wy) && gs_.here(wx, wy) >= 100 && gs_.here(wx, wy) <= 109)
                s.relax(from, id(wx, wy, 1), cost + 60, dir, Intent::BuyShip);
        }
}

// Cheapest ways from the hero to everything on his continent (on foot, by ship,
// boarding moored ships, buying one in a town), noting the best cell to reach.
void Player::searchWays(Search& s, const std::vector<int>& danger) {
    Unexplored unexplored(gs_);
    s.start = id(gs_.heroX, gs_.heroY, gs_.onShip);
    s.dist[s.start] = 0;
    s.open.push({0, s.start});
    while (!s.open.empty()) {
        const auto [d, i] = s.open.top();
        s.open.pop();
        if (d > s.dist[i]) continue;
        const int ship = i / (W * H), x = i / H % W, y = i % H;

        const double value = reachValue(x, y, unexplored(x, y));
        if (value - d > s.bestScore) {
            s.bestScore = value - d;
            s.bestNode = i;
            s.bestBump = -1;
        }

        for (const MapKey dir : kDirectionKeys) {
            const KeyStep k = keyStep(dir);
            const int tx = x + k.dx, ty = y + k.dy;
            if (!insideStepFrame(tx, ty)) continue;
            const uint16_t a = gs_.here(tx, ty);
            // Going nearer a band costs; moving away or along costs nothing, so a
            // hero already close to one is never too afraid to leave.
            const int cost = d + 1 +
                             std::max(0, danger[static_cast<size_t>(tx * H + ty)] -
                                             danger[static_cast<size_t>(x * H + y)]);
            if (cell::isArmy(a) || cell::isTown(a) || a == cell::kPortal) {
                Search::Bump& b = s.bump[static_cast<size_t>(tx * H + ty)];
                if (cost < b.dist) b = {cost, i, dir};
                if (cell::isTown(a) && ship == 0 && gs_.gold >= kShipPrice)
                    offerShips(s, i, tx, ty, cost, dir);
                continue;
            }
            if (a <= 10 || a == cell::kTreasure || a == cell::kOrb)
                s.relax(i, id(tx, ty, 0), cost, dir, Intent::None);
            else if (a == cell::kShip || (ship == 1 && cell::isWater(a)))
                s.relax(i, id(tx, ty, 1), cost, dir, Intent::None);
        }
    }
}

// Bumps: armies worth beating, towns worth a visit, the portal. An army far
// below what it could be seeks only easy fights until it is rebuilt.
void Player::chooseBump(Search& s) {
    const bool rebuilding = armyWorth() < 0.7 * capacity();
    const bool graveElsewhere = grave_ && grave_->continent != gs_.continent && gs_.spellTries > 0;
    int portal = -1;
    for (int x = 1; x <= kMapW; ++x)
        for (int y = 1; y <= kMapH; ++y) {
            const Search::Bump& b = s.bump[static_cast<size_t>(x * H + y)];
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
            if (value - b.dist > s.bestScore) {
                s.bestScore = value - b.dist;
                s.bestBump = x * H + y;
                s.bestIntent = intent;
                s.bestNode = -1;
            }
        }
    // Nothing left to do here: on to the next continent now and then, when the
    // army would beat most of the bands met there, or after a long while idle
    // (its towns hire stronger kinds, its chests hold more gold).
    if (s.bestNode < 0 && s.bestBump < 0 && portal >= 0 && st_.steps - lastPortal_ > 300 &&
        (readyFor(portalTargetOf(gs_)) || idle_ >= 40)) {
        s.bestBump = portal;
        s.bestIntent = Intent::Portal;
    }
}

// The goal, and the way to it walked back from the goal to the hero.
void Player::followBack(const Search& s) {
    if (o_.trace) {
        const int g = s.bestBump >= 0 ? s.bestBump : s.bestNode % (W * H);
        trace("plan: %s (%d,%d) score %.0f",
              s.bestBump >= 0   ? "bump"
              : s.bestNode >= 0 ? "reach"
                                : "rest",
              g / H, g % H, s.bestScore);
    }
    goal_ = s.bestBump >= 0 ? s.bestBump : s.bestNode >= 0 ? s.bestNode % (W * H) : -1;
    std::vector<PathStep> rev;
    int node = s.bestNode;
    if (s.bestBump >= 0) {
        const Search::Bump& b = s.bump[static_cast<size_t>(s.bestBump)];
        node = b.from;
        rev.push_back({b.key, node / H % W, node % H, node / (W * H), s.bestIntent});
    }
    if (node < 0) return;  // nothing worth a step: rest
    while (node != s.start && s.prev[node].from >= 0) {
        const Search::Prev& p = s.prev[node];
        rev.push_back({p.key, p.from / H % W, p.from % H, p.from / (W * H), p.intent});
        node = p.from;
    }
    path_.assign(rev.rbegin(), rev.rend());
}

// The way to the most worthwhile goal of the hero's continent.
void Player::plan() {
    path_.clear();
    next_ = 0;
    plannedAt_ = st_.steps;
    plannedContinent_ = gs_.continent;
    Search s;
    searchWays(s, dangerMap());
    chooseBump(s);
    followBack(s);
}

}  // namespace bot
