#include "tools/assets/Figures.h"

#include <QPainterPath>
#include <cmath>

#include "tools/assets/Paint.h"

namespace gen {

namespace {
constexpr float kDeg = 3.14159265f / 180;

QPointF at(const Person& f, float dx, float dy) {
    return QPointF(f.foot.x() + dx * f.dir, f.foot.y() + dy + f.bob);
}

void drawHead(QPainter& p, const Person& f, QPointF c, float r) {
    const QColor skin = f.skeleton ? QColor(226, 220, 196) : f.skin;
    const float d = f.dir;
    auto X = [&](float dx, float dy) { return QPointF(c.x() + dx * d, c.y() + dy); };
    if (f.head == Head::Hood) {
        QPainterPath hood;
        hood.moveTo(X(-r * 1.25f, r * 1.2f));
        hood.cubicTo(X(-r * 1.5f, -r * 1.3f), X(r * 0.2f, -r * 1.9f), X(r * 1.1f, -r * 0.4f));
        hood.lineTo(X(r * 1.15f, r * 1.1f));
        hood.closeSubpath();
        shapeFill(p, hood, f.headgear);
        // The face in the hood's shadow, eyes catching the light.
        QPainterPath face;
        face.addEllipse(X(r * 0.45f, r * 0.2f), r * 0.6f, r * 0.78f);
        p.fillPath(face, shadeOf(f.skin, 0.55f));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 236, 180));
        p.drawEllipse(X(r * 0.62f, r * 0.0f), r * 0.16f, r * 0.14f);
        p.drawEllipse(X(r * 0.2f, r * 0.0f), r * 0.13f, r * 0.13f);
        if (f.mask.isValid()) {
            QPainterPath m;
            m.moveTo(X(-r * 0.2f, r * 0.25f));
            m.lineTo(X(r * 1.12f, r * 0.2f));
            m.quadTo(X(r * 1.0f, r * 1.1f), X(r * 0.3f, r * 1.15f));
            m.quadTo(X(-r * 0.2f, r * 0.9f), X(-r * 0.2f, r * 0.25f));
            shapeFill(p, m, f.mask, 0.8f);
        }
        return;
    }
    if (f.head == Head::Skull || f.skeleton) {
        QPainterPath sk;
        sk.addEllipse(c, r, r * 0.95f);
        sk.addRect(
            QRectF(c.x() + (d > 0 ? -r * 0.1f : -r * 0.6f), c.y() + r * 0.4f, r * 0.7f, r * 0.75f));
        sk.setFillRule(Qt::WindingFill);
        shapeFill(p, sk.simplified(), skin);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(26, 16, 16));
        p.drawEllipse(X(r * 0.35f, -r * 0.05f), r * 0.28f, r * 0.32f);
        p.drawEllipse(X(-r * 0.25f, -r * 0.05f), r * 0.22f, r * 0.3f);
        p.setPen(QPen(QColor(60, 40, 30), 0.8));
        for (int i = 0; i < 3; ++i)
            p.drawLine(X(r * (0.05f + 0.18f * i), r * 0.85f), X(r * (0.05f + 0.18f * i), r * 1.1f));
    } else {
        ellipseFill(p, c, r, r * 1.05f, skin);
        // Nose on the facing side; the eye comes after the headgear, so that no helmet
        // rim hides it.
        p.setPen(QPen(shadeOf(skin, 0.7f), 1));
        p.drawLine(X(r * 0.85f, r * 0.05f), X(r * 1.05f, r * 0.35f));
        if (f.beard) {
            QPainterPath b;
            b.moveTo(X(-r * 0.5f, r * 0.2f));
            b.quadTo(X(-r * 0.2f, r * 2.1f), X(r * 0.9f, r * 1.5f));
            b.lineTo(X(r * 0.95f, r * 0.45f));
            b.quadTo(X(r * 0.3f, r * 0.8f), X(-r * 0.5f, r * 0.2f));
            shapeFill(p, b, f.beardColour, 0.8f);
        }
    }
    auto helmetDome = [&](float top) {
        QPainterPath h;
        h.moveTo(X(-r * 1.1f, r * 0.05f));
        h.cubicTo(X(-r * 1.1f, -r * top), X(r * 1.1f, -r * top), X(r * 1.1f, r * 0.05f));
        h.closeSubpath();
        shapeFill(p, h, f.headgear, 1, 0.5f);
    };
    switch (f.head) {
        case Head::Hair: {
            QPainterPath h;
            h.moveTo(X(-r * 1.05f, r * 0.5f));
            h.cubicTo(X(-r * 1.3f, -r * 1.4f), X(r * 0.9f, -r * 1.6f), X(r * 1.0f, -r * 0.35f));
            h.quadTo(X(r * 0.1f, -r * 0.7f), X(-r * 0.2f, r * 0.1f));
            h.closeSubpath();
            shapeFill(p, h, f.hair, 0.8f);
            break;
        }
        case Head::Helmet:
            helmetDome(1.5f);
            break;
        case Head::PointedHelmet: {
            QPainterPath h;
            h.moveTo(X(-r * 1.1f, r * 0.05f));
            h.quadTo(X(-r * 1.0f, -r * 1.0f), X(0, -r * 2.0f));
            h.quadTo(X(r * 1.0f, -r * 1.0f), X(r * 1.1f, r * 0.05f));
            h.closeSubpath();
            shapeFill(p, h, f.headgear, 1, 0.5f);
            p.setPen(QPen(shadeOf(f.headgear, 0.6f), 1.6));
            p.drawLine(X(r * 0.55f, -r * 0.1f), X(r * 0.6f, r * 0.75f));  // nose guard
            break;
        }
        case Head::Plume: {
            helmetDome(1.6f);
            QPainterPath pl;
            pl.moveTo(X(-r * 0.2f, -r * 1.1f));
            pl.cubicTo(X(-r * 0.6f, -r * 2.6f), X(-r * 2.2f, -r * 2.2f), X(-r * 2.2f, -r * 0.6f));
            pl.quadTo(X(-r * 1.2f, -r * 1.4f), X(-r * 0.2f, -r * 1.1f));
            shapeFill(p, pl, QColor(200, 40, 40), 0.8f);
            break;
        }
        case Head::StrawHat: {
            QPainterPath h;
            h.addEllipse(X(0, -r * 0.45f), r * 1.9f, r * 0.45f);
            shapeFill(p, h, f.headgear, 0.8f);
            QPainterPath t;
            t.moveTo(X(-r * 0.9f, -r * 0.5f));
            t.quadTo(X(0, -r * 2.0f), X(r * 0.9f, -r * 0.5f));
            t.closeSubpath();
            shapeFill(p, t, f.headgear, 0.8f);
            break;
        }
        case Head::Cap: {
            QPainterPath h;
            h.moveTo(X(-r * 1.05f, r * 0.1f));
            h.cubicTo(X(-r * 1.0f, -r * 1.5f), X(r * 1.0f, -r * 1.5f), X(r * 1.05f, -r * 0.1f));
            h.closeSubpath();
            shapeFill(p, h, f.headgear, 0.8f);
            break;
        }
        case Head::Crown: {
            QPainterPath h;
            h.moveTo(X(-r * 0.9f, -r * 0.5f));
            h.lineTo(X(-r * 1.0f, -r * 1.5f));
            h.lineTo(X(-r * 0.45f, -r * 1.0f));
            h.lineTo(X(0, -r * 1.7f));
            h.lineTo(X(r * 0.45f, -r * 1.0f));
            h.lineTo(X(r * 1.0f, -r * 1.5f));
            h.lineTo(X(r * 0.9f, -r * 0.5f));
            h.closeSubpath();
            shapeFill(p, h, QColor(230, 190, 60), 0.8f, 0.5f);
            break;
        }
        default:
            break;
    }
    if (!(f.head == Head::Skull || f.skeleton)) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 20, 20));
        p.drawEllipse(X(r * 0.45f, r * 0.15f), r * 0.14f, r * 0.18f);
        p.setPen(QPen(shadeOf(skin, 0.55f), 0.8));
        p.drawLine(X(r * 0.3f, -r * 0.12f), X(r * 0.65f, -r * 0.08f));  // brow
        p.setPen(Qt::NoPen);
    }
}
}  // namespace

