// vestran-mapgen: makes the three built-in continent texts.
//
// The land is shaped from noise: a domain-warped elevation field sinks into the sea
// towards the frame (coasts and bays) and into a few dips (inland lakes); water is
// the lowest part of it, cut to the continent's exact count. Roads join the towns,
// the portal and the hero's start along the cheapest way round the mountains (where
// one must cross a ridge it becomes a pass), two cells wide; meadows grow out from
// the roads into the open parts of a second noise field until the count of open
// cells is reached, so the open land is one piece on each landmass. Of the rest, the
// cells on the crests of an anisotropic ridged noise become rock (mountain chains)
// and the others forest. A repair pass then widens every chokepoint the map checker
// finds and shrinks a meadow elsewhere to keep the counts exact. Each continent
// tries seeds from its base until the checker passes the text.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <numeric>
#include <optional>
#include <queue>
#include <string>
#include <tuple>
#include <vector>

#include "core/data/ContinentBuilder.h"
#include "core/data/GameState.h"
#include "core/data/MapCheck.h"
#include "core/data/MapTexts.h"

namespace {

constexpr int W = kMapTextW;
constexpr int H = kMapTextH;
constexpr int N = kMapTextLen;

int col(int i) {
    return i % W;
}
int row(int i) {
    return i / W;
}
int at(int c, int r) {
    return (c < 0 || c >= W || r < 0 || r >= H) ? -1 : r * W + c;
}
int cellIndex(CellXY p) {
    return at(p.x - kMapTextX0, p.y - kMapTextY0);
}

template <typename Fn>
void around(int i, Fn fn) {
    for (int dr = -1; dr <= 1; ++dr)
        for (int dc = -1; dc <= 1; ++dc) {
            if (!dr && !dc) continue;
            int j = at(col(i) + dc, row(i) + dr);
            if (j >= 0) fn(j);
        }
}

// ---- deterministic randomness ---------------------------------------------------

uint64_t splitmix(uint64_t& x) {
    uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

class Rng {
public:
    explicit Rng(uint64_t seed) : s_(seed) {}
    double unit() { return static_cast<double>(splitmix(s_) >> 11) * 0x1.0p-53; }
    double range(double a, double b) { return a + (b - a) * unit(); }
    int below(int n) { return static_cast<int>(unit() * n); }

private:
    uint64_t s_;
};

// Classic gradient noise, about -1..1.
class Perlin {
public:
    explicit Perlin(Rng& rng) {
        std::array<int, 256> p{};
        std::iota(p.begin(), p.end(), 0);
        for (int i = 255; i > 0; --i) std::swap(p[i], p[rng.below(i + 1)]);
        for (int i = 0; i < 512; ++i) perm_[i] = p[i & 255];
    }
    double operator()(double x, double y) const {
        const int xi = static_cast<int>(std::floor(x)) & 255;
        const int yi = static_cast<int>(std::floor(y)) & 255;
        const double xf = x - std::floor(x), yf = y - std::floor(y);
        const double u = fade(xf), v = fade(yf);
        const int aa = perm_[perm_[xi] + yi], ab = perm_[perm_[xi] + yi + 1];
        const int ba = perm_[perm_[xi + 1] + yi], bb = perm_[perm_[xi + 1] + yi + 1];
        const double x1 = lerp(grad(aa, xf, yf), grad(ba, xf - 1, yf), u);
        const double x2 = lerp(grad(ab, xf, yf - 1), grad(bb, xf - 1, yf - 1), u);
        return lerp(x1, x2, v) * 1.41;
    }
    double fbm(double x, double y, int octaves) const {
        double sum = 0, amp = 1, norm = 0;
        for (int o = 0; o < octaves; ++o) {
            sum += amp * (*this)(x, y);
            norm += amp;
            amp *= 0.5;
            x = x * 2.03 + 17.1;
            y = y * 2.03 + 5.3;
        }
        return sum / norm;
    }
    // Sharp crests where the noise crosses zero: chains, not blobs.
    double ridged(double x, double y, int octaves) const {
        double sum = 0, amp = 1, norm = 0;
        for (int o = 0; o < octaves; ++o) {
            double r = 1.0 - std::fabs((*this)(x, y));
            sum += amp * r * r;
            norm += amp;
            amp *= 0.5;
            x = x * 2.1 + 3.7;
            y = y * 2.1 + 9.2;
        }
        return sum / norm;
    }

private:
    static double fade(double t) { return t * t * t * (t * (t * 6 - 15) + 10); }
    static double lerp(double a, double b, double t) { return a + t * (b - a); }
    static double grad(int h, double x, double y) {
        switch (h & 7) {
            case 0:
                return x + y;
            case 1:
                return x - y;
            case 2:
                return -x + y;
            case 3:
                return -x - y;
            case 4:
                return x;
            case 5:
                return -x;
            case 6:
                return y;
            default:
                return -y;
        }
    }
    std::array<int, 512> perm_{};
};

void writePpm(const std::string& path, const std::string& text, int scale);

// ---- the look of each continent ----------------------------------------------------

struct Style {
    uint64_t seedBase;
    double landPeriod;  // cells per period of the elevation noise
    double warp;        // how far coasts wander (domain warp, cells)
    double coastWidth;  // depth of the coastal drop, cells
    double coastDrop;   // strength of the drop
    int lakes;          // inland dips
    double lakeMin, lakeMax;
    double ridgePeriod;     // mountain noise period across the chains
    double ridgeAngle;      // direction of the chains, radians
    double ridgeStretch;    // how much longer than wide the chains run
    double meadowPeriod;    // period of the meadow noise
    double mountainCost;    // how hard roads avoid the crests
    double rockFromHeight;  // weight of plain elevation in choosing rock
};

// Iskortia: a temperate coast of bays and lakes. Allia: a wooded lake district with
// short ridges. Taimania: dry and rocky, long ranges running north-east, few lakes.
constexpr Style kStyles[kContinents] = {
    {1100, 26.0, 7.0, 9.0, 1.5, 3, 2.6, 4.2, 15.0, 0.35, 2.2, 9.0, 6.0, 0.25},
    {2200, 22.0, 5.0, 7.0, 1.3, 6, 1.8, 3.0, 11.0, 1.9, 1.6, 7.0, 5.0, 0.35},
    {3300, 30.0, 4.0, 5.5, 1.4, 1, 1.8, 2.4, 17.0, 0.8, 3.2, 11.0, 3.5, 0.5},
};

// ---- one attempt ---------------------------------------------------------------------

struct Attempt {
    Attempt(int continent, uint64_t s) : c(continent), seed(s) {}
    int c;
    uint64_t seed;
    std::string text = std::string(N, '?');
    std::vector<bool> fixed = std::vector<bool>(N, false);  // letter may not change
    std::vector<bool> keepOpen = std::vector<bool>(N, false);
    std::vector<bool> keepLand = std::vector<bool>(N, false);
    std::vector<double> elev, ridge, meadow;
    std::vector<int> keys;  // cells the roads must join
};

void fix(Attempt& a, int i, char ch) {
    a.text[i] = ch;
    a.fixed[i] = true;
    if (ch == ' ') a.keepOpen[i] = true;
    if (ch != 'W') a.keepLand[i] = true;
}

void fields(Attempt& a, const Style& st) {
    Rng rng(a.seed);
    Perlin land(rng), warpX(rng), warpY(rng), coast(rng), hills(rng), grass(rng), lakeShape(rng);
    a.elev.assign(N, 0);
    a.ridge.assign(N, 0);
    a.meadow.assign(N, 0);

    struct Dip {
        double x, y, r;
    };
    std::vector<Dip> dips;
    for (int k = 0, guard = 0; k < st.lakes && guard < 500; ++guard) {
        Dip d{rng.range(9, W - 10), rng.range(9, H - 10), rng.range(st.lakeMin, st.lakeMax)};
        bool clear = true;
        for (int t = 0; t < 10; ++t) {
            CellXY tc = townCells(a.c)[t];
            if (std::hypot(tc.x - kMapTextX0 - d.x, tc.y - kMapTextY0 - d.y) < d.r + 3)
                clear = false;
        }
        CellXY p = portalCell(a.c);
        if (std::hypot(p.x - kMapTextX0 - d.x, p.y - kMapTextY0 - d.y) < d.r + 4) clear = false;
        for (const Dip& o : dips)
            if (std::hypot(o.x - d.x, o.y - d.y) < o.r + d.r + 6) clear = false;
        if (clear) {
            dips.push_back(d);
            ++k;
        }
    }

    // Towns, the portal, the start and the land letters of a fixed first line stand
    // on raised ground, so the sea does not cut them off from the rest.
    struct Anchor {
        double x, y, lift, r;
    };
    std::vector<Anchor> anchors;
    for (CellXY t : townCells(a.c))
        anchors.push_back({double(t.x - kMapTextX0), double(t.y - kMapTextY0), 0.35, 2.5});
    const CellXY pc = portalCell(a.c);
    anchors.push_back({double(pc.x - kMapTextX0), double(pc.y - kMapTextY0), 0.6, 3.0});
    if (a.c == 1) {
        anchors.push_back(
            {double(kHeroStart.x - kMapTextX0), double(kHeroStart.y - kMapTextY0), 0.6, 3.0});
        for (size_t k = 0; k < kContinent1Prefix.size(); ++k)
            if (kContinent1Prefix[k] != 'W') anchors.push_back({double(k), 0.0, 0.9, 3.0});
    }

    const double ca = std::cos(st.ridgeAngle), sa = std::sin(st.ridgeAngle);
    for (int i = 0; i < N; ++i) {
        const double x = col(i), y = row(i);
        const double wx = x + st.warp * warpX.fbm(x / 18.0, y / 18.0, 3);
        const double wy = y + st.warp * warpY.fbm(x / 18.0 + 40, y / 18.0, 3);
        double e = land.fbm(wx / st.landPeriod, wy / st.landPeriod, 5);
        // The sea bites into the land from the frame, unevenly: bays and capes.
        const double edge = std::min({x, y, W - 1 - x, H - 1 - y}) + 1;
        const double ragged = edge + 6.0 * coast.fbm(x / 11.0, y / 11.0, 3);
        const double t = std::clamp(1.0 - ragged / st.coastWidth, 0.0, 1.0);
        e -= st.coastDrop * t * t;
        for (const Dip& d : dips) {
            const double wob = 1.0 + 0.35 * lakeShape.fbm(x / 5.0, y / 5.0, 2);
            const double r2 =
                (std::pow(x - d.x, 2) + std::pow(y - d.y, 2)) / std::pow(d.r * wob, 2);
            e -= 1.8 * std::exp(-r2);
        }
        for (const Anchor& an : anchors)
            e += an.lift *
                 std::exp(-(std::pow(x - an.x, 2) + std::pow(y - an.y, 2)) / (an.r * an.r));
        a.elev[i] = e;

        // Chains bend a little: the ridge noise is read through a gentle warp.
        const double hx = x + 3.0 * warpX.fbm(x / 12.0 + 7, y / 12.0, 2);
        const double hy = y + 3.0 * warpY.fbm(x / 12.0, y / 12.0 + 7, 2);
        const double u = (hx * ca + hy * sa) / (st.ridgePeriod * st.ridgeStretch);
        const double v = (-hx * sa + hy * ca) / st.ridgePeriod;
        a.ridge[i] = hills.ridged(u, v, 3);
        a.meadow[i] = grass.fbm(x / st.meadowPeriod, y / st.meadowPeriod, 3) - 0.6 * a.ridge[i];
    }
}

// Keeps the cells round a town or the portal that face inland out of the sea, so
// that every one of them can be reached by land.
void protectInland(Attempt& a, CellXY p) {
    const double cx = W / 2.0 + kMapTextX0, cy = H / 2.0 + kMapTextY0;
    const double dx = cx - p.x, dy = cy - p.y;
    for (int ox = -1; ox <= 1; ++ox)
        for (int oy = -1; oy <= 1; ++oy) {
            if (!ox && !oy) continue;
            int j = cellIndex({p.x + ox, p.y + oy});
            if (j >= 0 && ox * dx + oy * dy > 0 && !a.fixed[j]) a.keepLand[j] = true;
        }
}

void placeFixed(Attempt& a) {
    for (CellXY t : townCells(a.c)) fix(a, cellIndex(t), 'T');
    fix(a, cellIndex(portalCell(a.c)), 'P');
    if (a.c == 1) {
        for (size_t k = 0; k < kContinent1Prefix.size(); ++k)
            fix(a, static_cast<int>(k), kContinent1Prefix[k]);
        fix(a, cellIndex(kHeroStart), ' ');
        for (int y = kHeroStart.y - 1; y <= kHeroStart.y + 1; ++y)
            for (int x = kStartTown.x + 1; x <= kHeroStart.x + 1; ++x) {
                int j = cellIndex({x, y});
                if (!a.fixed[j]) a.keepLand[j] = true;
            }
        for (size_t k = 0; k < kContinent1Prefix.size(); ++k)
            if (kContinent1Prefix[k] == ' ') {
                a.keys.push_back(static_cast<int>(k));
                a.keepLand[at(static_cast<int>(k), 1)] = true;
            }
        a.keys.push_back(cellIndex(kHeroStart));
    }
    for (CellXY t : townCells(a.c)) protectInland(a, t);
    CellXY p = portalCell(a.c);
    for (int ox = -1; ox <= 1; ++ox)
        for (int oy = -1; oy <= 1; ++oy)
            if (int j = cellIndex({p.x + ox, p.y + oy}); j >= 0 && !a.fixed[j])
                a.keepLand[j] = true;
}

// The exact amount of water: the lowest cells, then tiny ponds folded back into land
// and the sea grown by as much along its lowest shore.
void flood(Attempt& a, int water) {
    for (int i = 0; i < N; ++i)
        if (a.fixed[i] && a.text[i] == 'W') --water;
    std::vector<int> order;
    for (int i = 0; i < N; ++i)
        if (!a.fixed[i] && !a.keepLand[i]) order.push_back(i);
    std::stable_sort(order.begin(), order.end(),
                     [&](int p, int q) { return a.elev[p] < a.elev[q]; });
    for (int i = 0; i < N; ++i)
        if (!a.fixed[i]) a.text[i] = '.';  // land, kind decided later
    for (int k = 0; k < water && k < static_cast<int>(order.size()); ++k) a.text[order[k]] = 'W';

    for (int round = 0; round < 20; ++round) {
        std::vector<int> comp(N, -1);
        std::vector<std::vector<int>> parts;
        std::vector<bool> seaTouch;
        for (int i = 0; i < N; ++i) {
            if (a.text[i] != 'W' || comp[i] >= 0) continue;
            parts.emplace_back();
            seaTouch.push_back(false);
            std::vector<int> stack{i};
            comp[i] = static_cast<int>(parts.size()) - 1;
            while (!stack.empty()) {
                int v = stack.back();
                stack.pop_back();
                parts.back().push_back(v);
                if (col(v) == 0 || row(v) == 0 || col(v) == W - 1 || row(v) == H - 1)
                    seaTouch.back() = true;
                around(v, [&](int j) {
                    if (a.text[j] == 'W' && comp[j] < 0) {
                        comp[j] = comp[i];
                        stack.push_back(j);
                    }
                });
            }
        }
        int moved = 0;
        for (size_t p = 0; p < parts.size(); ++p)
            if (!seaTouch[p] && parts[p].size() < 6)
                for (int v : parts[p])
                    if (!a.fixed[v]) a.text[v] = '.', ++moved;
        if (!moved) break;
        // Grow the larger bodies along their lowest shore instead.
        std::vector<int> shore;
        for (int i = 0; i < N; ++i) {
            if (a.text[i] != '.' || a.keepLand[i]) continue;
            bool wet = false;
            around(i, [&](int j) {
                if (a.text[j] == 'W' && comp[j] >= 0 &&
                    (seaTouch[comp[j]] || parts[comp[j]].size() >= 6))
                    wet = true;
            });
            if (wet) shore.push_back(i);
        }
        std::stable_sort(shore.begin(), shore.end(),
                         [&](int p, int q) { return a.elev[p] < a.elev[q]; });
        for (int k = 0; k < moved && k < static_cast<int>(shore.size()); ++k)
            a.text[shore[k]] = 'W';
    }
}

bool land(const Attempt& a, int i) {
    return a.text[i] == '.' || a.text[i] == ' ';
}

// Cheapest ways from the road network to each key cell in turn (a growing tree),
// drawn two cells wide.
void roads(Attempt& a, const Style& st) {
    std::vector<double> cost(N, 0);
    for (int i = 0; i < N; ++i)
        cost[i] = 1.0 + st.mountainCost * std::max(0.0, a.ridge[i] - 0.45) +
                  0.8 * std::max(0.0, -a.meadow[i]);
    // Towns and the portal are entered from a gate: a land neighbour facing inland.
    for (int t = 0; t <= 10; ++t) {
        CellXY p = t < 10 ? townCells(a.c)[t] : portalCell(a.c);
        int gate = -1;
        double best = 1e9;
        around(cellIndex(p), [&](int j) {
            if (!land(a, j)) return;
            double d = std::hypot(col(j) - W / 2.0, row(j) - H / 2.0);
            if (d < best) best = d, gate = j;
        });
        if (gate < 0) continue;
        a.keys.push_back(gate);
        a.keepOpen[gate] = true;
        // A second way in, so that one bandit at the gate does not shut the town.
        int second = -1;
        best = 1e9;
        around(cellIndex(p), [&](int j) {
            if (j == gate || !land(a, j)) return;
            if (std::abs(col(j) - col(gate)) > 1 || std::abs(row(j) - row(gate)) > 1) return;
            double d = std::hypot(col(j) - W / 2.0, row(j) - H / 2.0);
            if (d < best) best = d, second = j;
        });
        if (second >= 0) a.keepOpen[second] = true;
    }
    for (int i = 0; i < N; ++i)
        if (a.keepOpen[i]) a.text[i] = ' ';

    std::vector<bool> inTree(N, false);
    std::vector<int> pending = a.keys;
    auto paint = [&](int i) {
        const int offsets[2][3][2] = {{{1, 0}, {0, 1}, {1, 1}}, {{-1, 0}, {0, -1}, {-1, -1}}};
        a.text[i] = ' ';
        inTree[i] = true;
        for (const auto& side : offsets) {
            bool all = true;
            for (const auto& o : side) {
                int j = at(col(i) + o[0], row(i) + o[1]);
                if (j >= 0 && land(a, j) && !a.fixed[j]) {
                    a.text[j] = ' ';
                    inTree[j] = true;
                } else {
                    all = false;
                }
            }
            if (all) break;
        }
    };
    while (!pending.empty()) {
        // Start a tree on the first pending key; the tree grows to whatever it reaches.
        paint(pending.front());
        pending.erase(pending.begin());
        for (;;) {
            std::vector<double> dist(N, 1e18);
            std::vector<int> from(N, -1);
            using Item = std::pair<double, int>;
            std::priority_queue<Item, std::vector<Item>, std::greater<>> pq;
            for (int i = 0; i < N; ++i)
                if (inTree[i]) dist[i] = 0, pq.push({0, i});
            while (!pq.empty()) {
                auto [d, v] = pq.top();
                pq.pop();
                if (d > dist[v]) continue;
                around(v, [&](int j) {
                    if (!land(a, j) || (a.fixed[j] && a.text[j] != ' ')) return;
                    const bool diag = col(j) != col(v) && row(j) != row(v);
                    double nd = d + cost[j] * (diag ? 1.3 : 1.0);
                    if (nd < dist[j]) dist[j] = nd, from[j] = v, pq.push({nd, j});
                });
            }
            int best = -1;
            for (int k : pending)
                if (dist[k] < 1e17 && (best < 0 || dist[k] < dist[best])) best = k;
            if (best < 0) break;
            // Walk back to the tree first: painting marks the brush cells too, and
            // one of them may lie on the path further on.
            std::vector<int> path;
            for (int v = best; v >= 0 && !inTree[v]; v = from[v]) path.push_back(v);
            path.push_back(best);
            for (int v : path) paint(v);
            pending.erase(std::find(pending.begin(), pending.end(), best));
        }
    }
}

int openCount(const Attempt& a) {
    return static_cast<int>(std::count(a.text.begin(), a.text.end(), ' '));
}

int openAround(const Attempt& a, int i) {
    int n = 0;
    around(i, [&](int j) { n += a.text[j] == ' '; });
    return n;
}

// Meadows spread from the roads into the grassiest cells next to open land.
bool meadows(Attempt& a, int spaces) {
    int have = openCount(a);
    if (have > spaces) return false;
    Rng jitter(a.seed ^ 0x5EEDull);
    std::vector<double> noise(N);
    for (double& v : noise) v = jitter.range(0, 0.08);
    using Item = std::tuple<double, int, int>;  // priority, cell, open neighbours then
    std::priority_queue<Item> pq;
    auto push = [&](int i) {
        if (a.text[i] != '.') return;
        int n = openAround(a, i);
        pq.push({a.meadow[i] + 0.09 * n + noise[i], i, n});
    };
    for (int i = 0; i < N; ++i)
        if (a.text[i] == '.' && openAround(a, i) > 0) push(i);
    while (have < spaces && !pq.empty()) {
        auto [p, i, n] = pq.top();
        pq.pop();
        if (a.text[i] != '.') continue;
        if (openAround(a, i) != n) {
            push(i);
            continue;
        }
        a.text[i] = ' ';
        ++have;
        around(i, push);
    }
    return have == spaces;
}

// Mountain chains: the land cells highest on the ridge noise, roads excepted (where a
// road crosses a chain it makes a pass).
void mountains(Attempt& a, int rock) {
    std::vector<int> rest;
    for (int i = 0; i < N; ++i) {
        if (a.fixed[i] && a.text[i] == 'R') --rock;
        if (a.text[i] == '.') rest.push_back(i);
    }
    std::vector<double> score(N, 0);
    for (int i : rest) score[i] = a.ridge[i] + kStyles[a.c - 1].rockFromHeight * a.elev[i];
    std::stable_sort(rest.begin(), rest.end(), [&](int p, int q) { return score[p] > score[q]; });
    for (int k = 0; k < rock && k < static_cast<int>(rest.size()); ++k) a.text[rest[k]] = 'R';
}

// What neither the meadows nor the mountains took is forest.
void forests(Attempt& a) {
    for (char& ch : a.text)
        if (ch == '.') ch = 'L';
}

int around(const Attempt& a, int i, char letter) {
    int n = 0;
    around(i, [&](int j) { n += a.text[j] == letter; });
    return n;
}

// A few rounds of a counting-preserving cellular automaton: a lone rock in a forest
// trades places with a lone tree among rocks, and a lone clump in a meadow with a
// meadow cell that bites into that clump's kind. Lone cells vanish, the counts stay.
void smooth(Attempt& a) {
    auto lonely = [&](int i, char ch, char among) {
        return a.text[i] == ch && !a.fixed[i] && !a.keepOpen[i] && around(a, i, ch) <= 1 &&
               around(a, i, among) >= 4;
    };
    for (int round = 0; round < 6; ++round) {
        int swaps = 0;
        for (auto [x, y] : {std::pair{'R', 'L'}, std::pair{'L', ' '}, std::pair{'R', ' '}}) {
            std::vector<int> xs, ys;
            for (int i = 0; i < N; ++i) {
                if (lonely(i, x, y)) xs.push_back(i);
                if (y == 'L' ? lonely(i, y, x)
                             : (a.text[i] == ' ' && !a.fixed[i] && !a.keepOpen[i] &&
                                around(a, i, x) >= 5 && around(a, i, ' ') >= 2))
                    ys.push_back(i);
            }
            for (size_t k = 0; k < xs.size() && k < ys.size(); ++k) {
                std::swap(a.text[xs[k]], a.text[ys[k]]);
                ++swaps;
            }
        }
        if (!swaps) break;
    }
}

struct Score {
    bool ok;
    size_t chokes;
    bool operator<(const Score& o) const { return ok != o.ok ? ok : chokes < o.chokes; }
};

Score judge(const Attempt& a) {
    MapCheckReport r = checkMapText(a.c, a.text);
    return {r.ok(), r.chokepoints.size()};
}

// Opens a forest or rock cell beside each chokepoint and closes a meadow cell of the
// same letter elsewhere, as long as the checker likes the result better.
void widen(Attempt& a, bool verbose) {
    for (int round = 0; round < 400; ++round) {
        MapCheckReport rep = checkMapText(a.c, a.text);
        if (rep.chokepoints.empty()) return;
        const Score before{rep.ok(), rep.chokepoints.size()};
        bool improved = false;
        for (CellXY cp : rep.chokepoints) {
            const int ci = cellIndex(cp);
            std::vector<int> tries;
            for (int dr = -2; dr <= 2; ++dr)
                for (int dc = -2; dc <= 2; ++dc) {
                    int j = at(col(ci) + dc, row(ci) + dr);
                    if (j < 0 || a.fixed[j]) continue;
                    // Water gives way only right beside the narrow place.
                    const bool near = std::abs(dr) <= 1 && std::abs(dc) <= 1;
                    if (a.text[j] == 'L' || a.text[j] == 'R' || (a.text[j] == 'W' && near))
                        tries.push_back(j);
                }
            std::stable_sort(tries.begin(), tries.end(), [&](int p, int q) {
                if ((a.text[p] == 'W') != (a.text[q] == 'W')) return a.text[q] == 'W';
                return openAround(a, p) > openAround(a, q);
            });
            for (int b : tries) {
                const char letter = a.text[b];
                a.text[b] = ' ';
                const Score opened = judge(a);
                if (!(opened < before)) {
                    a.text[b] = letter;
                    continue;
                }
                // Give the land back where a meadow meets the same letter.
                std::vector<int> give;
                for (int i = 0; i < N; ++i) {
                    if (a.text[i] != ' ' || a.keepOpen[i] ||
                        std::abs(col(i) - col(b)) + std::abs(row(i) - row(b)) < 4)
                        continue;
                    int same = 0;
                    around(i, [&](int j) { same += a.text[j] == letter; });
                    if (same >= (letter == 'W' ? 3 : 2) && openAround(a, i) >= 4) give.push_back(i);
                }
                std::stable_sort(give.begin(), give.end(),
                                 [&](int p, int q) { return a.meadow[p] < a.meadow[q]; });
                bool done = false;
                for (size_t k = 0; k < give.size() && k < 60 && !done; ++k) {
                    a.text[give[k]] = letter;
                    const Score after = judge(a);
                    if (after < before)
                        done = true;
                    else
                        a.text[give[k]] = ' ';
                }
                if (done) {
                    improved = true;
                    break;
                }
                a.text[b] = letter;
            }
            if (improved) break;
        }
        if (!improved) {
            if (verbose) {
                std::fprintf(stderr, "  continent %d seed %llu: %zu chokepoints left:", a.c,
                             static_cast<unsigned long long>(a.seed), rep.chokepoints.size());
                for (CellXY cp : rep.chokepoints) std::fprintf(stderr, " (%d, %d)", cp.x, cp.y);
                std::fprintf(stderr, "\n");
            }
            return;
        }
    }
}

struct Outcome {
    std::string text;
    bool playable = false;
};

Outcome attempt(int c, uint64_t seed, bool verbose) {
    const Style& st = kStyles[c - 1];
    const MapTextCounts& want = mapTextCounts(c);
    Attempt a(c, seed);
    placeFixed(a);
    fields(a, st);
    flood(a, want.water);
    roads(a, st);
    mountains(a, want.rock);
    if (!meadows(a, want.spaces)) {
        if (verbose)
            std::fprintf(stderr, "  continent %d seed %llu: no room for the meadows\n", c,
                         static_cast<unsigned long long>(seed));
        return {a.text, false};
    }
    forests(a);
    smooth(a);
    widen(a, verbose);
    MapCheckReport rep = checkMapText(c, a.text);
    if (verbose)
        for (const auto& e : rep.errors)
            std::fprintf(stderr, "  continent %d seed %llu: %s\n", c,
                         static_cast<unsigned long long>(seed), e.c_str());
    return {a.text, rep.ok() && rep.chokepoints.empty()};
}

void writePpm(const std::string& path, const std::string& text, int scale) {
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << W * scale << " " << H * scale << "\n255\n";
    for (int y = 0; y < H * scale; ++y)
        for (int x = 0; x < W * scale; ++x) {
            unsigned char rgb[3] = {0, 0, 0};
            switch (text[at(x / scale, y / scale)]) {
                case 'W':
                    rgb[0] = 40, rgb[1] = 90, rgb[2] = 170;
                    break;
                case 'L':
                    rgb[0] = 30, rgb[1] = 110, rgb[2] = 40;
                    break;
                case 'R':
                    rgb[0] = 130, rgb[1] = 120, rgb[2] = 110;
                    break;
                case ' ':
                    rgb[0] = 150, rgb[1] = 200, rgb[2] = 100;
                    break;
                case 'T':
                    rgb[0] = 220, rgb[1] = 40, rgb[2] = 40;
                    break;
                case 'P':
                    rgb[0] = 200, rgb[1] = 60, rgb[2] = 220;
                    break;
                default:
                    rgb[0] = 255;
                    break;
            }
            out.write(reinterpret_cast<char*>(rgb), 3);
        }
}

std::string cppSource(const std::array<std::string, kContinents>& texts,
                      const std::array<uint64_t, kContinents>& seeds) {
    std::string s;
    s += "// The land of the three continents, 74 lines of 64 cells each (\" \" open ground,\n";
    s += "// W water, L forest, R rock, T town, P portal).\n";
    s += "//\n";
    s += "// Made by vestran-mapgen (tools/mapgen), which writes this file again with\n";
    s += "//   vestran-mapgen --cpp core/data/MapTexts.cpp\n";
    s += "// from the seeds ";
    for (int c = 0; c < kContinents; ++c)
        s += std::to_string(seeds[c]) + (c == 0 ? ", " : c == 1 ? " and " : "");
    s += " (continents 1, 2, 3).\n";
    s += "//\n";
    s += "// Playability rule, checked by checkMapText (core/data/MapCheck) and by a test: open\n";
    s += "// cells form land regions joined in 8 directions; a region can leave by ship when\n";
    s += "// it touches a town with water among its 8 neighbours, and a ship reaches every\n";
    s += "// region touching its body of water; every region reaches every other one, every\n";
    s += "// town and the portal touch a region, and no single open cell seals off a part of\n";
    s += "// the land (corridors two cells wide), so the grave, a portal landing or a defeat\n";
    s += "// landing may fall on any open cell.\n";
    s += "#include \"core/data/MapTexts.h\"\n\n";
    s += "#include \"core/data/ContinentBuilder.h\"\n\n";
    s += "namespace {\n\n";
    for (int c = 0; c < kContinents; ++c) {
        s += "constexpr char kContinent" + std::to_string(c + 1) + "[] =\n";
        for (int r = 0; r < H; ++r) {
            s += "    \"" + texts[c].substr(r * W, W) + "\"";
            s += r == H - 1 ? ";\n" : "\n";
        }
        s += "static_assert(sizeof(kContinent" + std::to_string(c + 1) +
             ") == kMapTextLen + 1);\n\n";
    }
    s += "}  // namespace\n\n";
    s += "std::string_view mapText(int c) {\n";
    s += "    if (c == 1) return {kContinent1, kMapTextLen};\n";
    s += "    if (c == 2) return {kContinent2, kMapTextLen};\n";
    s += "    if (c == 3) return {kContinent3, kMapTextLen};\n";
    s += "    return {};\n";
    s += "}\n";
    return s;
}

// Runs the map checker on the texts built into this program.
int checkBuiltIn() {
    int status = 0;
    for (int c = 1; c <= kContinents; ++c) {
        const MapCheckReport r = checkMapText(c, mapText(c));
        std::printf(
            "continent %d: %d land regions, %d bodies of water, %d harbour towns, %zu "
            "chokepoints%s\n",
            c, r.regions, r.waterBodies, r.harbourTowns, r.chokepoints.size(),
            r.ok() ? "" : ", NOT PLAYABLE");
        for (const auto& e : r.errors) std::printf("  %s\n", e.c_str());
        if (!r.ok() || !r.chokepoints.empty()) status = 1;
    }
    return status;
}

int usage(std::FILE* out, int status) {
    std::fprintf(out,
                 "Usage: vestran-mapgen [--continent C] [--tries N] [--cpp FILE] [--ppm PREFIX]\n"
                 "                      [--seed S] [--verbose]\n"
                 "       vestran-mapgen --check\n\n"
                 "Makes the built-in continent texts. Each continent tries seeds from its own\n"
                 "base (or from S) until the map checker passes the text. Without --cpp the\n"
                 "texts are printed, 74 lines of 64 characters each, '.' standing for open\n"
                 "ground; --cpp writes the C++ source that holds them; --ppm writes a picture\n"
                 "PREFIX<C>.ppm of each continent. --check runs the map checker on the texts\n"
                 "built into this program.\n");
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    int only = 0, tries = 200;
    std::string cpp, ppm;
    std::optional<uint64_t> seedArg;
    bool verbose = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "vestran-mapgen: %s needs a value\n", arg.c_str());
                std::exit(1);
            }
            return argv[++i];
        };
        if (arg == "--help" || arg == "-h") return usage(stdout, 0);
        if (arg == "--check") return checkBuiltIn();
        if (arg == "--continent")
            only = std::atoi(value().c_str());
        else if (arg == "--tries")
            tries = std::atoi(value().c_str());
        else if (arg == "--cpp")
            cpp = value();
        else if (arg == "--ppm")
            ppm = value();
        else if (arg == "--seed")
            seedArg = std::strtoull(value().c_str(), nullptr, 10);
        else if (arg == "--verbose")
            verbose = true;
        else
            return usage(stderr, 1);
    }
    if (only < 0 || only > kContinents || (!cpp.empty() && only)) {
        std::fprintf(stderr, "vestran-mapgen: --cpp needs all three continents\n");
        return 1;
    }
    std::array<std::string, kContinents> texts;
    std::array<uint64_t, kContinents> seeds{};
    for (int c = 1; c <= kContinents; ++c) {
        if (only && c != only) continue;
        const uint64_t base = seedArg ? *seedArg : kStyles[c - 1].seedBase;
        bool found = false;
        for (int k = 0; k < tries && !found; ++k) {
            Outcome o = attempt(c, base + k, verbose);
            if (verbose && !ppm.empty()) {
                const std::string stem = ppm + std::to_string(c) + "_" + std::to_string(base + k);
                writePpm(stem + ".ppm", o.text, 8);
                std::ofstream txt(stem + ".txt");
                for (int r = 0; r < H; ++r) txt << o.text.substr(r * W, W) << "|\n";
            }
            if (o.playable) {
                texts[c - 1] = o.text;
                seeds[c - 1] = base + k;
                found = true;
            }
        }
        if (!found) {
            std::fprintf(stderr, "vestran-mapgen: no playable map for continent %d in %d seeds\n",
                         c, tries);
            return 1;
        }
        std::fprintf(stderr, "continent %d: seed %llu\n", c,
                     static_cast<unsigned long long>(seeds[c - 1]));
        if (!ppm.empty()) writePpm(ppm + std::to_string(c) + ".ppm", texts[c - 1], 8);
        if (cpp.empty()) {
            std::printf("continent %d (seed %llu)\n", c,
                        static_cast<unsigned long long>(seeds[c - 1]));
            for (int r = 0; r < H; ++r) {
                std::string line = texts[c - 1].substr(r * W, W);
                std::replace(line.begin(), line.end(), ' ', '.');
                std::printf("%s\n", line.c_str());
            }
        }
    }
    if (!cpp.empty()) {
        const std::string tmp = cpp + ".tmp";
        {
            std::ofstream out(tmp, std::ios::binary);
            out << cppSource(texts, seeds);
            if (!out) {
                std::fprintf(stderr, "vestran-mapgen: cannot write %s\n", tmp.c_str());
                return 1;
            }
        }
        if (std::rename(tmp.c_str(), cpp.c_str()) != 0) {
            std::fprintf(stderr, "vestran-mapgen: cannot write %s\n", cpp.c_str());
            return 1;
        }
    }
    return 0;
}
