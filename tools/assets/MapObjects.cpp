// Things standing on the map: woods and rocks (which the map also draws half a cell
// over their neighbours, so a mass of them reads as one wood or one range), the five
// towns, the treasure chest, the portal and the orb. 100 x 100, transparent.
#include <QLinearGradient>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "platform/AssetNames.h"
#include "tools/assets/Figures.h"
#include "tools/assets/Gen.h"
#include "tools/assets/MapDrawing.h"
#include "tools/assets/Paint.h"

namespace gen {

QImage mapSprite(const std::function<void(QPainter&)>& draw,
                 const std::function<void(QImage&)>& shadows, int seed, int outline) {
    QImage body = scaledCanvas(100, draw);
    brushTexture(body, 0.08f, 6 * renderScale(), seed);
    QImage under = canvas(body.width(), body.height());
    if (shadows) shadows(under);
    return finishSprite(body, scaledThickness(float(outline)), &under);
}

namespace {

constexpr float kPi = 3.14159265f;

void leafyTree(QPainter& p, QPointF base, float s, int seed) {
    const QColor leaf = mix(QColor(58, 118, 44), QColor(86, 140, 50), hash01(seed, 1, 7));
    pole(p, base, base + QPointF(0, -s * 0.55f), s * 0.16f, QColor(104, 72, 44));
    QPointF c = base + QPointF(0, -s * 0.85f);
    // A crown of overlapping puffs, darker at the lower right.
    const QPointF puffs[] = {{-0.32f, 0.1f},  {0.3f, 0.12f},  {0, 0.2f},
                             {-0.18f, -0.2f}, {0.2f, -0.18f}, {0.0f, -0.34f}};
    for (int i = 0; i < 6; ++i) {
        QPointF q = c + puffs[i] * s;
        float r = s * (0.3f + 0.06f * hash01(seed, i, 8));
        ellipseFill(p, q, r, r * 0.92f, i < 3 ? shadeOf(leaf, 0.85f) : leaf, 1.0f);
    }
    // Light touches on the upper left.
    p.setPen(Qt::NoPen);
    p.setBrush(shadeOf(leaf, 1.35f));
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(c + QPointF(-s * 0.22f + i * s * 0.08f, -s * 0.3f + (i % 2) * s * 0.06f),
                      s * 0.05f, s * 0.04f);
}

void fir(QPainter& p, QPointF base, float s, int seed) {
    const QColor needle = mix(QColor(34, 84, 52), QColor(50, 104, 60), hash01(seed, 2, 7));
    pole(p, base, base + QPointF(0, -s * 0.3f), s * 0.12f, QColor(96, 64, 40));
    for (int t = 0; t < 3; ++t) {
        float y = -s * (0.22f + t * 0.28f), w = s * (0.42f - t * 0.1f), hgt = s * 0.46f;
        QPainterPath tri;
        tri.moveTo(base + QPointF(0, y - hgt));
        tri.quadTo(base + QPointF(w * 0.4f, y - hgt * 0.4f), base + QPointF(w, y));
        tri.quadTo(base + QPointF(0, y + s * 0.06f), base + QPointF(-w, y));
        tri.quadTo(base + QPointF(-w * 0.4f, y - hgt * 0.4f), base + QPointF(0, y - hgt));
        shapeFill(p, tri, t == 0 ? shadeOf(needle, 0.85f) : needle, 1.0f, 0.45f);
    }
}

struct Tree {
    float x, y, s;
    bool conifer;
};

std::vector<Tree> grove(int v) {
    std::vector<Tree> t;
    // Trees spread over the cell, bases inside it; sorted back to front.
    const float xs[] = {26, 62, 44, 80, 18, 54, 74, 34};
    const float ys[] = {40, 36, 58, 60, 76, 86, 88, 92};
    for (int i = 0; i < 8; ++i) {
        float jitter = (hash01(i, v, 3) - 0.5f) * 8;
        bool con = v == 2 ? true : v == 1 ? false : (i % 2 == 0);
        if (v == 1 && i % 4 == 3) con = true;
        t.push_back({xs[i] + jitter, ys[i] + (hash01(i, v, 4) - 0.5f) * 4,
                     28 + hash01(i, v, 5) * 8 + (i < 4 ? 0 : 4), con});
    }
    std::sort(t.begin(), t.end(), [](const Tree& a, const Tree& b) { return a.y < b.y; });
    return t;
}

QImage forest(int v) {
    auto trees = grove(v);
    return mapSprite(
        [&](QPainter& p) {
            for (size_t i = 0; i < trees.size(); ++i) {
                const Tree& t = trees[i];
                if (t.conifer)
                    fir(p, {t.x, t.y}, t.s * 1.15f, int(i) + v * 10);
                else
                    leafyTree(p, {t.x, t.y}, t.s, int(i) + v * 10);
            }
        },
        [&](QImage& u) {
            for (const Tree& t : trees)
                groundShadow(u, QRectF(t.x - t.s * 0.2f, t.y - 4, t.s * 0.7f, 8));
        },
        40 + v);
}

void boulder(QPainter& p, QPointF base, float w, float h, int seed, const QColor& stone) {
    // A faceted stone: lit upper-left face, shaded right face, a crack and some moss.
    QPointF top = base + QPointF(-w * 0.1f + (hash01(seed, 1, 9) - 0.5f) * w * 0.2f, -h);
    QPointF l = base + QPointF(-w * 0.5f, 0), r = base + QPointF(w * 0.5f, 0);
    QPointF ml = base + QPointF(-w * 0.42f, -h * 0.55f), mr = base + QPointF(w * 0.4f, -h * 0.6f);
    QPointF ridge = base + QPointF(w * 0.08f, -h * 0.2f);
    QPainterPath all;
    all.moveTo(l);
    all.lineTo(ml);
    all.lineTo(top);
    all.lineTo(mr);
    all.lineTo(r);
    all.closeSubpath();
    shapeFill(p, all, stone, 1.2f, 0.3f);
    QPainterPath lit;
    lit.moveTo(ml);
    lit.lineTo(top);
    lit.lineTo(ridge);
    lit.lineTo(l);
    lit.closeSubpath();
    p.fillPath(lit, shadeOf(stone, 1.25f));
    QPainterPath dark;
    dark.moveTo(top);
    dark.lineTo(mr);
    dark.lineTo(r);
    dark.lineTo(ridge);
    dark.closeSubpath();
    p.fillPath(dark, shadeOf(stone, 0.72f));
    p.setPen(QPen(shadeOf(stone, 0.5f), 1));
    p.drawLine(top, ridge);
    p.drawLine(ridge, base + QPointF(w * 0.02f, 0));
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(all);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(96, 120, 58));
    p.drawEllipse(base + QPointF(-w * 0.25f, -h * 0.1f), w * 0.12f, h * 0.06f);
}

QImage rock(int v) {
    struct B {
        float x, y, w, h;
    };
    std::vector<B> bs;
    // Big peaks with wide bases, so that neighbouring cells and the join pictures
    // drawn between them close up into one range.
    if (v == 1) bs = {{50, 90, 86, 76}, {22, 96, 40, 36}, {78, 97, 38, 30}};
    if (v == 2) bs = {{34, 88, 62, 68}, {68, 92, 62, 56}, {50, 98, 34, 20}};
    if (v == 3) bs = {{56, 88, 80, 62}, {26, 94, 48, 46}, {78, 97, 34, 28}};
    const QColor stone = v == 2 ? QColor(138, 128, 118) : QColor(146, 136, 120);
    return mapSprite(
        [&](QPainter& p) {
            for (size_t i = 0; i < bs.size(); ++i)
                boulder(p, {bs[i].x, bs[i].y}, bs[i].w, bs[i].h, int(i) + v * 10,
                        shadeOf(stone, 0.95f + 0.05f * float(i % 2)));
            // Snow on the highest peak.
            QPainterPath snow;
            const B& b = bs[0];
            QPointF top(b.x - b.w * 0.1f, b.y - b.h);
            snow.moveTo(top);
            snow.lineTo(top + QPointF(-b.w * 0.16f, b.h * 0.22f));
            snow.lineTo(top + QPointF(-b.w * 0.04f, b.h * 0.17f));
            snow.lineTo(top + QPointF(b.w * 0.06f, b.h * 0.25f));
            snow.lineTo(top + QPointF(b.w * 0.2f, b.h * 0.2f));
            snow.closeSubpath();
            p.fillPath(snow, QColor(240, 244, 248));
        },
        [&](QImage& u) {
            for (const B& b : bs) groundShadow(u, QRectF(b.x - b.w * 0.3f, b.y - 5, b.w * 0.9f, 9));
        },
        60 + v);
}

// --- Towns -------------------------------------------------------------------------

void wallBlock(QPainter& p, QRectF r, const QColor& stone, bool crenels) {
    QPainterPath w;
    w.addRect(r);
    if (crenels)
        for (float x = r.left(); x < r.right() - 3; x += 6)
            w.addRect(QRectF(x, r.top() - 4, 3.5, 4));
    shapeFill(p, w.simplified(), stone, 1.2f, 0.3f);
    p.setPen(QPen(shadeOf(stone, 0.7f), 0.7));
    for (float y = r.top() + 4; y < r.bottom(); y += 4)
        p.drawLine(QPointF(r.left() + 1, y), QPointF(r.right() - 1, y));
    p.setPen(Qt::NoPen);
}

void roof(QPainter& p, QPointF a, QPointF b, float h, const QColor& c) {
    QPainterPath r;
    r.moveTo(a);
    r.lineTo(QPointF((a.x() + b.x()) / 2, a.y() - h));
    r.lineTo(b);
    r.closeSubpath();
    shapeFill(p, r, c, 1.2f, 0.4f);
}

void cone(QPainter& p, QPointF base, float w, float h, const QColor& c) {
    QPainterPath r;
    r.moveTo(base + QPointF(-w / 2, 0));
    r.quadTo(base + QPointF(-w * 0.2f, -h * 0.6f), base + QPointF(0, -h));
    r.quadTo(base + QPointF(w * 0.2f, -h * 0.6f), base + QPointF(w / 2, 0));
    r.closeSubpath();
    shapeFill(p, r, c, 1.2f, 0.4f);
}

void flag(QPainter& p, QPointF top, const QColor& c) {
    p.setPen(QPen(kOutline, 1.2));
    p.drawLine(top, top + QPointF(0, 10));
    QPainterPath f;
    f.moveTo(top);
    f.quadTo(top + QPointF(5, -2), top + QPointF(9, 1));
    f.lineTo(top + QPointF(0, 5));
    f.closeSubpath();
    shapeFill(p, f, c, 0.8f);
}

void window(QPainter& p, QRectF r, const QColor& c) {
    QPainterPath w;
    w.addRoundedRect(r, r.width() / 2, r.width() / 2);
    p.fillPath(w, c);
}

void humanTown(QPainter& p) {
    const QColor stone(176, 168, 150), red(184, 58, 40);
    // Keep at the back.
    wallBlock(p, QRectF(38, 22, 24, 44), stone, true);
    roof(p, QPointF(36, 22), QPointF(64, 22), 16, red);
    flag(p, QPointF(50, 2), QColor(60, 90, 190));
    window(p, QRectF(47, 32, 5, 8), QColor(40, 30, 30));
    // Houses.
    wallBlock(p, QRectF(16, 50, 20, 18), QColor(226, 214, 180), false);
    roof(p, QPointF(13, 50), QPointF(39, 50), 12, red);
    wallBlock(p, QRectF(64, 48, 20, 20), QColor(226, 214, 180), false);
    roof(p, QPointF(61, 48), QPointF(87, 48), 13, red);
    // Front wall with towers and a gate.
    wallBlock(p, QRectF(10, 68, 80, 20), stone, true);
    for (float x : {8.0f, 80.0f}) {
        wallBlock(p, QRectF(x, 58, 13, 32), shadeOf(stone, 1.05f), true);
        cone(p, QPointF(x + 6.5f, 58), 16, 14, red);
    }
    QPainterPath gate;
    gate.moveTo(43, 88);
    gate.lineTo(43, 78);
    gate.quadTo(50, 70, 57, 78);
    gate.lineTo(57, 88);
    gate.closeSubpath();
    p.fillPath(gate, QColor(70, 46, 30));
    p.setPen(QPen(QColor(40, 30, 20), 0.8));
    for (float x = 45; x < 57; x += 3) p.drawLine(QPointF(x, 76), QPointF(x, 88));
}

void dwarfTown(QPainter& p) {
    const QColor rockc(130, 116, 104);
    QPainterPath m;
    m.moveTo(4, 92);
    m.lineTo(14, 48);
    m.lineTo(30, 30);
    m.lineTo(44, 12);
    m.lineTo(58, 20);
    m.lineTo(72, 16);
    m.lineTo(86, 40);
    m.lineTo(96, 92);
    m.closeSubpath();
    shapeFill(p, m, rockc, 1.4f, 0.45f);
    QPainterPath lit;
    lit.moveTo(14, 48);
    lit.lineTo(44, 12);
    lit.lineTo(50, 40);
    lit.lineTo(20, 80);
    lit.closeSubpath();
    p.fillPath(lit, shadeOf(rockc, 1.2f));
    // Carved gate with golden light inside.
    QPainterPath frame;
    frame.moveTo(32, 92);
    frame.lineTo(32, 62);
    frame.quadTo(50, 38, 68, 62);
    frame.lineTo(68, 92);
    frame.closeSubpath();
    shapeFill(p, frame, QColor(160, 150, 136), 1.2f, 0.5f);
    QPainterPath door;
    door.moveTo(38, 92);
    door.lineTo(38, 64);
    door.quadTo(50, 48, 62, 64);
    door.lineTo(62, 92);
    door.closeSubpath();
    QLinearGradient g(50, 50, 50, 92);
    g.setColorAt(0, QColor(250, 200, 90));
    g.setColorAt(1, QColor(190, 100, 30));
    p.fillPath(door, g);
    p.setPen(QPen(QColor(90, 60, 30), 1.2));
    p.drawLine(QPointF(50, 54), QPointF(50, 92));
    // Runes over the gate.
    p.setPen(QPen(QColor(230, 190, 90), 1));
    for (int i = 0; i < 4; ++i) {
        float x = 41 + i * 6;
        p.drawLine(QPointF(x, 46 + std::abs(i - 1.5f) * 2),
                   QPointF(x + 2, 50 + std::abs(i - 1.5f) * 2));
    }
    // Chimneys with smoke.
    for (float x : {24.0f, 76.0f}) {
        wallBlock(p, QRectF(x - 3, 34 + (x > 50 ? 4 : 8), 6, 10), QColor(100, 90, 84), false);
        for (int k = 0; k < 3; ++k)
            ellipseFill(p, QPointF(x + k * 3 - 2, 28 + (x > 50 ? 4 : 8) - k * 7), 3.5f + k, 3 + k,
                        QColor(200, 200, 204), 0.8f);
    }
}

void elfTown(QPainter& p) {
    // A great tree with houses in its branches and a white spire beside it.
    pole(p, {40, 94}, {40, 40}, 12, QColor(120, 86, 56));
    limb(p, {40, 60}, {20, 46}, 5, QColor(120, 86, 56));
    limb(p, {40, 54}, {58, 42}, 5, QColor(120, 86, 56));
    const QColor leaf(70, 140, 60);
    for (auto [x, y, r] :
         {std::tuple{24.0f, 30.0f, 16.0f}, {54, 26, 17}, {38, 16, 15}, {16, 42, 11}, {60, 42, 12}})
        ellipseFill(p, {x, y}, r, r * 0.85f, leaf, 1.2f);
    for (auto [x, y] : {std::pair{18.0f, 44.0f}, {56, 40}}) {
        wallBlock(p, QRectF(x - 6, y, 12, 8), QColor(200, 170, 110), false);
        roof(p, QPointF(x - 8, y), QPointF(x + 8, y), 7, QColor(90, 150, 120));
        window(p, QRectF(x - 1.5f, y + 2, 3, 4), QColor(250, 220, 120));
    }
    // White spire.
    QPainterPath sp;
    sp.moveTo(68, 94);
    sp.lineTo(72, 30);
    sp.lineTo(76, 30);
    sp.lineTo(82, 94);
    sp.closeSubpath();
    shapeFill(p, sp, QColor(236, 236, 228), 1.2f, 0.3f);
    QPainterPath tip;
    tip.moveTo(70, 32);
    tip.lineTo(74, 6);
    tip.lineTo(78, 32);
    tip.closeSubpath();
    shapeFill(p, tip, QColor(120, 190, 170), 1.2f);
    window(p, QRectF(73, 44, 3, 7), QColor(80, 130, 160));
    window(p, QRectF(73.5f, 64, 3, 7), QColor(80, 130, 160));
    // Stairs around the trunk.
    p.setPen(QPen(QColor(200, 170, 110), 2));
    for (int i = 0; i < 4; ++i) p.drawLine(QPointF(32, 88 - i * 10), QPointF(48, 84 - i * 10));
}

void necroTown(QPainter& p) {
    const QColor black(56, 52, 64), green(120, 250, 110);
    // Graveyard in front.
    for (int i = 0; i < 4; ++i) {
        float x = 16 + i * 22, y = 90 - (i % 2) * 4;
        QPainterPath st;
        st.addRoundedRect(QRectF(x - 3, y - 8, 6, 9), 2.5, 2.5);
        shapeFill(p, st, QColor(150, 150, 150), 1);
    }
    // Three black towers.
    for (auto [x, w, h] : {std::tuple{28.0f, 16.0f, 56.0f}, {72, 16, 50}, {50, 20, 76}}) {
        QRectF r(x - w / 2, 84 - h, w, h);
        wallBlock(p, r, black, true);
        QPainterPath spike;
        spike.moveTo(r.left() - 2, r.top() - 4);
        spike.lineTo(x, r.top() - 20);
        spike.lineTo(r.right() + 2, r.top() - 4);
        spike.closeSubpath();
        shapeFill(p, spike, QColor(40, 36, 50), 1.2f);
        for (float y = r.top() + 6; y < r.bottom() - 8; y += 12)
            window(p, QRectF(x - 2, y, 4, 6), green);
    }
    wallBlock(p, QRectF(20, 76, 60, 12), shadeOf(black, 1.2f), true);
    QPainterPath gate;
    gate.moveTo(44, 88);
    gate.lineTo(44, 81);
    gate.quadTo(50, 75, 56, 81);
    gate.lineTo(56, 88);
    p.fillPath(gate, QColor(90, 200, 90));
    // Crosses.
    p.setPen(QPen(QColor(170, 170, 170), 1.6));
    for (float x : {10.0f, 90.0f}) {
        p.drawLine(QPointF(x, 96), QPointF(x, 84));
        p.drawLine(QPointF(x - 3, 87), QPointF(x + 3, 87));
    }
}

void orcTown(QPainter& p) {
    const QColor hide(160, 120, 80), wood(130, 90, 54);
    // Huts of hide.
    for (auto [x, y, w] : {std::tuple{30.0f, 60.0f, 30.0f}, {66, 56, 32}, {48, 50, 26}}) {
        cone(p, QPointF(x, y), w, w * 0.9f, hide);
        p.setPen(QPen(shadeOf(hide, 0.6f), 1));
        p.drawLine(QPointF(x - w * 0.2f, y - w * 0.5f), QPointF(x - w * 0.3f, y));
        p.drawLine(QPointF(x + w * 0.15f, y - w * 0.55f), QPointF(x + w * 0.25f, y));
        p.setPen(QPen(kOutline, 1.5));
        p.drawLine(QPointF(x - 2, y - w * 0.9f - 4), QPointF(x + 2, y - w * 0.9f + 3));
        p.drawLine(QPointF(x + 2, y - w * 0.9f - 4), QPointF(x - 2, y - w * 0.9f + 3));
    }
    // Palisade of sharpened logs.
    for (float x = 8; x < 94; x += 6) {
        if (x > 42 && x < 58) continue;  // the gap of the gate
        float h = 24 + hash01(int(x), 1, 5) * 6;
        QPainterPath log;
        log.moveTo(x - 3, 92);
        log.lineTo(x - 3, 92 - h);
        log.lineTo(x, 92 - h - 5);
        log.lineTo(x + 3, 92 - h);
        log.lineTo(x + 3, 92);
        log.closeSubpath();
        shapeFill(p, log, wood, 1, 0.3f);
    }
    // Skulls on poles by the gate.
    for (float x : {42.0f, 58.0f}) {
        pole(p, {x, 94}, {x, 52}, 2.2f, QColor(100, 70, 40));
        ellipseFill(p, {x, 50}, 4.5f, 4.2f, QColor(236, 230, 206), 1);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 20, 20));
        p.drawEllipse(QPointF(x - 1.6, 49.5), 1.2, 1.4);
        p.drawEllipse(QPointF(x + 1.6, 49.5), 1.2, 1.4);
    }
    flag(p, QPointF(48, 14), QColor(170, 30, 30));
}

