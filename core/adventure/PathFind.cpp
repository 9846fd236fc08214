#include "core/adventure/PathFind.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "core/adventure/Movement.h"
#include "core/data/GameState.h"

const char* const kNoWayText = "Туда не пройти";

namespace {

// The eight direction keys (their order decides between equal choices) and
// their steps.
struct Offsets {
    int dx[8];
    int dy[8];
    Offsets() {
        for (size_t k = 0; k < kDirectionKeys.size(); ++k) {
            dx[k] = keyStep(kDirectionKeys[k]).dx;
            dy[k] = keyStep(kDirectionKeys[k]).dy;
        }
    }
};

const Offsets& offsets() {
    static const Offsets o;
    return o;
}

// A search state: a cell and whether the hero is at sea there.
constexpr int kStates = kMapW * kMapH * 2;
int stateOf(int x, int y, int ship) {
    return ((x - 1) * kMapH + (y - 1)) * 2 + ship;
}
int stateX(int s) {
    return s / 2 / kMapH + 1;
}
int stateY(int s) {
    return s / 2 % kMapH + 1;
}

// Whether the hero is at sea after a step onto a cell of code `a` (1 or 0), or
// -1 when the step is refused: ashore on open ground, aboard a moored ship, on
// through water only when already sailing.
int shipAfter(int a, int ship) {
    if (a <= 10) return 0;
    if (a == cell::kShip) return 1;
    if (ship == 1 && cell::isWater(static_cast<uint16_t>(a))) return 1;
    return -1;
}

const char* stepsWord(int n) {
    const int tens = n % 100, ones = n % 10;
    if (ones == 1 && tens != 11) return "шаг";
    if (ones >= 2 && ones <= 4 && (tens < 12 || tens > 14)) return "шага";
    return "шагов";
}

// What a search goes for: a cell, and whether it opens a window (then only the
// last press may aim at it). With no target the search reaches every state.
struct Target {
    int x = 0;
    int y = 0;
    bool lastOnly = false;
};

// The search's working memory, kept between two searches: the presses to every
// state reached (-1 for none), and the states in the order the search reached them.
struct Search {
    std::vector<int16_t> dist;
    std::vector<int> queue;
};

Search& scratch() {
    static thread_local Search s;
    return s;
}

// Where a search stopped: the state reached on the target, or, for a target that
// opens a window, the state its last press starts from and that press's key.
struct SearchEnd {
    int goal = -1;
    int lastFrom = -1;
    int lastKey = -1;
};

// Breadth first over (cell, at sea) from the hero: every press costs the same.
// Only explored cells inside the keys' frame are entered, and none that opens a
// window. Stops as soon as the target is reached.
SearchEnd search(const GameState& gs, Target target, Search& s) {
    const int c = gs.continent;
    s.dist.assign(kStates, -1);
    s.queue.clear();
    const Offsets& o = offsets();
    const int start = stateOf(gs.heroX, gs.heroY, gs.onShip == 1 ? 1 : 0);
    s.dist[static_cast<size_t>(start)] = 0;
    s.queue.push_back(start);
    SearchEnd end;
    for (size_t head = 0; head < s.queue.size() && end.goal < 0 && end.lastFrom < 0; ++head) {
        const int st = s.queue[head];
        const int x = stateX(st), y = stateY(st), ship = st & 1;
        const int16_t next = static_cast<int16_t>(s.dist[static_cast<size_t>(st)] + 1);
        for (int k = 0; k < 8; ++k) {
            const int nx = x + o.dx[k], ny = y + o.dy[k];
            if (!insideStepFrame(nx, ny) || gs.explored(c, nx, ny) == 0) continue;
            const bool onTarget = nx == target.x && ny == target.y;
            if (target.lastOnly && onTarget) {
                end.lastFrom = st;
                end.lastKey = k;
                break;
            }
            const int a = gs.here(nx, ny);
            if (opensWindow(a)) continue;
            const int nship = shipAfter(a, ship);
            if (nship < 0) continue;
            const int n = stateOf(nx, ny, nship);
            if (s.dist[static_cast<size_t>(n)] >= 0) continue;
            s.dist[static_cast<size_t>(n)] = next;
            if (onTarget) {
                end.goal = n;
                break;
            }
            s.queue.push_back(n);
        }
    }
    return end;
}

// The presses of the way the search found, walked back from its end to the
// hero. Going back it keeps the direction of the press after each one wherever
// an equally short way allows it.
bool walkBack(const GameState& gs, const Search& s, const SearchEnd& end, Target target,
              std::vector<PathStep>& presses) {
    const Offsets& o = offsets();
    std::vector<PathStep> reversed;
    int cur = end.goal, nextKey = -1;
    if (end.lastFrom >= 0) {
        reversed.push_back({kDirectionKeys[static_cast<size_t>(end.lastKey)], target.x, target.y});
        cur = end.lastFrom;
        nextKey = end.lastKey;
    }
    while (s.dist[static_cast<size_t>(cur)] > 0) {
        const int x = stateX(cur), y = stateY(cur), ship = cur & 1;
        const int a = gs.here(x, y);
        const int16_t want = static_cast<int16_t>(s.dist[static_cast<size_t>(cur)] - 1);
        int from = -1, fromKey = -1;
        for (int i = -1; i < 8 && from < 0; ++i) {
            const int k = i < 0 ? nextKey : i;
            if (k < 0) continue;
            const int px = x - o.dx[k], py = y - o.dy[k];
            if (!GameState::onMap(px, py)) continue;
            for (int pship = 0; pship <= 1; ++pship) {
                const int p = stateOf(px, py, pship);
                if (s.dist[static_cast<size_t>(p)] == want && shipAfter(a, pship) == ship) {
                    from = p;
                    fromKey = k;
                    break;
                }
            }
        }
        if (from < 0) return false;  // cannot happen: every state has its way back
        reversed.push_back({kDirectionKeys[static_cast<size_t>(fromKey)], x, y});
        cur = from;
        nextKey = fromKey;
    }
    presses.assign(reversed.rbegin(), reversed.rend());
    return true;
}

}  // namespace

