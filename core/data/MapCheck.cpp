#include "core/data/MapCheck.h"

#include <algorithm>
#include <array>
#include <functional>

#include "core/data/GameState.h"

namespace {

enum class Kind : uint8_t { Water, Open, Blocked, Town, Portal };

constexpr int kCells = kMapW * kMapH;
int idx(int x, int y) {
    return (x - 1) * kMapH + (y - 1);
}
int cellX(int i) {
    return i / kMapH + 1;
}
int cellY(int i) {
    return i % kMapH + 1;
}

std::string at(int x, int y) {
    std::string s = "(";  // appended piece by piece: g++ 12 -O3 warns falsely otherwise
    s += std::to_string(x);
    s += ", ";
    s += std::to_string(y);
    s += ")";
    return s;
}

// The hero sails within x 3..68, y 3..78 (the frame's inner ring included).
bool sailable(int x, int y) {
    return x >= 3 && x <= 68 && y >= 3 && y <= 78;
}

template <typename Fn>
void forNeighbours(int x, int y, Fn fn) {
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if ((dx || dy) && GameState::onMap(x + dx, y + dy)) fn(x + dx, y + dy);
}

// Labels the 8-connected components of the cells `member` accepts; returns their count.
int label(std::vector<int>& comp, const std::function<bool(int, int)>& member) {
    comp.assign(kCells, -1);
    int n = 0;
    std::vector<int> stack;
    for (int i = 0; i < kCells; ++i) {
        if (comp[i] >= 0 || !member(cellX(i), cellY(i))) continue;
        comp[i] = n;
        stack.push_back(i);
        while (!stack.empty()) {
            int v = stack.back();
            stack.pop_back();
            forNeighbours(cellX(v), cellY(v), [&](int x, int y) {
                int j = idx(x, y);
                if (comp[j] < 0 && member(x, y)) {
                    comp[j] = n;
                    stack.push_back(j);
                }
            });
        }
        ++n;
    }
    return n;
}

struct Landmark {
    std::string what;
    CellXY at;
    std::vector<int> contacts;  // open neighbours
};

// Articulation points of the open cells, with the part each one would cut off.
class Chokes {
public:
    Chokes(const std::vector<Kind>& kind, const std::vector<int>& region,
           const std::vector<int>& regionSize, const std::vector<Landmark>& marks)
        : kind_(kind), region_(region), regionSize_(regionSize), marks_(marks) {
        tin_.assign(kCells, -1);
        low_.assign(kCells, 0);
        tout_.assign(kCells, 0);
        size_.assign(kCells, 0);
    }

    std::vector<CellXY> find() {
        for (int i = 0; i < kCells; ++i)
            if (kind_[i] == Kind::Open && tin_[i] < 0) dfs(i, -1);
        std::vector<CellXY> out;
        for (int i = 0; i < kCells; ++i)
            if (choke_[i]) out.push_back({cellX(i), cellY(i)});
        return out;
    }

private:
    bool inSubtree(int v, int c) const { return tin_[v] >= tin_[c] && tin_[v] < tout_[c]; }

    // Removing `a` separates the subtree of `c` from the rest of the region.
    void judge(int a, int c) {
        const int sub = size_[c];
        const int rest = regionSize_[region_[a]] - 1 - sub;
        const bool subIsPocket = sub <= rest;
        if (std::min(sub, rest) >= kChokePocket) {
            choke_[a] = true;
            return;
        }
        for (const auto& m : marks_) {
            bool any = false, all = true;
            for (int v : m.contacts) {
                if (v == a || region_[v] != region_[a]) continue;
                any = true;
                if (inSubtree(v, c) != subIsPocket) all = false;
            }
            if (any && all) choke_[a] = true;
        }
    }

    void dfs(int v, int parent) {
        tin_[v] = low_[v] = timer_++;
        size_[v] = 1;
        int children = 0;
        std::vector<int> kids;
        forNeighbours(cellX(v), cellY(v), [&](int x, int y) {
            int u = idx(x, y);
            if (kind_[u] != Kind::Open || u == parent) return;
            if (tin_[u] >= 0) {
                low_[v] = std::min(low_[v], tin_[u]);
            } else {
                dfs(u, v);
                size_[v] += size_[u];
                low_[v] = std::min(low_[v], low_[u]);
                ++children;
                kids.push_back(u);
            }
        });
        tout_[v] = timer_;
        for (int u : kids)
            if ((parent < 0 && children > 1) || (parent >= 0 && low_[u] >= tin_[v])) judge(v, u);
    }