QImage town(int race) {
    const std::function<void(QPainter&)> draw[] = {humanTown, dwarfTown, elfTown, necroTown,
                                                   orcTown};
    return mapSprite(
        draw[race - 1], [](QImage& u) { groundShadow(u, QRectF(10, 86, 86, 12)); }, 80 + race, 1);
}

QImage treasure() {
    return mapSprite(
        [](QPainter& p) {
            // Coins spilled on the ground.
            for (int i = 0; i < 6; ++i)
                ellipseFill(p, QPointF(26 + i * 9 + (i % 2) * 3, 80 + (i % 3) * 3), 3.5f, 2.2f,
                            QColor(240, 196, 60), 0.8f);
            // Chest body.
            QPainterPath body;
            body.addRoundedRect(QRectF(28, 52, 44, 26), 3, 3);
            shapeFill(p, body, QColor(150, 94, 48), 1.4f, 0.35f);
            // Lid open behind.
            QPainterPath lid;
            lid.moveTo(28, 52);
            lid.lineTo(32, 30);
            lid.quadTo(50, 24, 68, 30);
            lid.lineTo(72, 52);
            lid.closeSubpath();
            shapeFill(p, lid, QColor(128, 80, 40), 1.4f, 0.35f);
            p.fillRect(QRectF(34, 34, 32, 14), QColor(80, 30, 40));
            // Gold heaped inside.
            for (int i = 0; i < 9; ++i)
                ellipseFill(p, QPointF(34 + (i % 5) * 8, 52 - (i / 5) * 5 - (i % 2) * 2), 4.5f,
                            3.2f, QColor(246, 206, 70), 0.8f);
            // Iron bands and lock.
            p.setPen(QPen(QColor(70, 66, 70), 2.4));
            p.drawLine(QPointF(36, 53), QPointF(36, 77));
            p.drawLine(QPointF(64, 53), QPointF(64, 77));
            ellipseFill(p, QPointF(50, 60), 3.5f, 4, QColor(220, 190, 70), 1);
            // Glints.
            p.setPen(QPen(QColor(255, 255, 230), 1.2));
            p.drawLine(QPointF(44, 38), QPointF(44, 44));
            p.drawLine(QPointF(41, 41), QPointF(47, 41));
        },
        [](QImage& u) { groundShadow(u, QRectF(30, 72, 50, 10)); }, 91, 1);
}

