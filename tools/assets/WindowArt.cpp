// Pictures built into the windows: the title, the story, encounters, the diary's
// parchment, the spell, the outcomes of battles and of the game, and the army
// window's button glyphs. Each is a small painted scene made from the game's own
// figures, so the windows and the map look like one world.
#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <functional>
#include <string>

#include "platform/AssetNames.h"
#include "tools/assets/Creatures.h"
#include "tools/assets/Figures.h"
#include "tools/assets/Gen.h"
#include "tools/assets/MapDrawing.h"
#include "tools/assets/Paint.h"
#include "tools/assets/Scene.h"

namespace gen {

namespace {

constexpr float kPi = 3.14159265f;

void titleText(QPainter& p, const QString& text, QRectF box, int px, const QColor& fill) {
    QFont f("DejaVu Serif");
    f.setPixelSize(px);
    f.setBold(true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, px * 0.08);
    QPainterPath path;
    path.addText(0, 0, f, text);
    QRectF r = path.boundingRect();
    path.translate(box.center() - r.center());
    p.setPen(QPen(QColor(40, 20, 10), px * 0.12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    QLinearGradient g(0, box.top(), 0, box.bottom());
    g.setColorAt(0, shadeOf(fill, 1.5f));
    g.setColorAt(0.5, fill);
    g.setColorAt(1, shadeOf(fill, 0.6f));
    p.setPen(Qt::NoPen);
    p.fillPath(path, g);
}

QImage nightScene(int w, int h, int seed, const QColor& top, const QColor& low,
                  const QColor& hill) {
    QImage img = skyImage(w, h, top, low);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    stars(p, w, h * 0.5f, w / 6, seed);
    hills(p, w, h, h * 0.62f, h * 0.08f, shadeOf(hill, 0.8f), seed + 1);
    hills(p, w, h, h * 0.78f, h * 0.05f, hill, seed + 2);
    return img;
}

QImage title() {
    QImage img =
        nightScene(505, 500, 400, QColor(14, 18, 48), QColor(150, 80, 90), QColor(40, 60, 50));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    moon(p, QPointF(252, 208), 22);
    // The menu buttons sit in the middle band; the castle and the rider keep to the
    // lower corners.
    blitScaled(
        p, [&] { return forestSprite(2); }, QPointF(150, 290), 1.3);
    blitScaled(
        p, [&] { return townSprite(1); }, QPointF(-14, 290), 1.75);
    blitScaled(
        p, [&] { return forestSprite(1); }, QPointF(230, 330), 1.2);
    blitScaled(
        p, [&] { return heroSprite(0); }, QPointF(300, 296), 1.95);
    vignette(p, 505, 500, 160);
    titleText(p, QString::fromUtf8("ВЕСТРАН"), QRectF(0, 20, 505, 110), 76, QColor(230, 180, 60));
    return img;
}

QImage intro() {
    QImage img =
        nightScene(399, 500, 410, QColor(10, 10, 30), QColor(60, 50, 80), QColor(30, 40, 36));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // The story's window ends on a piece of the picture enlarged: about x 81..335
    // and y 70..394. The whole scene stands inside it.
    moon(p, QPointF(290, 118), 22, QColor(230, 230, 240));
    // The Great Mage's grave: a stone slab under a dead tree.
    limb(p, QPointF(130, 378), QPointF(146, 222), 12, QColor(60, 50, 44));
    limb(p, QPointF(142, 262), QPointF(104, 206), 5, QColor(60, 50, 44));
    limb(p, QPointF(145, 240), QPointF(196, 190), 5, QColor(60, 50, 44));
    QPainterPath stone;
    stone.moveTo(182, 376);
    stone.lineTo(186, 296);
    stone.quadTo(224, 262, 262, 296);
    stone.lineTo(266, 376);
    stone.closeSubpath();
    shapeFill(p, stone, QColor(120, 120, 130), 2, 0.5f);
    p.setPen(QPen(QColor(140, 220, 255), 3));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(208 + i * 15, 312 + (i % 2) * 8), QPointF(214 + i * 15, 338));
    glow(p, QPointF(224, 270), 9, QColor(220, 250, 255), QColor(90, 150, 230));
    vignette(p, 399, 500, 170);
    return img;
}

// A finished figure layer: drawn at any size, outlined like the sprites.
QImage figureLayer(int w, int h, const std::function<void(QPainter&)>& draw, int outline = 2) {
    QImage body = scaledCanvas(w, h, draw);
    brushTexture(body, 0.06f, 8 * renderScale(), w + h);
    return inUnits(finishSprite(body, scaledThickness(float(outline))));
}

QImage bandits() {
    QImage img = skyImage(439, 300, QColor(40, 56, 44), QColor(120, 130, 90));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 6; ++i)
        blitScaled(
            p, [&] { return forestSprite(1 + i % 3); }, QPointF(-40 + i * 80, -30 + (i % 2) * 16),
            1.8);
    // A forest road.
    QPainterPath road;
    road.moveTo(120, 300);
    road.quadTo(250, 220, 300, 180);
    road.lineTo(360, 180);
    road.quadTo(360, 230, 439, 300);
    road.closeSubpath();
    p.fillRect(QRectF(0, 180, 439, 120), QColor(76, 98, 54));
    p.fillPath(road, QColor(150, 126, 86));
    // Three robbers step out: hoods, clubs, a bow.
    QImage band = figureLayer(439, 300, [](QPainter& q) {
        const float xs[] = {200, 330, 265};
        const float ys[] = {250, 256, 286};
        for (int i = 0; i < 3; ++i) {
            Person f;
            f.foot = {xs[i], ys[i]};
            f.h = 150 - i * 4;
            f.dir = i == 1 ? -1 : 1;
            f.head = Head::Hood;
            f.headgear = i == 2 ? QColor(48, 74, 52) : QColor(62, 88, 58);
            f.mask = QColor(170, 40, 34);
            f.torso = QColor(130 - i * 10, 92, 56);
            f.arms = QColor(118, 84, 52);
            f.legs = QColor(64, 58, 52);
            f.stride = 0.35f;
            f.frontArm = 140;
            f.backArm = 40;
            if (i == 1)
                f.frontProp = [](QPainter& r, QPointF h) { bow(r, h, 34, 1, false); };
            else
                f.frontProp = [](QPainter& r, QPointF h) { club(r, h, -80, 56, 10); };
            drawPerson(q, f);
        }
    });
    p.drawImage(0, 0, band);
    // Shade the corner where the window writes who is in the band.
    QLinearGradient shade(0, 0, 260, 140);
    shade.setColorAt(0, QColor(0, 0, 0, 170));
    shade.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(0, 0, 439, 300), shade);
    vignette(p, 439, 300, 150);
    return img;
}

QImage treasure() {
    QImage img = skyImage(411, 207, QColor(90, 140, 200), QColor(200, 220, 170));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    hills(p, 411, 207, 130, 12, QColor(90, 140, 70), 420);
    blitScaled(
        p, [&] { return treasureSprite(); }, QPointF(130, -50), 2.4);
    vignette(p, 411, 207, 100);
    return img;
}

QImage portal() {
    QImage img =
        nightScene(400, 165, 430, QColor(30, 20, 60), QColor(110, 70, 140), QColor(50, 70, 60));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    blitScaled(
        p, [&] { return portalSprite(); }, QPointF(120, -40), 1.9);
    vignette(p, 400, 165, 120);
    return img;
}

QImage diary() {
    QImage img = unitCanvas(289, 363);
    parchment(img, 440);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Faint ruled lines and a wax seal; the window writes the runes on it.
    p.setPen(QPen(QColor(170, 140, 100, 90), 1));
    for (int y = 50; y < 340; y += 22) p.drawLine(QPointF(24, y), QPointF(265, y));
    ellipseFill(p, QPointF(250, 330), 14, 14, QColor(150, 30, 30), 1.2f);
    p.setPen(QPen(QColor(110, 20, 20), 1.5));
    p.drawLine(QPointF(244, 324), QPointF(256, 336));
    p.drawLine(QPointF(256, 324), QPointF(244, 336));
    return img;
}

QImage spell(bool failed) {
    const int w = failed ? 409 : 314, h = failed ? 448 : 261;
    QImage img = skyImage(w, h, failed ? QColor(20, 16, 20) : QColor(20, 20, 60),
                          failed ? QColor(70, 50, 40) : QColor(80, 60, 140));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPointF c(w / 2.0, h * 0.55);
    if (!failed) {
        // A circle of runes glowing around an open book.
        for (int ring = 0; ring < 3; ++ring) {
            p.setPen(QPen(QColor(160, 200, 255, 200 - ring * 50), 2));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(c, 100 - ring * 18, 60 - ring * 11);
        }
        for (int i = 0; i < 12; ++i) {
            float a = i * kPi / 6;
            QPointF q = c + QPointF(std::cos(a) * 90, std::sin(a) * 54);
            p.setPen(QPen(QColor(200, 230, 255), 2));
            p.drawLine(q + QPointF(-3, -5), q + QPointF(3, 5));
            p.drawLine(q + QPointF(3, -5), q + QPointF(-3, 0));
        }
        glow(p, c + QPointF(0, -40), 22, QColor(255, 255, 230), QColor(120, 160, 255));
    } else {
        // Smoke and a broken staff.
        for (int i = 0; i < 14; ++i)
            ellipseFill(p, c + QPointF(std::sin(i * 1.7f) * 60, -i * 14.0f), 26 + i * 2, 18 + i,
                        QColor(90 + i * 4, 86 + i * 4, 84 + i * 4, 200), 0);
        limb(p, c + QPointF(-80, 90), c + QPointF(-10, 60), 7, QColor(110, 80, 50));
        limb(p, c + QPointF(10, 70), c + QPointF(90, 100), 7, QColor(110, 80, 50));
        ellipseFill(p, c + QPointF(96, 102), 9, 9, QColor(80, 80, 90), 1.2f);
    }
    // The open book.
    QPainterPath book;
    book.moveTo(c + QPointF(-70, 20));
    book.quadTo(c + QPointF(-35, 8), c + QPointF(0, 22));
    book.quadTo(c + QPointF(35, 8), c + QPointF(70, 20));
    book.lineTo(c + QPointF(70, 60));
    book.quadTo(c + QPointF(35, 48), c + QPointF(0, 62));
    book.quadTo(c + QPointF(-35, 48), c + QPointF(-70, 60));
    book.closeSubpath();
    shapeFill(p, book, failed ? QColor(150, 130, 100) : QColor(240, 226, 190), 2, 0.3f);
    p.setPen(QPen(QColor(120, 90, 60), 1));
    for (int i = 0; i < 4; ++i) {
        p.drawLine(c + QPointF(-60, 28 + i * 7), c + QPointF(-12, 30 + i * 7));
        p.drawLine(c + QPointF(12, 30 + i * 7), c + QPointF(60, 28 + i * 7));
    }
    vignette(p, w, h, 150);
    return img;
}

QImage gameWon() {
    QImage img = skyImage(578, 500, QColor(250, 200, 120), QColor(255, 240, 200));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Rays of light from the grave.
    QPointF c(289, 300);
    for (int i = 0; i < 14; ++i) {
        float a = -kPi + i * kPi / 13;
        QPainterPath ray;
        ray.moveTo(c);
        ray.lineTo(c + QPointF(std::cos(a - 0.05f) * 600, std::sin(a - 0.05f) * 600));
        ray.lineTo(c + QPointF(std::cos(a + 0.05f) * 600, std::sin(a + 0.05f) * 600));
        ray.closeSubpath();
        p.fillPath(ray, QColor(255, 255, 230, 90));
    }
    hills(p, 578, 500, 360, 20, QColor(110, 150, 80), 450);
    blitScaled(
        p, [&] { return heroSprite(2); }, QPointF(20, 250), 2.4);
    QPainterPath stone;
    stone.moveTo(250, 400);
    stone.lineTo(255, 300);
    stone.quadTo(289, 270, 323, 300);
    stone.lineTo(328, 400);
    stone.closeSubpath();
    shapeFill(p, stone, QColor(150, 150, 160), 2, 0.5f);
    glow(p, QPointF(289, 260), 18, QColor(255, 255, 255), QColor(255, 220, 120));
    vignette(p, 578, 500, 80);
    return img;
}

QImage vault() {
    QImage img = unitCanvas(456, 472);
    img.fill(QColor(40, 34, 30));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Masonry and a great iron-bound door.
    for (int row = 0; row < 24; ++row)
        for (int col = -1; col < 10; ++col) {
            QRectF r(col * 52 + (row % 2) * 26, row * 20, 50, 18);
            QPainterPath b;
            b.addRect(r);
            shadeFill(p, b, mix(QColor(90, 82, 76), QColor(110, 100, 90), hash01(row, col, 460)),
                      0.3f);
        }
    QPainterPath door;
    door.moveTo(128, 472);
    door.lineTo(128, 200);
    door.quadTo(228, 90, 328, 200);
    door.lineTo(328, 472);
    door.closeSubpath();
    shapeFill(p, door, QColor(110, 70, 40), 3, 0.3f);
    p.setPen(QPen(QColor(60, 56, 60), 8));
    for (int y : {240, 320, 400}) p.drawLine(QPointF(132, y), QPointF(324, y));
    ellipseFill(p, QPointF(290, 330), 12, 12, QColor(200, 170, 70), 2);
    // Torches.
    for (float x : {70.0f, 386.0f}) {
        pole(p, QPointF(x, 260), QPointF(x, 200), 6, QColor(90, 60, 30));
        glow(p, QPointF(x, 188), 16, QColor(255, 240, 160), QColor(240, 120, 30));
    }
    vignette(p, 456, 472, 170);
    return img;
}

QImage victory() {
    QImage img = skyImage(391, 423, QColor(80, 130, 210), QColor(250, 210, 140));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    hills(p, 391, 423, 300, 30, QColor(100, 150, 70), 470);
    blitScaled(
        p, [&] { return heroSprite(1); }, QPointF(40, 110), 3.2);
    vignette(p, 391, 423, 80);
    return img;
}

QImage defeat() {
    QImage img = skyImage(370, 317, QColor(30, 26, 30), QColor(110, 70, 60));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    hills(p, 370, 317, 230, 16, QColor(60, 56, 44), 480);
    // A broken sword stuck in the ground and a fallen shield.
    limb(p, QPointF(200, 270), QPointF(215, 160), 7, QColor(180, 184, 190));
    limb(p, QPointF(195, 180), QPointF(235, 186), 6, QColor(160, 130, 60));
    roundShield(p, QPointF(120, 262), 36, QColor(120, 40, 36), QColor(150, 130, 80));
    // Crows.
    p.setPen(QPen(QColor(20, 16, 20), 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i) {
        QPointF c(60 + i * 80, 50 + (i % 2) * 30);
        p.drawLine(c, c + QPointF(-10, -6));
        p.drawLine(c, c + QPointF(10, -6));
    }
    vignette(p, 370, 317, 170);
    return img;
}

QImage retreat() {
    QImage img = skyImage(313, 192, QColor(120, 100, 90), QColor(220, 180, 130));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    hills(p, 313, 192, 140, 10, QColor(130, 120, 80), 490);
    for (int i = 0; i < 8; ++i)
        ellipseFill(p, QPointF(200 + i * 14, 150 - i * 2), 14 - i, 9 - i * 0.6f,
                    QColor(200, 180, 140, 200), 0);
    blitScaled(
        p, [&] { return heroSprite(0); }, QPointF(40, 30), 1.6);
    vignette(p, 313, 192, 120);
    return img;
}

QImage newWeek() {
    QImage img = skyImage(354, 433, QColor(100, 150, 220), QColor(255, 220, 160));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient sun(QPointF(177, 250), 120);
    sun.setColorAt(0, QColor(255, 250, 210));
    sun.setColorAt(0.2, QColor(255, 230, 140));
    sun.setColorAt(1, QColor(255, 200, 120, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(177, 250), 120, 120);
    hills(p, 354, 433, 270, 20, QColor(90, 140, 70), 500);
    hills(p, 354, 433, 330, 14, QColor(110, 160, 70), 501);
    blitScaled(
        p, [&] { return townSprite(1); }, QPointF(200, 220), 1.2);
    blitScaled(
        p, [&] { return forestSprite(1); }, QPointF(10, 250), 1.4);
    vignette(p, 354, 433, 90);
    return img;
}

QImage dismiss() {
    QImage img = skyImage(290, 134, QColor(110, 130, 160), QColor(200, 200, 170));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    hills(p, 290, 134, 100, 8, QColor(110, 140, 80), 510);
    blitScaled(
        p, [&] { return creaturePicture("Peasant.pic"); }, QPointF(20, 30), 1.2, true);
    blitScaled(
        p, [&] { return creaturePicture("Polk.pic"); }, QPointF(80, 34), 1.1, true);
    vignette(p, 290, 134, 90);
    return img;
}

// The army window's button glyphs: up, down and the cross.
void glyphShape(QPainter& p, int kind) {
    QPainterPath g;
    if (kind == 0) {
        g.moveTo(12.5, 4);
        g.lineTo(21, 18);
        g.lineTo(4, 18);
    } else if (kind == 1) {
        g.moveTo(12.5, 21);
        g.lineTo(21, 7);
        g.lineTo(4, 7);
    } else {
        g.addRect(QRectF(4, 10, 17, 5));
        QTransform t;
        t.translate(12.5, 12.5);
        t.rotate(45);
        t.translate(-12.5, -12.5);
        QPainterPath a = t.map(g);
        t.reset();
        t.translate(12.5, 12.5);
        t.rotate(-45);
        t.translate(-12.5, -12.5);
        g = a.united(t.map(g));
    }
    g.closeSubpath();
    shapeFill(p, g, kind == 2 ? QColor(200, 50, 40) : QColor(220, 180, 60), 1.4f, 0.5f);
}

QImage glyph(int kind) {
    return scaledCanvas(25, 25, [kind](QPainter& p) { glyphShape(p, kind); });
}

}  // namespace

void genWindowArt(Sink& s) {
    const std::pair<const char*, std::function<QImage()>> pics[] = {
        {assets::kWinTitle, title},
        {assets::kWinIntro, intro},
        {assets::kWinBandits, bandits},
        {assets::kWinTreasure, treasure},
        {assets::kWinPortal, portal},
        {assets::kWinDiary, diary},
        {assets::kWinSpell, [] { return spell(false); }},
        {assets::kWinSpellFailed, [] { return spell(true); }},
        {assets::kWinGameWon, gameWon},
        {assets::kWinVault, vault},
        {assets::kWinVictory, victory},
        {assets::kWinDefeat, defeat},
        {assets::kWinRetreat, retreat},
        {assets::kWinNewWeek, newWeek},
        {assets::kWinDismiss, dismiss},
        {assets::kGlyphUp, [] { return glyph(0); }},
        {assets::kGlyphDown, [] { return glyph(1); }},
        {assets::kGlyphDismiss, [] { return glyph(2); }},
    };
    for (const auto& [name, make] : pics)
        if (s.wanted(name)) s.png(name, make());
}

}  // namespace gen
