// Moving figures of the map: the hero on horseback (standing and walking), the moored
// ship and the hero's ship, and the roaming armies of the three continents. The hero
// and his ships face left; the game mirrors them when he turns.
#include <QPainterPath>
#include <cmath>
#include <string>

#include "platform/AssetNames.h"
#include "tools/assets/Figures.h"
#include "tools/assets/Gen.h"
#include "tools/assets/MapDrawing.h"
#include "tools/assets/Paint.h"

namespace gen {

namespace {

const QColor kCloak(46, 84, 176);
const QColor kBanner(40, 80, 190);

// A banner on a pole; `wave` 0..2 changes the cloth's ripple.
void banner(QPainter& p, QPointF top, float len, int wave, float dir) {
    pole(p, top, top + QPointF(0, len), 1.8f, QColor(120, 86, 50));
    QPainterPath f;
    float w = 16, h = 11, a = std::sin(wave * 2.1f) * 2.5f;
    f.moveTo(top + QPointF(0, 1));
    f.cubicTo(top + QPointF(w * 0.35f * dir, -2 + a), top + QPointF(w * 0.7f * dir, 3 - a),
              top + QPointF(w * dir, 1 + a));
    f.lineTo(top + QPointF(w * 0.8f * dir, h * 0.5f + a * 0.5f));
    f.lineTo(top + QPointF(w * dir, h + a));
    f.cubicTo(top + QPointF(w * 0.7f * dir, h + 2 - a), top + QPointF(w * 0.35f * dir, h - 3 + a),
              top + QPointF(0, h));
    f.closeSubpath();
    shapeFill(p, f, kBanner, 1, 0.4f);
    // A golden star on it.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 210, 70));
    p.drawEllipse(top + QPointF(w * 0.45f * dir, h * 0.5f + a * 0.3f), 2.2, 2.2);
}

void knight(QPainter& p, QPointF saddle, float bob, int wave) {
    Person k;
    k.noLegs = true;
    k.dir = -1;
    k.h = 40;
    k.foot = saddle + QPointF(0, k.h * 0.40f + 2 + bob);
    k.torso = QColor(176, 182, 196);
    k.arms = QColor(166, 172, 186);
    k.head = Head::Plume;
    k.headgear = QColor(190, 196, 210);
    k.backArm = 150;
    k.frontArm = 50;
    k.backProp = [wave](QPainter& q, QPointF h) { banner(q, h + QPointF(0, -26), 36, wave, 1); };
    // Blue cloak flowing behind him (to the right, as he faces left).
    QPainterPath cloak;
    QPointF s = saddle + QPointF(2, -14 + bob);
    cloak.moveTo(s);
    cloak.cubicTo(s + QPointF(10, 2), s + QPointF(14, 10 + wave), s + QPointF(18, 18));
    cloak.lineTo(s + QPointF(4, 16));
    cloak.closeSubpath();
    shapeFill(p, cloak, kCloak, 1, 0.4f);
    drawPerson(p, k);
    // Leg in a stirrup.
    limb(p, saddle + QPointF(0, bob), saddle + QPointF(-3, 11 + bob), 4, QColor(150, 156, 170));
}

// A horse's head at the end of its neck: long face, ears, eye, nostril, bridle and
// a mane falling down the neck.
void horseHead(QPainter& p, QPointF n, float d, const QColor& hide) {
    auto X = [&](float dx, float dy) { return n + QPointF(dx * d, dy); };
    QPainterPath mane;
    mane.moveTo(X(-3, -6));
    mane.cubicTo(X(-8, -2), X(-9, 6), X(-12, 13));
    mane.lineTo(X(-8, 13));
    mane.cubicTo(X(-5, 6), X(-4, 0), X(1, -4));
    mane.closeSubpath();
    shapeFill(p, mane, QColor(196, 176, 140), 0.8f);
    for (float k : {-1.5f, 1.5f}) {
        QPainterPath ear;
        ear.moveTo(X(k - 1, -5));
        ear.lineTo(X(k + 0.5f, -10));
        ear.lineTo(X(k + 2, -5));
        shapeFill(p, ear, hide, 0.8f);
    }
    QPainterPath head;
    head.moveTo(X(-3, -5));
    head.quadTo(X(4, -7), X(9, -1));
    head.lineTo(X(13, 6));
    head.quadTo(X(13, 10), X(9, 10));
    head.quadTo(X(4, 8), X(-1, 6));
    head.quadTo(X(-4, 1), X(-3, -5));
    head.closeSubpath();
    shapeFill(p, head, hide);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 20, 20));
    p.drawEllipse(X(3, -2), 1.1, 1.2);
    p.drawEllipse(X(11, 7.5f), 0.8, 0.8);
    p.setPen(QPen(QColor(90, 50, 30), 0.9));
    p.drawLine(X(1, -4), X(2, 7));  // bridle
    p.drawLine(X(2, 4), X(10, 6));
    p.setPen(Qt::NoPen);
}