QImage portalPic() {
    return mapSprite(
        [](QPainter& p) {
            // The swirling violet gate.
            QPointF c(50, 52);
            for (int i = 0; i < 5; ++i) {
                float r = 24 - i * 4.5f;
                ellipseFill(p, c, r * 0.8f, r,
                            mix(QColor(90, 40, 150), QColor(230, 190, 255), i / 4.0f), 0);
            }
            p.setPen(QPen(QColor(250, 230, 255), 1.4));
            p.setBrush(Qt::NoBrush);
            for (int k = 0; k < 3; ++k) {
                QPainterPath s;
                for (int j = 0; j <= 20; ++j) {
                    float a = k * 2.1f + j * 0.3f, r = 2 + j * 0.9f;
                    QPointF q = c + QPointF(std::cos(a) * r * 0.8f, std::sin(a) * r);
                    if (j == 0)
                        s.moveTo(q);
                    else
                        s.lineTo(q);
                }
                p.drawPath(s);
            }
            // Standing stones in a ring around it: back ones first.
            const float ang[] = {-2.4f, -1.57f, -0.75f, 0.1f, 3.0f, 0.9f, 2.2f, 1.57f};
            for (float a : ang) {
                QPointF b(50 + std::cos(a) * 40, 66 + std::sin(a) * 24);
                bool front = std::sin(a) > 0.2f;
                QPainterPath st;
                st.addRoundedRect(QRectF(b.x() - 5, b.y() - 24, 10, 24), 3, 3);
                shapeFill(p, st, front ? QColor(150, 146, 140) : QColor(126, 122, 118), 1.2f, 0.4f);
                p.fillRect(QRectF(b.x() - 2, b.y() - 16, 3, 2), QColor(200, 150, 255));
            }
        },
        [](QImage& u) { groundShadow(u, QRectF(14, 82, 76, 12)); }, 92, 1);
}

