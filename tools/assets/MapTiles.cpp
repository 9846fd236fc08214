// Map ground: eight grass variants and the 39 water pictures. Everything here shares
// one palette and one periodic texture, so that any two pieces side by side join
// without a seam: grass details stay inside the cell, while the meadow below them,
// the coast line, the surf and the waves are functions of the position that repeat
// every 100 pixels.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "platform/AssetNames.h"
#include "tools/assets/Gen.h"
#include "tools/assets/Paint.h"
#include "tools/assets/Palette.h"

namespace gen {

namespace {

constexpr int kCell = 100;
constexpr float kPi = 3.14159265f;

// Periodic fbm over the cell: `cells` lattice steps per 100 pixels.
float cellNoise(float x, float y, int cells, int seed) {
    return fbm(x * cells / kCell, y * cells / kCell, seed, cells);
}

// The meadow's colour at pixel (x, y) of a cell drawn at the render scale.
QColor meadow(int x, int y) {
    const float u = renderScale();
    float n = cellNoise(float(x) / u, float(y) / u, 4, 11);
    float m = cellNoise(float(x) / u, float(y) / u, 10, 12);
    // The large-scale colour repeats every cell, so it stays faint; the finer noise
    // and the blades carry the texture.
    QColor base = mix(QColor(98, 138, 54), QColor(112, 150, 60), n);
    base = mix(base, QColor(78, 120, 46), std::max(0.0f, m - 0.5f) * 1.2f);
    float grain = hash01(x, y, 13) - 0.5f;
    return shadeOf(base, 1 + grain * 0.10f);
}

// A cell's picture at the render scale: pixels renderScale() times as many each way.
int cellPixels() {
    return int(std::lround(kCell * renderScale()));
}

void blades(QPainter& p);

// The meadow every grass picture and every shore's land starts from: colour field
// plus short blades, drawn wrapping around the cell edges.
QImage grassBase() {
    const int n = cellPixels();
    QImage img(n, n, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) img.setPixel(x, y, meadow(x, y).rgb());
    paintScaled(img, blades);
    return img;
}

void blades(QPainter& p) {
    for (int i = 0; i < 140; ++i) {
        float x = hash01(i, 1, 21) * kCell, y = hash01(i, 2, 21) * kCell;
        float len = 2.5f + hash01(i, 3, 21) * 3.5f;
        float lean = (hash01(i, 4, 21) - 0.5f) * 2.5f;
        bool light = hash01(i, 5, 21) > 0.55f;
        QColor c = light ? QColor(150, 186, 82) : QColor(58, 96, 38);
        p.setPen(QPen(c, 1.0, Qt::SolidLine, Qt::RoundCap));
        for (int dx = -kCell; dx <= kCell; dx += kCell)
            for (int dy = -kCell; dy <= kCell; dy += kCell)
                p.drawLine(QPointF(x + dx, y + dy), QPointF(x + dx + lean, y + dy - len));
    }
}

void tuft(QPainter& p, QPointF at, float size, int seed) {
    for (int i = 0; i < 7; ++i) {
        float a = -kPi / 2 + (float(i) - 3) * 0.28f + (hash01(i, seed, 31) - 0.5f) * 0.2f;
        float len = size * (0.7f + hash01(i, seed, 32) * 0.5f);
        QColor c = i % 3 == 0 ? QColor(150, 190, 80) : QColor(52, 92, 34);
        p.setPen(QPen(c, 1.3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(at, at + QPointF(std::cos(a) * len, std::sin(a) * len));
    }
}

void flower(QPainter& p, QPointF at, const QColor& petal) {
    p.setPen(QPen(QColor(60, 100, 40), 1));
    p.drawLine(at, at + QPointF(0.5, 3));
    p.setPen(Qt::NoPen);
    p.setBrush(petal);
    for (int k = 0; k < 4; ++k) {
        float a = float(k) * kPi / 2 + 0.4f;
        p.drawEllipse(at + QPointF(std::cos(a) * 1.3, std::sin(a) * 1.3), 1.1, 1.1);
    }
    p.setBrush(QColor(240, 200, 60));
    p.drawEllipse(at, 0.8, 0.8);
}

void pebble(QPainter& p, QPointF at, float r) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 80, 40, 120));
    p.drawEllipse(at + QPointF(0.8, 0.8), r * 1.1, r * 0.75);
    QPainterPath path;
    path.addEllipse(at, r, r * 0.7);
    shapeFill(p, path, QColor(150, 146, 132), 0.6f, 0.5f);
}

void grassDetails(QPainter& p, int v);

// One grass variant: the shared meadow plus details kept inside the cell.
QImage grass(int v) {
    QImage img = grassBase();
    paintScaled(img, [v](QPainter& p) { grassDetails(p, v); });
    return img;
}

void grassDetails(QPainter& p, int v) {
    const int s = 100 + v * 17;
    auto inner = [&](int i, int k) { return 14 + hash01(i, k, s) * 72; };
    if (v == 3 || v == 7) {  // a worn, sunlit patch
        QPointF c(inner(0, 1), inner(0, 2));
        QRadialGradient g(c, 16);
        g.setColorAt(0, QColor(150, 156, 80, 90));
        g.setColorAt(0.6, QColor(140, 150, 76, 40));
        g.setColorAt(1, QColor(150, 160, 80, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(c, 16, 11);
    }
    const int tufts = 2 + v % 3;
    for (int i = 0; i < tufts; ++i) tuft(p, QPointF(inner(i, 3), inner(i, 4)), 5, s + i);
    const QColor petals[] = {QColor(250, 250, 240), QColor(250, 220, 80), QColor(150, 160, 250),
                             QColor(240, 120, 140)};
    if (v != 2) {
        int flowers = (v * 3) % 4;
        for (int i = 0; i < flowers; ++i)
            flower(p, QPointF(inner(i, 5), inner(i, 6)), petals[(v + i / 2) % 4]);
    }
    if (v == 2 || v == 5 || v == 8) {
        int n = v == 5 ? 1 : 2;
        for (int i = 0; i < n; ++i)
            pebble(p, QPointF(inner(i, 7), inner(i, 8)), 1.6f + hash01(i, 9, s) * 1.6f);
    }
}

// Land around a water piece, as rectangles of neighbouring cells in cell pixels.
struct Land {
    bool u = false, d = false, l = false, r = false;
    bool ur = false, ul = false, dl = false, dr = false;
};

float rectDist(float x, float y, float x0, float y0, float x1, float y1) {
    float dx = std::max({x0 - x, 0.0f, x - x1});
    float dy = std::max({y0 - y, 0.0f, y - y1});
    return std::sqrt(dx * dx + dy * dy);
}

float landDistance(const Land& L, float x, float y) {
    float d = 1e9f;
    const float N = kCell;
    if (L.u) d = std::min(d, rectDist(x, y, 0, -N, N, 0));
    if (L.d) d = std::min(d, rectDist(x, y, 0, N, N, 2 * N));
    if (L.l) d = std::min(d, rectDist(x, y, -N, 0, 0, N));
    if (L.r) d = std::min(d, rectDist(x, y, N, 0, 2 * N, N));
    if (L.ur) d = std::min(d, rectDist(x, y, N, -N, 2 * N, 0));
    if (L.ul) d = std::min(d, rectDist(x, y, -N, -N, 0, 0));
    if (L.dl) d = std::min(d, rectDist(x, y, -N, N, 0, 2 * N));
    if (L.dr) d = std::min(d, rectDist(x, y, N, N, 2 * N, 2 * N));
    return d;
}

// One water picture: frame 0..2 of the loop, with land where `L` says.
QImage water(const Land& L, int frame, const QImage& meadowImg) {
    const int cell = cellPixels();
    const float u = renderScale();
    QImage img(cell, cell, QImage::Format_ARGB32_Premultiplied);
    const QColor deep(30, 72, 124), shallow(64, 140, 164), sandDry(218, 196, 136),
        sandWet(176, 150, 104);
    const float phase = float(frame) * 2 * kPi / 6;
    for (int y = 0; y < cell; ++y)
        for (int x = 0; x < cell; ++x) {
            float fx = (float(x) + 0.5f) / u, fy = (float(y) + 0.5f) / u;
            // The coast wobbles with a noise that repeats every cell, so it continues
            // across the border of the neighbouring piece.
            float d = landDistance(L, fx, fy) + (cellNoise(fx, fy, 5, 41) - 0.5f) * 12;
            QColor c;
            if (d < 7) {
                c = QColor(meadowImg.pixel(x, y));
            } else if (d < 9) {
                c = mix(QColor(meadowImg.pixel(x, y)), QColor(120, 124, 70), 0.6f);
            } else {
                float swash = 21 + 1.6f * std::sin(phase) + 1.2f;
                if (d < swash) {
                    float t = (d - 9) / (swash - 9);
                    c = mix(sandDry, sandWet, t * t);
                    c = shadeOf(c, 1 + (hash01(x, y, 43) - 0.5f) * 0.12f);
                } else {
                    float depth = std::clamp((d - swash) / 38, 0.0f, 1.0f);
                    float n = cellNoise(fx, fy, 4, 44);
                    c = mix(shallow, deep, std::sqrt(depth));
                    c = shadeOf(c, 1 + (n - 0.5f) * 0.25f);
                    // Wave crests drift across the cell; they repeat every 25 pixels.
                    float wv = std::sin(
                        2 * kPi * (fy / 25 + fx / 100 + 0.8f * cellNoise(fx, fy, 4, 45)) - phase);
                    // Glints drift with the waves instead of jumping about between frames.
                    float glint = cellNoise(fx - float(frame) * 4, fy, 10, 46);
                    // Crests come in short runs, not lines across the sea.
                    const bool run = cellNoise(fx, fy, 10, 48) > 0.42f;
                    if (run && wv > 0.93f)
                        c = mix(c, QColor(170, 210, 230), 0.55f);
                    else if (run && wv > 0.8f)
                        c = mix(c, QColor(120, 180, 210), 0.3f);
                    if (glint > 0.78f && wv > 0.5f) c = mix(c, QColor(235, 245, 250), 0.7f);
                    // Surf along the beach, rising and falling with the frames.
                    float foam = d - swash;
                    if (foam < 2.2f)
                        c = mix(c, QColor(236, 244, 240), 0.85f - foam * 0.3f);
                    else if (foam < 6 && cellNoise(fx, fy, 10, 47) > 0.6f)
                        c = mix(c, QColor(200, 228, 230), 0.5f);
                }
            }
            img.setPixel(x, y, c.rgb());
        }
    return img;
}

}  // namespace

void genMapTiles(Sink& s) {
    const std::string dir = assets::kTravel;
    std::vector<std::pair<std::string, QImage>> pics;
    for (int v = 1; v <= 8; ++v)
        pics.push_back({dir + "FreeT/grass" + std::to_string(v) + ".pic", grass(v)});

    const QImage meadowImg = grassBase();
    struct Piece {
        const char* name;
        Land land;
    };
    auto land = [](const char* sides) {
        Land L;
        std::string k = sides;
        bool diag = !k.empty() && k.back() == 'k';
        if (diag) {
            k.pop_back();
            L.ur = k == "ur", L.ul = k == "ul", L.dl = k == "dl", L.dr = k == "dr";
        } else {
            L.u = k.find('u') != std::string::npos;
            L.d = k.find('d') != std::string::npos;
            L.l = k.find('l') != std::string::npos;
            L.r = k.find('r') != std::string::npos;
        }
        return L;
    };
    const char* names[] = {"water", "u",  "d",   "l",   "r",   "ur", "ul",
                           "dl",    "dr", "urk", "ulk", "dlk", "drk"};
    for (const char* n : names) {
        Land L = std::string(n) == "water" ? Land{} : land(n);
        for (int f = 1; f <= 3; ++f)
            pics.push_back(
                {dir + "Water/" + n + std::to_string(f) + ".pic", water(L, f - 1, meadowImg)});
    }

    std::vector<const QImage*> all;
    for (const auto& pr : pics) all.push_back(&pr.second);
    const std::vector<QRgb> palette = buildPalette(all, 256);
    for (const auto& pr : pics) s.pic(pr.first, pr.second, PicKind::Opaque, &palette);
}

}  // namespace gen