bool opensWindow(int code) {
    const auto c = static_cast<uint16_t>(code);
    return cell::isTown(c) || cell::isArmy(c) || c == cell::kTreasure || c == cell::kPortal ||
           c == cell::kOrb;
}

MapPath findPath(const GameState& gs, int tx, int ty) {
    MapPath out;
    const int c = gs.continent;
    const int hx = gs.heroX, hy = gs.heroY;
    if (c < 1 || c > kContinents || !GameState::onMap(hx, hy)) return out;
    if (tx == hx && ty == hy) {
        out.found = true;
        return out;
    }
    if (!insideStepFrame(tx, ty) || gs.explored(c, tx, ty) == 0) return out;
    // A town, an army or a portal is met by bumping into it; a treasure or the
    // orb empties its cell and the hero stands on it. Either way the path ends.
    const int targetCode = gs.here(tx, ty);
    const bool lastOnly = opensWindow(targetCode);
    out.endsWithBump = lastOnly && targetCode != cell::kTreasure && targetCode != cell::kOrb;
    if (!lastOnly && shipAfter(targetCode, 1) < 0) return out;  // forest, rocks

    Search& s = scratch();
    const SearchEnd end = search(gs, {tx, ty, lastOnly}, s);
    if (end.goal < 0 && end.lastFrom < 0) return out;
    if (!walkBack(gs, s, end, {tx, ty, lastOnly}, out.presses)) return MapPath{};
    out.found = true;
    return out;
}

MapPath findPathToward(const GameState& gs, int tx, int ty) {
    const int c = gs.continent;
    const int hx = gs.heroX, hy = gs.heroY;
    if (c < 1 || c > kContinents || !GameState::onMap(hx, hy) || !GameState::onMap(tx, ty) ||
        gs.explored(c, tx, ty) != 0)
        return findPath(gs, tx, ty);

    // Every state the hero can reach, in the search's order: the presses to them
    // never decrease along it, so the first nearest one is also the one fewest
    // presses away.
    Search& s = scratch();
    search(gs, Target{}, s);
    auto distance = [&](int x, int y) { return std::max(std::abs(x - tx), std::abs(y - ty)); };
    SearchEnd end;
    int best = distance(hx, hy);
    for (const int st : s.queue) {
        const int d = distance(stateX(st), stateY(st));
        if (d < best) {
            best = d;
            end.goal = st;
        }
    }
    MapPath out;
    if (end.goal < 0 || !walkBack(gs, s, end, Target{}, out.presses)) return out;
    out.found = true;
    out.towardUnknown = true;
    return out;
}

bool armyNextToHero(const GameState& gs) {
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            const int x = gs.heroX + dx, y = gs.heroY + dy;
            if ((dx != 0 || dy != 0) && GameState::onMap(x, y) && cell::isArmy(gs.here(x, y)))
                return true;
        }
    return false;
}

bool armyMayStepOnto(const GameState& gs, int x, int y) {
    // Armies step only onto open ground; those within two cells of the hero move,
    // each onto the free neighbour nearest the target, which is the target itself
    // when they stand next to it.
    if (!GameState::onMap(x, y) || gs.here(x, y) > 10) return false;
    for (int ax = gs.heroX - 2; ax <= gs.heroX + 2; ++ax)
        for (int ay = gs.heroY - 2; ay <= gs.heroY + 2; ++ay)
            if (GameState::onMap(ax, ay) && cell::isArmy(gs.here(ax, ay)) &&
                std::abs(ax - x) <= 1 && std::abs(ay - y) <= 1)
                return true;
    return false;
}

std::string pathSummary(const GameState& gs, const MapPath& path) {
    const int n = static_cast<int>(path.presses.size());
    const std::string presses = std::to_string(n) + " " + stepsWord(n);
    // Toward the unknown the arrival says little and the line must fit the view.
    if (path.towardUnknown) return "Путь к краю разведанного: " + presses;
    const uint32_t arrival = gs.steps + static_cast<uint32_t>(path.movingPresses());
    return "Путь: " + presses + ", прибытие ≈ Неделя " + std::to_string(arrival / 210 + 1) +
           " День " + std::to_string(arrival / 30 % 7 + 1);
}
