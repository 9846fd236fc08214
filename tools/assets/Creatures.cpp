// The twenty creature kinds of the battle: 80 x 80, facing right, each told apart by
// silhouette and two dominant colours, with the prop that defines it exaggerated.
#include "tools/assets/Creatures.h"

#include <QPainterPath>
#include <cmath>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/data/Creatures.h"
#include "platform/AssetNames.h"
#include "tools/assets/Figures.h"
#include "tools/assets/Gen.h"
#include "tools/assets/Paint.h"

namespace gen {

namespace {

constexpr float kGround = 75;

using Draw = std::function<void(QPainter&)>;

QImage makeSprite(const Draw& draw, QRectF shadow, int seed, const Draw& under = {},
                  float scale = 1) {
    QImage body = scaledCanvas(80, [&](QPainter& p) {
        // Figures grow from the middle of the ground line.
        p.translate(38, kGround);
        p.scale(scale, scale);
        p.translate(-38, -kGround);
        draw(p);
    });
    brushTexture(body, 0.07f, 5 * renderScale(), seed);
    QImage low = canvas(body.width(), body.height());
    if (!shadow.isEmpty()) {
        QPointF c = shadow.center();
        shadow.setWidth(shadow.width() * scale);
        shadow.moveCenter(QPointF(38 + (c.x() - 38) * scale, c.y()));
        groundShadow(low, shadow);
    }
    if (under) paintScaled(low, under);
    return finishSprite(body, scaledThickness(1), &low);
}

QRectF shadowAt(float cx, float w) {
    return QRectF(cx - w / 2 + 3, kGround - 3, w, 7);
}

// A wing raised behind the body. Bat wings: an arm up to the wrist, fingers fanning
// back, the membrane hanging between them in scallops. Feathered wings: the same arm
// with long primaries along the trailing edge.
void wing(QPainter& p, QPointF root, float span, float up, float dir, const QColor& skin,
          const QColor& bone, bool feathered) {
    auto P = [&](float bx, float uy) { return root + QPointF(-bx * span * dir, -uy * up); };
    const QPointF wrist = P(0.22f, 0.95f);
    if (!feathered) {
        const QPointF tips[] = {P(0.55f, 1.15f), P(0.95f, 0.75f), P(0.9f, 0.25f)};
        const QPointF back = P(0.35f, -0.05f);
        QPainterPath m;
        m.moveTo(root);
        m.lineTo(wrist);
        m.lineTo(tips[0]);
        QPointF prev = tips[0];
        for (int i = 1; i < 3; ++i) {
            QPointF mid = (prev + tips[i]) / 2;
            m.quadTo(mid + (wrist - mid) * 0.35, tips[i]);
            prev = tips[i];
        }
        QPointF mid = (prev + back) / 2;
        m.quadTo(mid + (wrist - mid) * 0.35, back);
        m.closeSubpath();
        shapeFill(p, m, skin, 1, 0.45f);
        limb(p, root, wrist, 2.6f, bone, 0.8f);
        p.setPen(QPen(bone, 1.3, Qt::SolidLine, Qt::RoundCap));
        for (const QPointF& t : tips) p.drawLine(wrist, t);
        p.setPen(Qt::NoPen);
        return;
    }
    // Raised and spread backwards: the leading edge climbs to the wrist and on to the
    // tip; the trailing edge is a row of pointed feathers, darker at their ends.
    const QPointF tip = P(1.0f, 1.0f), body = P(0.15f, 0.05f);
    const int n = 6;
    std::vector<QPointF> notch, point;
    for (int i = 0; i <= n; ++i) {
        float t = float(i) / n;
        QPointF b = tip + (body - tip) * t + QPointF(0, up * 0.18f * std::sin(t * 3.1f));
        notch.push_back(b);
        point.push_back(b + QPointF(-dir * span * 0.1f * (1 - t * 0.6f), up * (0.2f - 0.08f * t)));
    }
    QPainterPath m;
    m.moveTo(root);
    m.quadTo(P(0.02f, 0.85f), wrist);
    m.quadTo(P(0.6f, 1.15f), tip);
    for (int i = 0; i < n; ++i) {
        m.lineTo(point[i]);
        m.lineTo(notch[i + 1]);
    }
    m.closeSubpath();
    shapeFill(p, m, skin, 1, 0.45f);
    for (int i = 0; i < n; ++i) {
        QPainterPath f;
        QPointF a = notch[i] + (notch[i] - wrist) * -0.25;
        f.moveTo(a);
        f.lineTo(point[i]);
        f.lineTo(notch[i + 1]);
        f.closeSubpath();
        p.fillPath(f, shadeOf(skin, 0.72f));
    }
    p.setPen(QPen(kOutline, 0.8));
    for (int i = 1; i < n; ++i) p.drawLine(notch[i] + (notch[i] - wrist) * -0.3, notch[i]);
    // The light covert feathers along the arm.
    QPainterPath cov;
    cov.moveTo(root);
    cov.quadTo(P(0.02f, 0.85f), wrist);
    cov.quadTo(P(0.5f, 1.08f), P(0.85f, 0.95f));
    cov.quadTo(P(0.45f, 0.6f), root);
    p.setPen(Qt::NoPen);
    p.fillPath(cov, shadeOf(bone, 1.1f));
}

void barbarian(QPainter& p) {
    Person f;
    f.foot = {34, kGround};
    f.h = 58;
    f.bulk = 1.2f;
    f.skin = QColor(224, 168, 118);
    f.torso = QColor(226, 172, 124);
    f.legs = QColor(124, 86, 52);
    f.hair = QColor(206, 78, 26);
    f.beard = true;
    f.beardColour = QColor(196, 70, 24);
    f.stride = 0.45f;
    f.backArm = 110;
    f.frontArm = 100;
    f.overTorso = [](QPainter& q) {
        QPainterPath fur;  // fur over one shoulder
        fur.moveTo(24, 34);
        fur.lineTo(34, 33);
        fur.lineTo(44, 52);
        fur.lineTo(36, 54);
        fur.closeSubpath();
        shapeFill(q, fur, QColor(132, 92, 56), 0.8f);
    };
    f.frontProp = [](QPainter& q, QPointF h) { axe(q, h + QPointF(0, 3), -60, 36, 8); };
    drawPerson(p, f);
}

void troll(QPainter& p) {
    // Hump behind the shoulders: the troll stoops.
    ellipseFill(p, {28, 30}, 13, 11, QColor(112, 132, 104));
    Person f;
    f.foot = {36, kGround};
    f.h = 66;
    f.bulk = 1.6f;
    f.skin = QColor(124, 146, 112);
    f.torso = QColor(120, 142, 108);
    f.legs = QColor(116, 138, 104);
    f.boots = QColor(96, 116, 88);
    f.head = Head::Bare;
    f.stride = 0.4f;
    f.backArm = 10;
    f.frontArm = 30;
    f.bob = 4;
    f.overTorso = [](QPainter& q) {
        QPainterPath cloth;
        cloth.moveTo(27, 50);
        cloth.lineTo(47, 50);
        cloth.lineTo(45, 59);
        cloth.lineTo(29, 59);
        cloth.closeSubpath();
        shapeFill(q, cloth, QColor(110, 80, 50), 0.8f);
    };
    f.frontProp = [](QPainter& q, QPointF h) { club(q, h, 55, 26, 6.5f); };
    drawPerson(p, f);
    // A pointed ear at the side, a lumpy nose and a tusk.
    QPainterPath ear;
    ear.moveTo(34, 22);
    ear.lineTo(28, 16);
    ear.lineTo(36, 18);
    ear.closeSubpath();
    shapeFill(p, ear, QColor(124, 146, 112), 0.8f);
    ellipseFill(p, {47, 24}, 3, 2.6f, QColor(136, 160, 120), 0.8f);
    p.setPen(QPen(QColor(240, 236, 210), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(44, 29), QPointF(45, 26));
    p.setPen(Qt::NoPen);
}

void centaur(QPainter& p) {
    Beast b;
    b.foot = {34, kGround};
    b.len = 40;
    b.hgt = 17;
    b.legLen = 20;
    b.hide = QColor(150, 98, 56);
    b.neckUp = 1;
    b.stride = 0.5f;
    b.headDraw = [](QPainter& q, QPointF neck) {
        Person f;
        f.noLegs = true;
        f.h = 44;
        f.foot = neck + QPointF(-1, 44 * 0.40f + 2);
        f.skin = QColor(222, 172, 126);
        f.torso = QColor(206, 160, 116);
        f.hair = QColor(60, 40, 24);
        f.beard = true;
        f.beardColour = QColor(60, 40, 24);
        f.backArm = 60;
        f.frontArm = 70;
        f.backProp = [](QPainter& r, QPointF) { bow(r, QPointF(43, 30), 10, -1, false); };
        f.frontProp = [](QPainter& r, QPointF h) { spear(r, h, -30, 44, 0.45f); };
        drawPerson(q, f);
    };
    drawBeast(p, b);
}

void elf(QPainter& p) {
    Person f;
    f.foot = {30, kGround};
    f.h = 58;
    f.bulk = 0.85f;
    f.skin = QColor(240, 206, 170);
    f.torso = QColor(64, 138, 62);
    f.arms = QColor(64, 138, 62);
    f.legs = QColor(96, 86, 60);
    f.boots = QColor(90, 60, 36);
    f.hair = QColor(236, 208, 110);
    f.head = Head::Hair;
    f.stride = 0.35f;
    f.backArm = 88;
    f.frontArm = 70;
    f.backProp = [](QPainter&, QPointF) {};
    drawPerson(p, f);
    // Cloak flowing behind.
    QPainterPath cloak;
    cloak.moveTo(25, 24);
    cloak.quadTo(14, 40, 12, 62);
    cloak.lineTo(22, 58);
    cloak.quadTo(22, 40, 28, 28);
    cloak.closeSubpath();
    shapeFill(p, cloak, QColor(44, 110, 52));
    // Longbow held out in front, string drawn to the cheek.
    bow(p, QPointF(58, 35), 20, 1, true, QPointF(36, 30));
    // Pointed ear, sweeping back from the side of the head.
    const QPointF head(30.6, 24.3);
    const float r = 7.25f;
    QPainterPath ear;
    ear.moveTo(head + QPointF(-0.5f * r, 0.1f * r));
    ear.lineTo(head + QPointF(-1.6f * r, -0.8f * r));
    ear.lineTo(head + QPointF(-0.2f * r, -0.35f * r));
    ear.closeSubpath();
    shapeFill(p, ear, QColor(240, 206, 170), 0.8f);
}

void imp(QPainter& p, QPointF c, float s, float flap) {
    const QColor skin(176, 62, 44), wingc(120, 40, 40);
    wing(p, c + QPointF(-1 * s, -4 * s), 22 * s, (10 + flap) * s, 1, wingc, QColor(70, 20, 20),
         false);
    QPainterPath tail;
    tail.moveTo(c + QPointF(-4 * s, 4 * s));
    tail.cubicTo(c + QPointF(-12 * s, 8 * s), c + QPointF(-10 * s, 14 * s),
                 c + QPointF(-15 * s, 12 * s));
    p.setPen(QPen(kOutline, 3 * s));
    p.drawPath(tail);
    p.setPen(QPen(skin, 1.4 * s));
    p.drawPath(tail);
    ellipseFill(p, c, 5 * s, 6.5f * s, skin);
    limb(p, c + QPointF(-1 * s, 5 * s), c + QPointF(-3 * s, 11 * s), 2 * s, shadeOf(skin, 0.8f),
         0.7f);
    limb(p, c + QPointF(2 * s, 5 * s), c + QPointF(4 * s, 11 * s), 2 * s, skin, 0.7f);
    QPointF hc = c + QPointF(3 * s, -8 * s);
    ellipseFill(p, hc, 4.5f * s, 4 * s, skin);
    for (float side : {-1.0f, 1.0f}) {
        QPainterPath horn;
        horn.moveTo(hc + QPointF((side * 2 - 1) * s, -3 * s));
        horn.lineTo(hc + QPointF((side * 3.5f - 1) * s, -8 * s));
        horn.lineTo(hc + QPointF((side * 2.5f + 0.5f) * s, -2.5f * s));
        shapeFill(p, horn, QColor(236, 220, 180), 0.6f);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 230, 80));
    p.drawEllipse(hc + QPointF(2 * s, -0.5f * s), 1.0 * s, 1.0 * s);
    wing(p, c + QPointF(1 * s, -4 * s), 20 * s, (8 + flap) * s, 1, shadeOf(wingc, 1.15f),
         QColor(70, 20, 20), false);
}

void flyers(QPainter& p) {
    imp(p, {56, 22}, 0.85f, 2);
    imp(p, {26, 30}, 0.9f, -3);
    imp(p, {46, 52}, 1.0f, 0);
}

void lich(QPainter& p) {
    Person f;
    f.foot = {34, kGround};
    f.h = 60;
    f.robe = true;
    f.skeleton = true;
    f.legs = QColor(74, 44, 96);
    f.head = Head::Crown;
    f.backArm = 20;
    f.frontArm = 60;
    f.overTorso = [](QPainter& q) {
        QPainterPath mantle;
        mantle.moveTo(24, 30);
        mantle.lineTo(44, 30);
        mantle.lineTo(46, 44);
        mantle.lineTo(22, 44);
        mantle.closeSubpath();
        shapeFill(q, mantle, QColor(88, 52, 112));
        q.setPen(QPen(QColor(210, 180, 70), 1.2));
        q.drawLine(QPointF(34, 31), QPointF(34, 44));
    };
    f.frontProp = [](QPainter& q, QPointF h) {
        pole(q, h + QPointF(2, 26), h + QPointF(-2, -30), 2.2f, QColor(70, 56, 46));
        glow(q, h + QPointF(-2, -34), 6.5f, QColor(200, 255, 170), QColor(60, 200, 90));
    };
    drawPerson(p, f);
}

void beast(QPainter& p) {
    Beast b;
    b.foot = {36, kGround};
    b.len = 52;
    b.hgt = 22;
    b.legLen = 14;
    b.legs = 6;
    b.hide = QColor(126, 62, 146);
    b.belly = QColor(180, 120, 170);
    b.hooves = QColor(50, 30, 40);
    b.neckUp = 0.3f;
    b.stride = 0.4f;
    b.headDraw = [](QPainter& q, QPointF n) {
        QPainterPath head;
        head.moveTo(n + QPointF(-4, -6));
        head.quadTo(n + QPointF(10, -10), n + QPointF(16, 0));
        head.lineTo(n + QPointF(15, 6));
        head.quadTo(n + QPointF(6, 9), n + QPointF(-4, 5));
        head.closeSubpath();
        shapeFill(q, head, QColor(126, 62, 146));
        // Teeth.
        q.setPen(QPen(QColor(250, 245, 225), 1.4));
        for (int i = 0; i < 3; ++i)
            q.drawLine(n + QPointF(8 + i * 2.5, 5), n + QPointF(8.5 + i * 2.5, 7.5));
        // Great curved horns.
        for (int k = 0; k < 2; ++k) {
            QPainterPath horn;
            QPointF r = n + QPointF(2 + k * 5, -6);
            horn.moveTo(r);
            horn.cubicTo(r + QPointF(-4, -12), r + QPointF(-14, -14), r + QPointF(-18, -6));
            horn.quadTo(r + QPointF(-10, -9), r + QPointF(4, -1));
            horn.closeSubpath();
            shapeFill(q, horn, k ? QColor(236, 226, 196) : QColor(200, 190, 160), 0.9f);
        }
        q.setPen(Qt::NoPen);
        q.setBrush(QColor(255, 220, 40));
        q.drawEllipse(n + QPointF(8, -2), 1.8, 1.4);
    };
    drawBeast(p, b);
    // Spines along the back.
    for (int i = 0; i < 5; ++i) {
        QPainterPath sp;
        float x = 18 + i * 8;
        sp.moveTo(x - 3, 40);
        sp.lineTo(x, 31 - (i % 2) * 2);
        sp.lineTo(x + 3, 40);
        shapeFill(p, sp, QColor(90, 40, 110), 0.8f);
    }
}

void dragon(QPainter& p) {
    const QColor red(190, 44, 32);
    wing(p, {38, 34}, 34, 26, 1, QColor(150, 34, 30), QColor(90, 20, 16), false);
    // A heavy tail sweeping back, ending in a spade.
    QPainterPath tail;
    tail.moveTo(14, 50);
    tail.cubicTo(4, 56, 4, 68, 12, 70);
    tail.lineTo(13, 66);
    tail.cubicTo(9, 64, 11, 58, 18, 56);
    tail.closeSubpath();
    shapeFill(p, tail, red);
    QPainterPath spade;
    spade.moveTo(12, 68);
    spade.lineTo(20, 64);
    spade.lineTo(22, 72);
    spade.lineTo(14, 74);
    spade.closeSubpath();
    shapeFill(p, spade, QColor(150, 30, 24), 0.8f);
    Beast b;
    b.foot = {32, kGround};
    b.len = 42;
    b.hgt = 18;
    b.legLen = 12;
    b.hide = red;
    b.belly = QColor(236, 190, 100);
    b.neckUp = 1;
    b.tail = false;
    b.headDraw = [red](QPainter& q, QPointF n) {
        // The neck curves on up and forward to a horned head.
        const QPointF h = n + QPointF(5, -11);
        limb(q, n, h, 7, red);
        QPainterPath head;
        head.moveTo(h + QPointF(-5, -4));
        head.quadTo(h + QPointF(5, -8), h + QPointF(14, -3));
        head.lineTo(h + QPointF(14, 0));
        head.lineTo(h + QPointF(7, 1));
        head.lineTo(h + QPointF(13, 4));  // open jaw
        head.lineTo(h + QPointF(4, 6));
        head.lineTo(h + QPointF(-4, 5));
        head.closeSubpath();
        shapeFill(q, head, red);
        for (int k = 0; k < 2; ++k) {
            QPainterPath horn;
            horn.moveTo(h + QPointF(-3 + k * 3, -4));
            horn.lineTo(h + QPointF(-11 + k * 3, -10 - k * 2));
            horn.lineTo(h + QPointF(0 + k * 3, -6));
            shapeFill(q, horn, QColor(236, 220, 180), 0.8f);
        }
        q.setPen(Qt::NoPen);
        q.setBrush(QColor(255, 230, 60));
        q.drawEllipse(h + QPointF(4, -3.5), 1.6, 1.2);
        // Fire from the mouth.
        QPainterPath fire;
        QPointF m = h + QPointF(13, 2);
        fire.moveTo(m);
        fire.quadTo(m + QPointF(4, -5), m + QPointF(9, -3));
        fire.quadTo(m + QPointF(7, 0), m + QPointF(10, 4));
        fire.quadTo(m + QPointF(4, 5), m);
        shapeFill(q, fire, QColor(250, 150, 30), 0.8f, 0.6f);
        QPainterPath core;
        core.moveTo(m);
        core.quadTo(m + QPointF(4, -2), m + QPointF(6, 0));
        core.quadTo(m + QPointF(4, 2), m);
        q.fillPath(core, QColor(255, 240, 120));
    };
    drawBeast(p, b);
    // Spines along the back.
    for (int i = 0; i < 4; ++i) {
        QPainterPath sp;
        float x = 18 + i * 7;
        sp.moveTo(x - 2.5f, 46);
        sp.lineTo(x, 40);
        sp.lineTo(x + 2.5f, 46);
        shapeFill(p, sp, QColor(236, 200, 120), 0.7f);
    }
    wing(p, {42, 38}, 28, 28, 1, QColor(200, 60, 40), QColor(100, 24, 18), false);
}

void dwarfKnight(QPainter& p) {
    Beast b;  // the boar
    b.foot = {36, kGround};
    b.len = 46;
    b.hgt = 21;
    b.legLen = 9;
    b.hide = QColor(96, 70, 52);
    b.hooves = QColor(40, 30, 24);
    b.neckUp = 0;
    b.tail = false;
    b.headDraw = [](QPainter& q, QPointF n) {
        QPainterPath head;
        head.moveTo(n + QPointF(-6, -7));
        head.lineTo(n + QPointF(12, 0));
        head.lineTo(n + QPointF(12, 5));
        head.lineTo(n + QPointF(-4, 7));
        head.closeSubpath();
        shapeFill(q, head, QColor(96, 70, 52));
        ellipseFill(q, n + QPointF(12, 2.5), 2, 3, QColor(180, 130, 120), 0.8f);
        q.setPen(QPen(QColor(250, 246, 230), 1.8, Qt::SolidLine, Qt::RoundCap));
        q.drawLine(n + QPointF(8, 5), n + QPointF(11, 0));
        q.setPen(Qt::NoPen);
        q.setBrush(QColor(20, 10, 10));
        q.drawEllipse(n + QPointF(3, -2), 1.2, 1.2);
    };
    QPointF saddle = drawBeast(p, b);
    // Bristles.
    p.setPen(QPen(QColor(60, 44, 34), 1.2));
    for (int i = 0; i < 8; ++i) p.drawLine(QPointF(24 + i * 3, 44), QPointF(23 + i * 3, 40));
    Person d;
    d.noLegs = true;
    d.h = 36;
    d.bulk = 1.4f;
    d.foot = saddle + QPointF(0, d.h * 0.40f + 3);
    d.torso = QColor(160, 166, 178);
    d.arms = QColor(150, 156, 168);
    d.skin = QColor(230, 180, 140);
    d.head = Head::Helmet;
    d.headgear = QColor(176, 182, 194);
    d.beard = true;
    d.beardColour = QColor(200, 120, 50);
    d.backArm = 40;
    d.frontArm = 75;
    d.frontProp = [](QPainter& q, QPointF h) {
        spear(q, h, -8, 52, 0.3f);
        roundShield(q, h + QPointF(-12, 4), 0, QColor(0, 0, 0));
    };
    limb(p, saddle + QPointF(2, 2), saddle + QPointF(6, 12), 4, QColor(120, 126, 140));
    drawPerson(p, d);
    // Kite shield on the back arm side.
    QPainterPath sh;
    QPointF c = saddle + QPointF(-6, -6);
    sh.moveTo(c + QPointF(-5, -6));
    sh.lineTo(c + QPointF(5, -6));
    sh.quadTo(c + QPointF(5, 4), c + QPointF(0, 10));
    sh.quadTo(c + QPointF(-5, 4), c + QPointF(-5, -6));
    shapeFill(p, sh, QColor(40, 90, 150));
}

void phantomWisps(QPainter& p) {
    // Trailing wisps, half transparent: drawn into the layer without outline and then
    // thinned to every other pixel.
    QPainterPath w;
    w.moveTo(30, 48);
    w.cubicTo(20, 60, 12, 58, 6, 70);
    w.cubicTo(16, 66, 24, 68, 32, 60);
    w.cubicTo(30, 68, 34, 72, 26, 78);
    w.cubicTo(38, 74, 42, 64, 44, 54);
    w.closeSubpath();
    p.fillPath(w, QColor(170, 210, 240));
}

QImage thinOut(QImage img) {
    img = img.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if ((x + y) % 2) img.setPixel(x, y, 0);
    return img;
}

void phantom(QPainter& p) {
    // A hooded spirit: the shroud flows back into the wisps, one long sleeve reaches
    // forward with bony fingers, the face is a dark hollow with glowing eyes.
    QPainterPath sleeveBack;
    sleeveBack.moveTo(40, 34);
    sleeveBack.cubicTo(50, 30, 58, 34, 64, 30);
    sleeveBack.lineTo(66, 35);
    sleeveBack.cubicTo(58, 40, 50, 40, 42, 42);
    sleeveBack.closeSubpath();
    shapeFill(p, sleeveBack, QColor(160, 198, 228), 1, 0.4f);
    QPainterPath body;
    body.moveTo(40, 8);
    body.cubicTo(54, 8, 58, 22, 56, 34);
    body.cubicTo(55, 46, 50, 54, 44, 60);
    body.lineTo(40, 53);
    body.lineTo(34, 62);
    body.lineTo(30, 51);
    body.lineTo(24, 56);
    body.cubicTo(22, 44, 22, 18, 40, 8);
    shapeFill(p, body, QColor(182, 218, 240), 1, 0.5f);
    // Hood rim and the hollow of the face.
    QPainterPath hollow;
    hollow.moveTo(44, 14);
    hollow.cubicTo(54, 14, 56, 26, 52, 32);
    hollow.cubicTo(48, 34, 42, 30, 42, 24);
    hollow.closeSubpath();
    p.fillPath(hollow, QColor(28, 40, 70));
    p.setPen(QPen(QColor(230, 244, 252), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(40, 11, 16, 24), 40 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(140, 236, 255));
    p.drawEllipse(QPointF(47, 22), 1.6, 1.9);
    p.drawEllipse(QPointF(52, 22), 1.3, 1.7);
    // Front sleeve, ragged at the cuff, and the fingers.
    QPainterPath sleeve;
    sleeve.moveTo(42, 38);
    sleeve.cubicTo(52, 36, 60, 42, 66, 40);
    sleeve.lineTo(67, 46);
    sleeve.lineTo(64, 44);
    sleeve.lineTo(62, 48);
    sleeve.lineTo(59, 45);
    sleeve.cubicTo(52, 47, 47, 48, 42, 48);
    sleeve.closeSubpath();
    shapeFill(p, sleeve, QColor(200, 230, 248), 1, 0.4f);
    p.setPen(QPen(QColor(226, 236, 240), 1.1, Qt::SolidLine, Qt::RoundCap));
    for (int f = -1; f <= 1; ++f) p.drawLine(QPointF(67, 43), QPointF(73, 43 + f * 2.5f));
    p.setPen(Qt::NoPen);
}

void crossbowman(QPainter& p) {
    Person f;
    f.foot = {30, kGround};
    f.h = 58;
    f.torso = QColor(40, 70, 150);
    f.arms = QColor(150, 156, 170);
    f.legs = QColor(80, 70, 60);
    f.head = Head::Helmet;
    f.headgear = QColor(170, 176, 188);
    f.backArm = 80;
    f.frontArm = 75;
    f.overTorso = [](QPainter& q) {
        // White cross on the tabard.
        q.setPen(QPen(QColor(236, 232, 220), 2.2));
        q.drawLine(QPointF(30, 25), QPointF(30, 41));
        q.drawLine(QPointF(25, 31), QPointF(36, 31));
        q.setPen(Qt::NoPen);
    };
    f.frontProp = [](QPainter& q, QPointF h) {
        // Heavy crossbow held level: stock, steel bow, bolt.
        QPointF s = h + QPointF(-10, -2);
        pole(q, s, s + QPointF(34, -2), 3.4f, QColor(120, 80, 44));
        QPointF b = s + QPointF(30, -2);
        QPainterPath arc;
        arc.moveTo(b + QPointF(-5, -11));
        arc.quadTo(b + QPointF(4, 0), b + QPointF(-5, 11));
        q.setPen(QPen(kOutline, 4));
        q.drawPath(arc);
        q.setPen(QPen(QColor(190, 196, 206), 2.4));
        q.drawPath(arc);
        q.setPen(QPen(QColor(230, 226, 210), 0.8));
        q.drawLine(b + QPointF(-5, -11), s + QPointF(14, -2));
        q.drawLine(b + QPointF(-5, 11), s + QPointF(14, -2));
        q.setPen(QPen(QColor(70, 50, 30), 1.4));
        q.drawLine(s + QPointF(14, -3), b + QPointF(6, -2.5));
        q.setPen(Qt::NoPen);
    };
    drawPerson(p, f);
}

void catapult(QPainter& p) {
    const QColor wood(150, 104, 58), dark(110, 74, 40);
    // Crew member behind, pulling.
    Person c;
    c.foot = {14, kGround};
    c.h = 40;
    c.torso = QColor(150, 60, 50);
    c.head = Head::Cap;
    c.headgear = QColor(110, 80, 50);
    c.frontArm = 70;
    c.backArm = 60;
    drawPerson(p, c);
    // Frame.
    pole(p, {22, 66}, {68, 66}, 5, dark);
    pole(p, {30, 66}, {40, 40}, 4, wood);
    pole(p, {52, 66}, {42, 40}, 4, wood);
    pole(p, {34, 50}, {50, 50}, 3, dark);
    // Throwing arm with its cup and stone.
    pole(p, {62, 60}, {26, 20}, 4, wood);
    QPainterPath cup;
    cup.addEllipse(QPointF(24, 19), 6, 4);
    shapeFill(p, cup, dark);
    ellipseFill(p, {24, 14}, 6, 5.5f, QColor(140, 136, 128));
    // Wheels.
    for (float x : {28.0f, 60.0f}) {
        ellipseFill(p, {x, 68}, 7, 7, dark);
        ellipseFill(p, {x, 68}, 4, 4, wood, 0.8f);
        ellipseFill(p, {x, 68}, 1.5f, 1.5f, QColor(80, 80, 90), 0.6f);
    }
}

void dwarfArcher(QPainter& p) {
    Person f;
    f.foot = {32, kGround};
    f.h = 42;
    f.bulk = 1.45f;
    f.skin = QColor(232, 180, 140);
    f.torso = QColor(140, 96, 56);
    f.arms = QColor(120, 80, 46);
    f.legs = QColor(90, 80, 110);
    f.head = Head::Cap;
    f.headgear = QColor(120, 80, 40);
    f.beard = true;
    f.beardColour = QColor(190, 110, 40);
    f.stride = 0.45f;
    f.backArm = 85;
    f.frontArm = 75;
    drawPerson(p, f);
    bow(p, QPointF(50, 52), 12, 1, true, QPointF(36, 50));
    // Quiver.
    QPainterPath q;
    q.addRoundedRect(QRectF(20, 40, 6, 14), 2, 2);
    shapeFill(p, q, QColor(100, 60, 30), 0.8f);
    p.setPen(QPen(QColor(230, 230, 220), 1.2));
    p.drawLine(QPointF(22, 40), QPointF(21, 36));
    p.drawLine(QPointF(24, 40), QPointF(24, 35));
}

void giant(QPainter& p) {
    Person f;
    f.foot = {32, 77};
    f.h = 74;
    f.bulk = 1.35f;
    f.skin = QColor(214, 168, 126);
    f.torso = QColor(214, 168, 126);
    f.legs = QColor(206, 160, 120);
    f.boots = QColor(120, 90, 60);
    f.hair = QColor(130, 120, 110);
    f.beard = true;
    f.beardColour = QColor(150, 140, 130);
    f.stride = 0.4f;
    f.backArm = 15;
    f.frontArm = 60;
    f.overTorso = [](QPainter& q) {
        QPainterPath cloth;
        cloth.moveTo(21, 44);
        cloth.lineTo(44, 44);
        cloth.lineTo(42, 56);
        cloth.lineTo(34, 52);
        cloth.lineTo(24, 56);
        cloth.closeSubpath();
        shapeFill(q, cloth, QColor(110, 86, 54), 0.8f);
    };
    f.frontProp = [](QPainter& q, QPointF h) {
        pole(q, along(h, 120, 6), along(h, -60, 22), 3.4f);
        QPainterPath stone;
        QPointF c = along(h, -60, 27);
        stone.moveTo(c + QPointF(-7, -2));
        stone.lineTo(c + QPointF(-2, -8));
        stone.lineTo(c + QPointF(7, -5));
        stone.lineTo(c + QPointF(8, 3));
        stone.lineTo(c + QPointF(0, 7));
        stone.lineTo(c + QPointF(-6, 4));
        stone.closeSubpath();
        shapeFill(q, stone, QColor(140, 138, 132), 1, 0.5f);
    };
    drawPerson(p, f);
}

void peasant(QPainter& p) {
    Person f;
    f.foot = {30, kGround};
    f.h = 54;
    f.torso = QColor(176, 150, 100);
    f.arms = QColor(176, 150, 100);
    f.legs = QColor(110, 96, 70);
    f.boots = QColor(150, 120, 70);
    f.head = Head::StrawHat;
    f.headgear = QColor(232, 204, 110);
    f.backArm = 40;
    f.frontArm = 60;
    f.overTorso = [](QPainter& q) {
        q.fillRect(QRectF(26, 32, 5, 5), QColor(130, 90, 80));
        q.fillRect(QRectF(32, 40, 4, 4), QColor(100, 120, 90));
        q.setPen(QPen(QColor(80, 60, 40), 0.6, Qt::DotLine));
        q.drawRect(QRectF(26, 32, 5, 5));
        q.setPen(Qt::NoPen);
    };
    f.frontProp = [](QPainter& q, QPointF h) {
        QPointF top = along(h, -70, 28), tail = along(h, -70, -16);
        pole(q, tail, top, 2.2f);
        // Three tines.
        for (int k = -1; k <= 1; ++k) {
            QPointF b = top + QPointF(k * 3.5, 1.5);
            q.setPen(QPen(kOutline, 3, Qt::SolidLine, Qt::RoundCap));
            q.drawLine(b, along(b, -70, 9));
            q.setPen(QPen(QColor(190, 190, 196), 1.4, Qt::SolidLine, Qt::RoundCap));
            q.drawLine(b, along(b, -70, 9));
        }
        q.setPen(QPen(QColor(190, 190, 196), 1.8));
        q.drawLine(top + QPointF(-4, 1.5), top + QPointF(4, 1.5));
        q.setPen(Qt::NoPen);
    };
    drawPerson(p, f);
}

void hound(QPainter& p, QPointF foot, float scale, float stride, bool far) {
    Beast b;
    b.foot = foot;
    b.len = 34 * scale;
    b.hgt = 12 * scale;
    b.legLen = 13 * scale;
    b.hide = far ? QColor(120, 120, 124) : QColor(146, 146, 150);
    b.hooves = QColor(60, 60, 64);
    b.neckUp = 0.45f;
    b.stride = stride;
    b.headDraw = [scale, b](QPainter& q, QPointF n) {
        QPainterPath head;
        head.moveTo(n + QPointF(-4, -4) * scale);
        head.quadTo(n + QPointF(4, -7) * scale, n + QPointF(8, -3) * scale);
        head.lineTo(n + QPointF(15, 0) * scale);
        head.lineTo(n + QPointF(14, 3) * scale);
        head.lineTo(n + QPointF(2, 5) * scale);
        head.closeSubpath();
        shapeFill(q, head, b.hide);
        QPainterPath ear;
        ear.moveTo(n + QPointF(-2, -4) * scale);
        ear.lineTo(n + QPointF(0, -11) * scale);
        ear.lineTo(n + QPointF(4, -5) * scale);
        shapeFill(q, ear, shadeOf(b.hide, 0.8f), 0.8f);
        q.setPen(Qt::NoPen);
        q.setBrush(QColor(20, 10, 10));
        q.drawEllipse(n + QPointF(4, -2.5) * scale, 1.1, 1.1);
        q.drawEllipse(n + QPointF(14.5, 0.5) * scale, 1.2, 1.2);
        // Spiked collar.
        limb(q, n + QPointF(-5, -3) * scale, n + QPointF(-3, 6) * scale, 3 * scale,
             QColor(150, 40, 30), 0.8f);
        q.setPen(QPen(QColor(220, 220, 230), 1.3));
        for (int i = 0; i < 3; ++i) {
            QPointF s = n + QPointF(-4.5f + i * 0.6f, -2 + i * 3.5f) * scale;
            q.drawLine(s, s + QPointF(-3, 0));
        }
        q.setPen(Qt::NoPen);
    };
    drawBeast(p, b);
}

void hounds(QPainter& p) {
    hound(p, {44, 58}, 0.85f, -0.6f, true);
    hound(p, {32, kGround}, 1.0f, 0.6f, false);
}

void militia(QPainter& p) {
    Person f;
    f.foot = {34, kGround};
    f.h = 56;
    f.torso = QColor(190, 160, 104);
    f.arms = QColor(180, 150, 96);
    f.legs = QColor(100, 90, 70);
    f.head = Head::Cap;
    f.headgear = QColor(150, 60, 40);
    f.hair = QColor(120, 80, 40);
    f.backArm = 50;
    f.frontArm = 60;
    f.overTorso = [](QPainter& q) {
        q.setPen(QPen(QColor(130, 104, 64), 0.8));
        for (int i = 0; i < 4; ++i) q.drawLine(QPointF(27, 28 + i * 4), QPointF(41, 28 + i * 4));
        q.setPen(Qt::NoPen);
    };
    f.backProp = [](QPainter& q, QPointF h) { spear(q, h, -75, 64, 0.3f); };
    f.frontProp = [](QPainter& q, QPointF h) {
        roundShield(q, h + QPointF(2, -4), 11, QColor(180, 120, 60), QColor(120, 84, 50));
        q.setPen(QPen(QColor(110, 76, 44), 1));
        q.drawLine(h + QPointF(-6, -4), h + QPointF(10, -4));
        q.setPen(Qt::NoPen);
    };
    drawPerson(p, f);
}

void vityaz(QPainter& p) {
    Person f;
    f.foot = {32, kGround};
    f.h = 60;
    f.bulk = 1.15f;
    f.torso = QColor(156, 162, 172);
    f.arms = QColor(150, 156, 166);
    f.legs = QColor(140, 60, 50);
    f.boots = QColor(120, 40, 30);
    f.head = Head::PointedHelmet;
    f.headgear = QColor(196, 190, 160);
    f.beard = true;
    f.beardColour = QColor(150, 110, 60);
    f.backArm = 150;
    f.frontArm = 60;
    f.overTorso = [](QPainter& q) {
        // Mail rings.
        q.setPen(QPen(QColor(110, 116, 128), 0.6));
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 6; ++x)
                q.drawEllipse(QPointF(24 + x * 3 + (y % 2) * 1.5, 28 + y * 3.5), 1.2, 1.2);
        q.setPen(Qt::NoPen);
    };
    f.backProp = [](QPainter& q, QPointF h) { sword(q, h, -35, 24); };
    f.frontProp = [](QPainter& q, QPointF h) {
        roundShield(q, h + QPointF(4, -6), 13, QColor(196, 40, 36), QColor(210, 180, 80));
    };
    drawPerson(p, f);
}

void amazon(QPainter& p) {
    Person f;
    f.foot = {32, kGround};
    f.h = 60;
    f.bulk = 0.9f;
    f.skin = QColor(226, 178, 136);
    f.torso = QColor(196, 140, 62);
    f.legs = QColor(226, 178, 136);
    f.boots = QColor(150, 100, 50);
    f.head = Head::Plume;
    f.headgear = QColor(200, 150, 70);
    f.hair = QColor(60, 36, 20);
    f.stride = 0.5f;
    f.backArm = 30;
    f.frontArm = 80;
    f.overTorso = [](QPainter& q) {
        // Long hair behind the helmet and a pleated skirt.
        QPainterPath hair;
        hair.moveTo(26, 12);
        hair.quadTo(20, 22, 24, 32);
        hair.lineTo(28, 24);
        hair.closeSubpath();
        shapeFill(q, hair, QColor(60, 36, 20), 0.8f);
        QPainterPath skirt;
        skirt.moveTo(25, 48);
        skirt.lineTo(40, 48);
        skirt.lineTo(43, 57);
        skirt.lineTo(22, 57);
        skirt.closeSubpath();
        shapeFill(q, skirt, QColor(170, 50, 40), 0.8f);
    };
    f.frontProp = [](QPainter& q, QPointF h) { spear(q, h, -10, 56, 0.4f); };
    drawPerson(p, f);
}

void gorg(QPainter& p) {
    const QColor tawny(206, 154, 70);
    wing(p, {34, 38}, 30, 28, 1, QColor(150, 104, 50), QColor(100, 70, 30), true);
    Beast b;
    b.foot = {34, kGround};
    b.len = 40;
    b.hgt = 17;
    b.legLen = 14;
    b.hide = tawny;
    b.neckUp = 0.8f;
    b.headDraw = [](QPainter& q, QPointF n) {
        ellipseFill(q, n + QPointF(2, -2), 7, 6.5f, QColor(236, 228, 210));
        QPainterPath beak;
        beak.moveTo(n + QPointF(7, -4));
        beak.quadTo(n + QPointF(15, -4), n + QPointF(14, 4));
        beak.lineTo(n + QPointF(7, 2));
        beak.closeSubpath();
        shapeFill(q, beak, QColor(240, 190, 50), 0.8f);
        q.setPen(Qt::NoPen);
        q.setBrush(QColor(30, 20, 10));
        q.drawEllipse(n + QPointF(4, -4), 1.4, 1.4);
        QPainterPath tuft;
        tuft.moveTo(n + QPointF(-2, -7));
        tuft.lineTo(n + QPointF(-6, -13));
        tuft.lineTo(n + QPointF(1, -8));
        shapeFill(q, tuft, QColor(236, 228, 210), 0.6f);
    };
    drawBeast(p, b);
    wing(p, {38, 40}, 28, 30, 1, QColor(190, 140, 70), QColor(120, 84, 40), true);
}

struct Kind {
    Draw draw;
    QRectF shadow;
    Draw under;
    float scale = 1;
};

const std::map<std::string, Kind>& kinds() {
    static const std::map<std::string, Kind> k = {
        {"Barbar.pic", {barbarian, shadowAt(36, 30), {}}},
        {"Troll.pic", {troll, shadowAt(38, 38), {}}},
        {"Kent.pic", {centaur, shadowAt(36, 46), {}}},
        {"Elf.pic", {elf, shadowAt(34, 26), {}, 1.1f}},
        {"Flyer.pic", {flyers, QRectF(26, 70, 36, 6), {}}},
        {"Lich.pic", {lich, shadowAt(34, 30), {}, 1.08f}},
        {"Beast.pic", {beast, shadowAt(38, 58), {}}},
        {"Dragon.pic", {dragon, shadowAt(36, 50), {}}},
        {"GKav.pic", {dwarfKnight, shadowAt(38, 52), {}}},
        {"Fant.pic", {phantom, QRectF(22, 70, 30, 6), {}}},
        {"Arch.pic", {crossbowman, shadowAt(34, 28), {}, 1.08f}},
        {"Catap.pic", {catapult, shadowAt(42, 56), {}}},
        {"GArch.pic", {dwarfArcher, shadowAt(34, 26), {}, 1.15f}},
        {"Giant.pic", {giant, QRectF(18, 73, 36, 6), {}}},
        {"Peasant.pic", {peasant, shadowAt(32, 24), {}, 1.1f}},
        {"Wolf.pic", {hounds, shadowAt(38, 44), {}}},
        {"Polk.pic", {militia, shadowAt(34, 26), {}, 1.08f}},
        {"Vityaz.pic", {vityaz, shadowAt(34, 28), {}, 1.08f}},
        {"Amazon.pic", {amazon, shadowAt(34, 26), {}, 1.08f}},
        {"George.pic", {gorg, shadowAt(36, 48), {}}},
    };
    return k;
}

}  // namespace

QImage creaturePicture(const std::string& picFile) {
    const auto& k = kinds();
    auto it = k.find(picFile);
    if (it == k.end()) throw std::runtime_error("no drawing for creature " + picFile);
    int seed = 0;
    for (char ch : picFile) seed = (seed * 31 + static_cast<unsigned char>(ch)) & 0xFFFF;
    if (picFile == "Fant.pic") {
        // The wisps are thinned to every other pixel, so they go below the outlined body.
        const QImage under = thinOut(scaledCanvas(80, phantomWisps));
        return finishSprite(scaledCanvas(80, phantom), scaledThickness(1), &under);
    }
    return makeSprite(it->second.draw, it->second.shadow, seed, it->second.under, it->second.scale);
}

void genCreatures(Sink& s) {
    for (const Troop& t : CreatureTable) {
        std::string f = t.picFile.str();
        std::string rel = std::string(assets::kArmy) + f;
        if (s.wanted(rel)) s.pic(rel, creaturePicture(f), PicKind::Sprite);
    }
}

}  // namespace gen