    const std::vector<Kind>& kind_;
    const std::vector<int>& region_;
    const std::vector<int>& regionSize_;
    const std::vector<Landmark>& marks_;
    std::vector<int> tin_, low_, tout_, size_;
    std::array<bool, kCells> choke_{};
    int timer_ = 0;
};

// The cell a ship bought in the town at `town` is moored on, -1 for none: the
// town window picks the first water cell of the last column of the 3x3 block
// around the town that has one.
int mooring(const std::vector<Kind>& kind, CellXY town) {
    int ship = -1;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            const int x = town.x + dx, y = town.y + dy;
            if ((dx || dy) && GameState::onMap(x, y) && kind[idx(x, y)] == Kind::Water) {
                ship = idx(x, y);
                break;
            }
        }
    return ship;
}

// The regions reachable from `from` along the links `next` (against them when
// `forward` is false).
std::vector<bool> reachable(const std::vector<std::vector<int>>& next, int from, bool forward) {
    const int regions = static_cast<int>(next.size());
    std::vector<std::vector<int>> g(regions);
    for (int a = 0; a < regions; ++a)
        for (int b : next[a]) (forward ? g[a] : g[b]).push_back(forward ? b : a);
    std::vector<bool> seen(regions, false);
    std::vector<int> stack{from};
    seen[from] = true;
    while (!stack.empty()) {
        int a = stack.back();
        stack.pop_back();
        for (int b : g[a])
            if (!seen[b]) seen[b] = true, stack.push_back(b);
    }
    return seen;
}

struct LetterCounts {
    int spaces = 0, water = 0, forest = 0, rock = 0, towns = 0, portals = 0;
};

// One continent's map text checked step by step; each step adds what it finds
// to the report, in the order the report lists it.
class MapText {
public:
    MapText(int c, MapCheckReport& rep) : c_(c), rep_(rep) {}

    LetterCounts readLetters(std::string_view text);
    void checkCounts(const LetterCounts& have);
    void checkLandmarksPlaced();
    void checkPrefix(std::string_view text);
    void findRegions();
    void findLandmarkContacts();
    void checkRegionsJoined();
    void checkStartJoined();
    void findChokepoints();

private:
    void fail(std::string s) { rep_.errors.push_back(std::move(s)); }
    std::vector<std::vector<int>> shipLinks();

    const int c_;
    MapCheckReport& rep_;
    std::vector<Kind> kind_ = std::vector<Kind>(kCells, Kind::Water);
    std::vector<int> region_, body_, regionSize_;
    std::vector<Landmark> marks_;
};

// The length, and what each letter makes of its cell.
LetterCounts MapText::readLetters(std::string_view text) {
    if (text.size() != static_cast<size_t>(kMapTextLen))
        fail("length " + std::to_string(text.size()) + ", not " + std::to_string(kMapTextLen));
    LetterCounts have;
    const size_t n = std::min(text.size(), static_cast<size_t>(kMapTextLen));
    for (size_t k = 0; k < n; ++k) {
        const int x = kMapTextX0 + static_cast<int>(k) % kMapTextW;
        const int y = kMapTextY0 + static_cast<int>(k) / kMapTextW;
        Kind& kd = kind_[idx(x, y)];
        switch (text[k]) {
            case ' ':
                kd = Kind::Open, ++have.spaces;
                break;
            case 'W':
                ++have.water;
                break;
            case 'L':
                kd = Kind::Blocked, ++have.forest;
                break;
            case 'R':
                kd = Kind::Blocked, ++have.rock;
                break;
            case 'T':
                kd = Kind::Town, ++have.towns;
                break;
            case 'P':
                kd = Kind::Portal, ++have.portals;
                break;
            default:
                kd = Kind::Blocked;
                fail("unknown letter at " + at(x, y));
                break;
        }
    }
    return have;
}

// Each letter as often as the continent wants it.
void MapText::checkCounts(const LetterCounts& have) {
    const MapTextCounts& want = mapTextCounts(c_);
    auto count = [&](const char* what, int got, int need) {
        if (got != need)
            fail(std::string(what) + ": " + std::to_string(got) + ", not " + std::to_string(need));
    };
    count("spaces", have.spaces, want.spaces);
    count("W", have.water, want.water);
    count("L", have.forest, want.forest);
    count("R", have.rock, want.rock);
    count("T", have.towns, 10);
    count("P", have.portals, 1);
}

void MapText::checkLandmarksPlaced() {
    for (const CellXY& t : townCells(c_))
        if (kind_[idx(t.x, t.y)] != Kind::Town) fail("no town at " + at(t.x, t.y));
    const CellXY p = portalCell(c_);
    if (kind_[idx(p.x, p.y)] != Kind::Portal) fail("no portal at " + at(p.x, p.y));
}

void MapText::checkPrefix(std::string_view text) {
    if (c_ == 1 && text.substr(0, kContinent1Prefix.size()) != kContinent1Prefix)
        fail("the first line does not begin with the fixed prefix");
}