void drawPerson(QPainter& p, const Person& f) {
    const float h = f.h, b = f.bulk;
    const float r = h * 0.125f;
    const QColor sleeve = f.arms.isValid() ? f.arms : f.skin;
    const QColor bone(226, 220, 196);
    const float armLen = h * 0.33f;
    const float limbW = std::max(2.0f, h * 0.085f * b);

    QPointF shoulderB = at(f, -h * 0.08f * b, -h * 0.70f);
    QPointF shoulderF = at(f, h * 0.07f * b, -h * 0.70f);
    auto hand = [&](QPointF sh, float deg) {
        return sh + QPointF(std::sin(deg * kDeg) * armLen * f.dir, std::cos(deg * kDeg) * armLen);
    };
    QPointF handB = hand(shoulderB, f.backArm), handF = hand(shoulderF, f.frontArm);

    // Back arm and its prop.
    if (f.backProp) f.backProp(p, handB);
    limb(p, shoulderB, handB, f.skeleton ? limbW * 0.5f : limbW,
         f.skeleton ? bone : shadeOf(sleeve, 0.8f));
    ellipseFill(p, handB, limbW * 0.55f, limbW * 0.55f, f.skeleton ? bone : shadeOf(f.skin, 0.85f),
                0.8f);

    QPointF hip = at(f, 0, -h * 0.40f);
    if (f.noLegs) {
    } else if (f.robe) {
        QPainterPath robe;
        robe.moveTo(at(f, -h * 0.12f * b, -h * 0.62f));
        robe.lineTo(at(f, h * 0.12f * b, -h * 0.62f));
        robe.quadTo(at(f, h * 0.2f * b, -h * 0.25f), at(f, h * 0.24f * b, 0));
        robe.lineTo(at(f, -h * 0.26f * b, 0));
        robe.quadTo(at(f, -h * 0.22f * b, -h * 0.3f), at(f, -h * 0.12f * b, -h * 0.62f));
        shapeFill(p, robe, shadeOf(f.legs, 0.95f));
        p.setPen(QPen(shadeOf(f.legs, 0.65f), 1));
        p.drawLine(at(f, -h * 0.02f, -h * 0.3f), at(f, -h * 0.05f, -h * 0.02f));
    } else {
        float sp = f.stride * h * 0.22f;
        QPointF footB = at(f, -sp - h * 0.02f, -h * 0.03f),
                footF = at(f, sp + h * 0.03f, -h * 0.03f);
        QColor lc = f.skeleton ? bone : f.legs;
        float lw = f.skeleton ? limbW * 0.55f : limbW * 1.15f;
        limb(p, hip + QPointF(-h * 0.03f * f.dir, 0), footB, lw, shadeOf(lc, 0.8f));
        limb(p, hip + QPointF(h * 0.03f * f.dir, 0), footF, lw, lc);
        if (!f.skeleton) {
            for (QPointF ft : {footB, footF}) {
                QPainterPath boot;
                boot.addRoundedRect(QRectF(ft.x() - h * 0.05f + (f.dir > 0 ? 0 : -h * 0.04f),
                                           ft.y() - h * 0.05f, h * 0.14f, h * 0.07f),
                                    1.5, 1.5);
                shapeFill(p, boot, f.boots, 0.8f);
            }
        }
    }

    // Torso.
    if (f.skeleton) {
        QPainterPath ribs;
        ribs.addRoundedRect(QRectF(at(f, -h * 0.09f, -h * 0.70f).x() - (f.dir < 0 ? h * 0.18f : 0),
                                   f.foot.y() + f.bob - h * 0.70f, h * 0.18f, h * 0.24f),
                            3, 3);
        shapeFill(p, ribs, QColor(70, 56, 50), 0.8f);
        p.setPen(QPen(bone, 1.4));
        for (int i = 0; i < 4; ++i) {
            float y = -h * (0.66f - i * 0.055f);
            p.drawLine(at(f, -h * 0.08f, y), at(f, h * 0.08f, y));
        }
        p.drawLine(at(f, 0, -h * 0.70f), at(f, 0, -h * 0.40f));
    } else {
        QPainterPath t;
        t.moveTo(at(f, -h * 0.13f * b, -h * 0.72f));
        t.lineTo(at(f, h * 0.12f * b, -h * 0.72f));
        t.quadTo(at(f, h * 0.15f * b, -h * 0.55f), at(f, h * 0.11f * b, -h * 0.38f));
        t.lineTo(at(f, -h * 0.12f * b, -h * 0.38f));
        t.quadTo(at(f, -h * 0.16f * b, -h * 0.55f), at(f, -h * 0.13f * b, -h * 0.72f));
        shapeFill(p, t, f.torso);
        p.setPen(QPen(QColor(60, 40, 24), std::max(1.0f, h * 0.03f)));
        p.drawLine(at(f, -h * 0.12f * b, -h * 0.43f), at(f, h * 0.11f * b, -h * 0.43f));
    }

    if (f.overTorso) f.overTorso(p);
    drawHead(p, f, at(f, h * 0.01f, -h + r), r);

    // Front arm and its prop.
    limb(p, shoulderF, handF, f.skeleton ? limbW * 0.5f : limbW, f.skeleton ? bone : sleeve);
    ellipseFill(p, handF, limbW * 0.55f, limbW * 0.55f, f.skeleton ? bone : f.skin, 0.8f);
    if (f.frontProp) f.frontProp(p, handF);
}