QImage hero(float breathe, int wave, float stride) {
    return mapSprite(
        [=](QPainter& p) {
            Beast h;
            h.foot = {52, 88};
            h.dir = -1;
            h.len = 42;
            h.hgt = 17 + breathe;
            h.legLen = 20;
            h.hide = QColor(236, 232, 220);  // a white horse
            h.hooves = QColor(70, 60, 50);
            h.neckUp = 0.95f;
            h.stride = stride;
            h.headDraw = [](QPainter& q, QPointF n) { horseHead(q, n, -1, QColor(236, 232, 220)); };
            QPointF saddle = drawBeast(p, h);
            // Saddle cloth in the banner's blue.
            QPainterPath cloth;
            cloth.addRoundedRect(QRectF(saddle.x() - 9, saddle.y() - 2, 18, 11), 3, 3);
            shapeFill(p, cloth, kCloak, 1);
            knight(p, saddle + QPointF(0, -breathe * 0.5f), -breathe * 0.5f, wave);
        },
        [](QImage& u) { groundShadow(u, QRectF(26, 84, 56, 9)); }, 100, 1);
}

void cog(QPainter& p, bool heroBanner, int wave) {
    // Hull.
    QPainterPath hull;
    hull.moveTo(16, 62);
    hull.lineTo(84, 60);
    hull.quadTo(80, 80, 66, 84);
    hull.lineTo(34, 84);
    hull.quadTo(20, 80, 16, 62);
    hull.closeSubpath();
    shapeFill(p, hull, QColor(140, 92, 52), 1.4f, 0.35f);
    p.setPen(QPen(QColor(96, 60, 34), 1));
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(18 + i, 62 + i * 5.5), QPointF(82 - i * 3, 60 + i * 5.5));
    // Castles fore and aft.
    QPainterPath fore;
    fore.addRect(QRectF(14, 54, 16, 9));
    shapeFill(p, fore, QColor(160, 110, 64), 1.2f);
    QPainterPath aft;
    aft.addRect(QRectF(70, 52, 16, 9));
    shapeFill(p, aft, QColor(160, 110, 64), 1.2f);
    // Mast and striped sail.
    pole(p, {50, 62}, {50, 10}, 2.6f, QColor(110, 76, 44));
    QPainterPath sail;
    sail.moveTo(30, 16);
    sail.lineTo(70, 16);
    sail.quadTo(74, 36, 68, 54);
    sail.lineTo(32, 54);
    sail.quadTo(26, 36, 30, 16);
    sail.closeSubpath();
    shapeFill(p, sail, QColor(236, 228, 204), 1.2f, 0.3f);
    p.save();
    p.setClipPath(sail);
    for (int i = 0; i < 3; ++i) p.fillRect(QRectF(34 + i * 12, 10, 6, 50), QColor(190, 50, 40));
    p.restore();
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(sail);
    pole(p, {28, 16}, {72, 16}, 2, QColor(110, 76, 44));
    if (heroBanner) {
        banner(p, QPointF(50, 3), 8, wave, 1);
        Person k;  // the knight on deck
        k.noLegs = true;
        k.dir = -1;
        k.h = 30;
        k.foot = {62, 60};
        k.torso = QColor(176, 182, 196);
        k.arms = QColor(166, 172, 186);
        k.head = Head::Plume;
        k.headgear = QColor(190, 196, 210);
        drawPerson(p, k);
    } else {
        p.setPen(QPen(QColor(110, 76, 44), 1));
        p.drawLine(QPointF(50, 10), QPointF(50, 4));
        QPainterPath pen;
        pen.moveTo(50, 4);
        pen.lineTo(58, 6);
        pen.lineTo(50, 8);
        p.fillPath(pen, QColor(190, 50, 40));
    }
}

QImage ship(bool heroBanner, float tilt, int wave) {
    return mapSprite(
        [=](QPainter& p) {
            p.translate(50, 84);
            p.rotate(tilt);
            p.translate(-50, -84);
            cog(p, heroBanner, wave);
        },
        {}, 110 + int(heroBanner), 1);
}