// Land regions, water bodies within the sailing frame, and each region's size.
void MapText::findRegions() {
    rep_.regions = label(region_, [&](int x, int y) { return kind_[idx(x, y)] == Kind::Open; });
    rep_.waterBodies = label(
        body_, [&](int x, int y) { return sailable(x, y) && kind_[idx(x, y)] == Kind::Water; });
    regionSize_.assign(rep_.regions, 0);
    for (int i = 0; i < kCells; ++i)
        if (region_[i] >= 0) ++regionSize_[region_[i]];
}

// The open cells each town and the portal touch; one that touches none fails.
void MapText::findLandmarkContacts() {
    for (int t = 0; t < 10; ++t) marks_.push_back({"the town at", townCells(c_)[t], {}});
    marks_.push_back({"the portal at", portalCell(c_), {}});
    for (auto& m : marks_) {
        // A landmark missing from the text (reported above) has no ways in.
        const Kind k = kind_[idx(m.at.x, m.at.y)];
        if (k != Kind::Town && k != Kind::Portal) continue;
        forNeighbours(m.at.x, m.at.y, [&](int x, int y) {
            if (kind_[idx(x, y)] == Kind::Open) m.contacts.push_back(idx(x, y));
        });
        if (m.contacts.empty()) fail(m.what + " " + at(m.at.x, m.at.y) + " touches no open land");
    }
}

// Where each region can go by a ship bought in a town it touches: every region
// on the shores of the water the ship is moored on. Counts the harbour towns.
std::vector<std::vector<int>> MapText::shipLinks() {
    std::vector<std::vector<int>> bodyShores(rep_.waterBodies);
    for (int i = 0; i < kCells; ++i) {
        if (region_[i] < 0) continue;
        forNeighbours(cellX(i), cellY(i), [&](int x, int y) {
            int b = body_[idx(x, y)];
            if (b >= 0) bodyShores[b].push_back(region_[i]);
        });
    }
    std::vector<std::vector<int>> next(rep_.regions);
    for (int t = 0; t < 10; ++t) {
        const CellXY tc = townCells(c_)[t];
        const int ship = mooring(kind_, tc);
        if (kind_[idx(tc.x, tc.y)] != Kind::Town || ship < 0 || body_[ship] < 0) continue;
        ++rep_.harbourTowns;
        for (int v : marks_[t].contacts)
            for (int r : bodyShores[body_[ship]]) next[region_[v]].push_back(r);
    }
    return next;
}

// Every region reaches the largest one and back, so that the report names the
// stray ones.
void MapText::checkRegionsJoined() {
    const auto next = shipLinks();
    if (rep_.regions == 0) return;
    const int main = static_cast<int>(std::max_element(regionSize_.begin(), regionSize_.end()) -
                                      regionSize_.begin());
    const auto from = reachable(next, main, true), to = reachable(next, main, false);
    for (int r = 0; r < rep_.regions; ++r) {
        if (from[r] && to[r]) continue;
        int first = 0;
        while (region_[first] != r) ++first;
        fail("the land region at " + at(cellX(first), cellY(first)) + " (" +
             std::to_string(regionSize_[r]) + " cells) is cut off from the rest");
    }
}

void MapText::checkStartJoined() {
    if (c_ != 1) return;
    const int start = idx(kHeroStart.x, kHeroStart.y);
    bool joined = false;
    if (kind_[start] == Kind::Open)
        forNeighbours(kStartTown.x, kStartTown.y, [&](int x, int y) {
            if (region_[idx(x, y)] == region_[start]) joined = true;
        });
    if (!joined) fail("the hero cannot walk from his start cell to the town beside it");
}

// The cells whose loss would cut the land, and the single ways into a landmark,
// top to bottom, each once.
void MapText::findChokepoints() {
    rep_.chokepoints = Chokes(kind_, region_, regionSize_, marks_).find();
    for (const auto& m : marks_)
        if (m.contacts.size() == 1)
            rep_.chokepoints.push_back({cellX(m.contacts[0]), cellY(m.contacts[0])});
    std::sort(rep_.chokepoints.begin(), rep_.chokepoints.end(),
              [](CellXY a, CellXY b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
    rep_.chokepoints.erase(std::unique(rep_.chokepoints.begin(), rep_.chokepoints.end()),
                           rep_.chokepoints.end());
}

}  // namespace

MapCheckReport checkMapText(int c, std::string_view text) {
    MapCheckReport rep;
    if (c < 1 || c > kContinents) {
        rep.errors.push_back("no continent " + std::to_string(c));
        return rep;
    }
    MapText map(c, rep);
    map.checkCounts(map.readLetters(text));
    map.checkLandmarksPlaced();
    map.checkPrefix(text);
    map.findRegions();
    map.findLandmarkContacts();
    map.checkRegionsJoined();
    map.checkStartJoined();
    map.findChokepoints();
    return rep;
}