QPointF drawBeast(QPainter& p, const Beast& b) {
    const float d = b.dir;
    auto X = [&](float dx, float dy) { return QPointF(b.foot.x() + dx * d, b.foot.y() + dy); };
    const float bodyY = -b.legLen - b.hgt * 0.5f;
    const QColor belly = b.belly.isValid() ? b.belly : shadeOf(b.hide, 1.25f);
    const float lw = std::max(2.5f, b.hgt * 0.28f);

    // Far legs first, darker.
    auto leg = [&](float x, float swing, bool far) {
        QPointF top = X(x, bodyY + b.hgt * 0.2f);
        QPointF knee = X(x + swing * 0.5f, -b.legLen * 0.5f);
        QPointF hoof = X(x + swing, -1);
        QColor c = far ? shadeOf(b.hide, 0.72f) : b.hide;
        limb(p, top, knee, lw, c);
        limb(p, knee, hoof, lw * 0.75f, c);
        ellipseFill(p, hoof + QPointF(0, -0.5), lw * 0.45f, lw * 0.35f, b.hooves, 0.7f);
    };
    const int pairs = b.legs / 2;
    for (int i = 0; i < pairs; ++i) {
        float x = b.len * (0.38f - 0.76f * float(i) / float(std::max(1, pairs - 1)));
        float sw = (i % 2 ? -1 : 1) * b.stride * b.legLen * 0.35f;
        leg(x - 2, -sw, true);
    }
    if (b.tail) {
        QPainterPath t;
        t.moveTo(X(-b.len * 0.48f, bodyY - b.hgt * 0.2f));
        t.cubicTo(X(-b.len * 0.7f, bodyY - b.hgt * 0.1f), X(-b.len * 0.72f, bodyY + b.hgt * 0.6f),
                  X(-b.len * 0.66f, bodyY + b.hgt * 1.1f));
        p.setPen(QPen(kOutline, 4.5, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(t);
        p.setPen(QPen(shadeOf(b.hide, 0.7f), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(t);
        p.setPen(Qt::NoPen);
    }
    QPainterPath body;
    body.addEllipse(X(0, bodyY), b.len * 0.52f, b.hgt * 0.55f);
    shapeFill(p, body, b.hide);
    QPainterPath bl;
    bl.addEllipse(X(0, bodyY + b.hgt * 0.3f), b.len * 0.35f, b.hgt * 0.18f);
    p.fillPath(bl, mix(b.hide, belly, 0.6f));

    // Neck and head.
    QPointF neckBase = X(b.len * 0.38f, bodyY - b.hgt * 0.1f);
    QPointF neckEnd =
        X(b.len * (0.5f + 0.12f * (1 - b.neckUp)), bodyY - b.hgt * (0.2f + 0.9f * b.neckUp));
    limb(p, neckBase, neckEnd, b.hgt * 0.5f, b.hide);
    if (b.headDraw) {
        b.headDraw(p, neckEnd);
    } else {
        float hs = b.hgt * 0.35f * b.headSize;
        QPainterPath head;
        head.moveTo(neckEnd + QPointF(-hs * 0.6f * d, -hs * 0.6f));
        head.quadTo(neckEnd + QPointF(hs * 0.8f * d, -hs * 0.9f),
                    neckEnd + QPointF(hs * 1.9f * d, hs * 0.2f));
        head.quadTo(neckEnd + QPointF(hs * 1.8f * d, hs * 0.8f),
                    neckEnd + QPointF(hs * 1.2f * d, hs * 0.8f));
        head.quadTo(neckEnd + QPointF(0, hs * 0.9f), neckEnd + QPointF(-hs * 0.6f * d, -hs * 0.6f));
        shapeFill(p, head, b.hide);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(20, 14, 14));
        p.drawEllipse(neckEnd + QPointF(hs * 0.7f * d, -hs * 0.25f), 1.1, 1.1);
        QPainterPath ear;
        ear.moveTo(neckEnd + QPointF(-hs * 0.1f * d, -hs * 0.5f));
        ear.lineTo(neckEnd + QPointF(-hs * 0.3f * d, -hs * 1.4f));
        ear.lineTo(neckEnd + QPointF(hs * 0.35f * d, -hs * 0.6f));
        ear.closeSubpath();
        shapeFill(p, ear, b.hide, 0.8f);
    }
    for (int i = 0; i < pairs; ++i) {
        float x = b.len * (0.38f - 0.76f * float(i) / float(std::max(1, pairs - 1)));
        float sw = (i % 2 ? -1 : 1) * b.stride * b.legLen * 0.35f;
        leg(x + 2, sw, false);
    }
    return X(-b.len * 0.02f, bodyY - b.hgt * 0.5f);
}

}  // namespace gen

namespace gen {

QPointF along(QPointF from, float angleDeg, float dist) {
    return from + QPointF(std::cos(angleDeg * kDeg) * dist, std::sin(angleDeg * kDeg) * dist);
}

void pole(QPainter& p, QPointF a, QPointF b, float w, const QColor& c) {
    limb(p, a, b, w, c, 0.8f);
}

void spear(QPainter& p, QPointF hand, float a, float len, float back) {
    QPointF tail = along(hand, a, -len * back), tip = along(hand, a, len * (1 - back));
    pole(p, tail, tip, 1.8f);
    QPainterPath head;
    head.moveTo(along(tip, a, 7));
    head.lineTo(along(tip, a + 90, 2.2f));
    head.lineTo(along(tip, a, -1));
    head.lineTo(along(tip, a - 90, 2.2f));
    head.closeSubpath();
    shapeFill(p, head, QColor(200, 205, 215), 0.8f, 0.5f);
}

void sword(QPainter& p, QPointF hand, float a, float len) {
    QPainterPath blade;
    QPointF base = along(hand, a, 2.5f), tip = along(hand, a, len);
    blade.moveTo(along(base, a + 90, 1.6f));
    blade.lineTo(along(tip, a + 90, 0.3f));
    blade.lineTo(along(tip, a, 2));
    blade.lineTo(along(tip, a - 90, 0.3f));
    blade.lineTo(along(base, a - 90, 1.6f));
    blade.closeSubpath();
    shapeFill(p, blade, QColor(214, 220, 228), 0.8f, 0.6f);
    limb(p, along(base, a + 90, 3.5f), along(base, a - 90, 3.5f), 1.6f, QColor(200, 160, 60), 0.6f);
    limb(p, hand, along(hand, a, -3), 1.8f, QColor(90, 60, 40), 0.6f);
}

void axe(QPainter& p, QPointF hand, float a, float len, float s) {
    QPointF tail = along(hand, a, -len * 0.3f), top = along(hand, a, len * 0.7f);
    pole(p, tail, top, 2.2f);
    QPointF c = along(top, a, -s * 0.5f);
    QPainterPath blade;
    QPointF e1 = along(c, a, s * 0.9f), e2 = along(c, a, -s * 0.9f);
    QPointF outer = along(c, a + 90, s * 1.3f);
    blade.moveTo(along(c, a + 90, 1));
    blade.lineTo(along(e1, a + 90, s * 0.9f));
    blade.quadTo(along(outer, a + 90, s * 0.3f), along(e2, a + 90, s * 0.9f));
    blade.closeSubpath();
    shapeFill(p, blade, QColor(196, 200, 210), 1, 0.6f);
    QPainterPath spike;
    spike.moveTo(along(c, a, 2));
    spike.lineTo(along(c, a - 90, s * 0.8f));
    spike.lineTo(along(c, a, -2));
    spike.closeSubpath();
    shapeFill(p, spike, QColor(170, 176, 186), 0.8f);
}

void club(QPainter& p, QPointF hand, float a, float len, float r, const QColor& hc) {
    QPointF tail = along(hand, a, -len * 0.15f), top = along(hand, a, len * 0.85f);
    QPainterPath c;
    QPointF n1 = along(tail, a + 90, 1.6f), n2 = along(tail, a - 90, 1.6f);
    c.moveTo(n1);
    c.lineTo(along(top, a + 90, r));
    c.quadTo(along(top, a, r * 1.4f), along(top, a - 90, r));
    c.lineTo(n2);
    c.closeSubpath();
    shapeFill(p, c, hc, 1, 0.45f);
}

void roundShield(QPainter& p, QPointF c, float r, const QColor& face, const QColor& rim,
                 bool boss) {
    ellipseFill(p, c, r, r, rim, 1);
    ellipseFill(p, c, r * 0.8f, r * 0.8f, face, 0.6f);
    if (boss) ellipseFill(p, c + QPointF(-r * 0.05f, -r * 0.05f), r * 0.25f, r * 0.25f, rim, 0.8f);
}

void bow(QPainter& p, QPointF g, float half, float dir, bool drawn, QPointF sh) {
    QPainterPath b;
    QPointF t(g.x() - half * 0.35f * dir, g.y() - half),
        bt(g.x() - half * 0.35f * dir, g.y() + half);
    b.moveTo(t);
    b.quadTo(QPointF(g.x() + half * 0.5f * dir, g.y()), bt);
    p.setPen(QPen(kOutline, 3.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(b);
    p.setPen(QPen(QColor(150, 100, 50), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(b);
    p.setPen(QPen(QColor(230, 225, 210), 0.8));
    QPointF s = drawn ? sh : QPointF(g.x() - half * 0.4f * dir, g.y());
    p.drawLine(t, s);
    p.drawLine(s, bt);
    if (drawn) {
        p.setPen(QPen(QColor(120, 80, 40), 1.2));
        p.drawLine(s, QPointF(g.x() + 5 * dir, g.y()));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 200, 210));
        QPainterPath tip;
        QPointF tp(g.x() + 5 * dir, g.y());
        tip.moveTo(tp + QPointF(3 * dir, 0));
        tip.lineTo(tp + QPointF(0, -1.5));
        tip.lineTo(tp + QPointF(0, 1.5));
        tip.closeSubpath();
        p.drawPath(tip);
    }
    p.setPen(Qt::NoPen);
}

void glow(QPainter& p, QPointF c, float r, const QColor& core, const QColor& halo) {
    p.setPen(Qt::NoPen);
    for (int i = 3; i >= 0; --i) {
        float t = float(i) / 3;
        p.setBrush(mix(core, halo, t));
        p.drawEllipse(c, r * (0.35f + 0.65f * t), r * (0.35f + 0.65f * t));
    }
    p.setBrush(QColor(255, 255, 240));
    p.drawEllipse(c + QPointF(-r * 0.12f, -r * 0.12f), r * 0.15f, r * 0.15f);
}

}  // namespace gen