// Roaming armies: three figures of the continent's kind.
QImage army(int kind, int frame) {
    return mapSprite(
        [=](QPainter& p) {
            const float xs[] = {32, 68, 50};
            const float ys[] = {76, 78, 92};
            for (int i = 0; i < 3; ++i) {
                Person f;
                f.foot = {xs[i], ys[i]};
                f.h = 40;
                f.dir = i == 1 ? -1 : 1;
                f.bob = ((frame + i) % 3 == 1) ? -1.0f : 0.0f;
                float sway = float((frame + i) % 3) * 8;
                if (kind == 0) {  // bandits: hoods and clubs
                    f.head = Head::Hood;
                    f.headgear = QColor(62, 88, 58);
                    f.mask = QColor(170, 40, 34);
                    f.torso = QColor(110, 84, 60);
                    f.arms = QColor(100, 76, 54);
                    f.legs = QColor(70, 60, 50);
                    f.frontArm = 130 + sway;
                    f.frontProp = [](QPainter& q, QPointF h) { club(q, h, -80, 20, 4); };
                } else if (kind == 1) {  // skeleton warriors with shields
                    f.skeleton = true;
                    f.head = Head::Helmet;
                    f.headgear = QColor(130, 120, 100);
                    f.frontArm = 60 + sway * 0.5f;
                    f.backArm = 120 + sway;
                    f.backProp = [](QPainter& q, QPointF h) { sword(q, h, -100, 16); };
                    f.frontProp = [](QPainter& q, QPointF h) {
                        roundShield(q, h, 8, QColor(110, 40, 40), QColor(150, 140, 110));
                    };
                } else {  // dark mages with glowing staffs
                    f.robe = true;
                    f.head = Head::Hood;
                    f.headgear = QColor(50, 36, 70);
                    f.torso = QColor(60, 44, 84);
                    f.legs = QColor(54, 40, 76);
                    f.arms = QColor(60, 44, 84);
                    f.frontArm = 40 + sway * 0.3f;
                    const int glowPhase = (frame + i) % 3;
                    f.frontProp = [glowPhase](QPainter& q, QPointF h) {
                        pole(q, h + QPointF(0, 14), h + QPointF(0, -22), 1.8f, QColor(70, 50, 40));
                        glow(q, h + QPointF(0, -25), 4.5f + glowPhase, QColor(230, 200, 255),
                             QColor(150, 60, 230));
                    };
                }
                drawPerson(p, f);
            }
        },
        [](QImage& u) {
            groundShadow(u, QRectF(20, 72, 28, 7));
            groundShadow(u, QRectF(56, 74, 28, 7));
            groundShadow(u, QRectF(38, 88, 28, 7));
        },
        120 + kind * 3 + frame, 1);
}

}  // namespace

void genMapFigures(Sink& s) {
    const std::string dir = std::string(assets::kTravel) + "Hero/";
    for (int f = 1; f <= 3; ++f)
        s.pic(dir + "hero" + std::to_string(f) + ".pic", hero(float(f - 1) * 0.8f, f - 1, 0),
              PicKind::Sprite);
    s.pic(dir + "herost1.pic", hero(0, 0, 0.8f), PicKind::Sprite);
    s.pic(dir + "herost2.pic", hero(0, 1, -0.8f), PicKind::Sprite);
    s.pic(dir + "ship1.pic", ship(false, -2.5f, 0), PicKind::Sprite);
    s.pic(dir + "ship2.pic", ship(false, 2.5f, 1), PicKind::Sprite);
    for (int f = 1; f <= 3; ++f)
        s.pic(dir + "Hship" + std::to_string(f) + ".pic", ship(true, float(f - 2) * 2.5f, f - 1),
              PicKind::Sprite);
    const char* names[] = {"dev", "skel", "mag"};
    for (int k = 0; k < 3; ++k)
        for (int f = 1; f <= 3; ++f)
            s.pic(std::string(assets::kTravel) + "Enemy/" + names[k] + std::to_string(f) + ".pic",
                  army(k, f - 1), PicKind::Sprite);
}

}  // namespace gen

namespace gen {
QImage heroSprite(int frame) {
    return hero(float(frame) * 0.8f, frame, 0);
}
QImage shipSprite(bool h) {
    return ship(h, 0, 0);
}
QImage armySprite(int kind, int frame) {
    return army(kind, frame);
}
}  // namespace gen