QImage orbPic() {
    return mapSprite(
        [](QPainter& p) {
            // Stone pedestal.
            QPainterPath ped;
            ped.moveTo(36, 90);
            ped.lineTo(40, 64);
            ped.lineTo(60, 64);
            ped.lineTo(64, 90);
            ped.closeSubpath();
            shapeFill(p, ped, QColor(170, 164, 150), 1.2f, 0.4f);
            QPainterPath top;
            top.addRoundedRect(QRectF(34, 58, 32, 8), 2, 2);
            shapeFill(p, top, QColor(186, 180, 166), 1.2f);
            QPainterPath foot;
            foot.addRoundedRect(QRectF(30, 88, 40, 6), 2, 2);
            shapeFill(p, foot, QColor(150, 144, 132), 1.2f);
            // Glowing crystal ball.
            glow(p, QPointF(50, 42), 16, QColor(230, 250, 255), QColor(70, 150, 230));
            p.setPen(QPen(QColor(255, 255, 255), 1.5));
            p.drawArc(QRectF(38, 30, 24, 24), 100 * 16, 60 * 16);
        },
        [](QImage& u) { groundShadow(u, QRectF(32, 88, 44, 8)); }, 93, 1);
}

}  // namespace

void genMapObjects(Sink& s) {
    const std::string dir = assets::kTravel;
    for (int v = 1; v <= 3; ++v) {
        s.pic(dir + "NFreeT/forest" + std::to_string(v) + ".pic", forest(v), PicKind::Sprite);
        s.pic(dir + "NFreeT/rock" + std::to_string(v) + ".pic", rock(v), PicKind::Sprite);
    }
    const char* towns[] = {"humantw", "dwarwtw", "elftw", "necrotw", "orctw"};
    for (int r = 1; r <= 5; ++r)
        s.pic(dir + "Town/" + towns[r - 1] + ".pic", town(r), PicKind::Sprite);
    s.pic(dir + "gold.pic", treasure(), PicKind::Sprite);
    s.pic(dir + "portal.pic", portalPic(), PicKind::Sprite);
    s.pic(dir + "orb.pic", orbPic(), PicKind::Sprite);
}

}  // namespace gen

namespace gen {
QImage townSprite(int race) {
    return town(race);
}
QImage treasureSprite() {
    return treasure();
}
QImage portalSprite() {
    return portalPic();
}
QImage orbSprite() {
    return orbPic();
}
QImage forestSprite(int v) {
    return forest(v);
}
QImage rockSprite(int v) {
    return rock(v);
}

void blitScaled(QPainter& p, const std::function<QImage()>& make, QPointF topLeft, double scale,
                bool mirror) {
    QImage big;
    {
        // Drawn at the size it takes in the picture's own pixels.
        ScaleScope zoom{float(scale) * renderScale()};
        big = make();
    }
    if (mirror) big = big.mirrored(true, false);
    p.drawImage(topLeft, inUnits(big));
}
}  // namespace gen
