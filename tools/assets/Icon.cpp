// The game's icon: the hero's shield, night blue under a gold rim, with a sword laid
// over it and a glowing rune of the diary on the cross-guard. A small emblem that
// reads at 32 pixels, drawn afresh at every size so its lines stay crisp.
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <string>

#include "tools/assets/Figures.h"
#include "tools/assets/Gen.h"
#include "tools/assets/Paint.h"

namespace gen {

namespace {

// Everything is laid out on a 256-unit square; `px` is one pixel of the icon.
QPainterPath shieldPath(float inset) {
    QPainterPath path;
    const float l = 34 + inset, r = 222 - inset, top = 40 + inset;
    path.moveTo(l, top);
    path.quadTo(128, top - 14, r, top);
    path.lineTo(r, 120);
    path.cubicTo(r, 180, 170, 214, 128, 240 - inset * 1.4f);
    path.cubicTo(86, 214, l, 180, l, 120);
    path.closeSubpath();
    return path;
}

void shield(QPainter& p, float px, bool detail) {
    // A ground shadow to the lower right, as under every figure of the game.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 12, 8, 90));
    p.drawPath(shieldPath(0).translated(6, 8));

    shapeFill(p, shieldPath(0), QColor(214, 164, 56), std::max(px * 1.5f, 3.0f), 0.45f);
    const QPainterPath field = shieldPath(16);
    QLinearGradient night(0, 40, 0, 230);
    night.setColorAt(0, QColor(34, 46, 118));
    night.setColorAt(1, QColor(14, 18, 52));
    p.fillPath(field, night);
    QRadialGradient light(QPointF(80, 70), 150);
    light.setColorAt(0, QColor(150, 170, 255, 70));
    light.setColorAt(1, QColor(150, 170, 255, 0));
    p.fillPath(field, light);
    // Small icons keep the rim's gold clear of a second dark line.
    if (!detail) return;
    p.setPen(QPen(kOutline, std::max(px, 2.0f)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(field);

    // A crescent moon and a few stars over the field.
    p.save();
    p.setClipPath(field);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 238, 200));
    QPainterPath crescent;
    crescent.addEllipse(QPointF(76, 86), 18, 18);
    QPainterPath bite;
    bite.addEllipse(QPointF(86, 80), 16, 16);
    p.drawPath(crescent.subtracted(bite));
    for (const QPointF star : {QPointF(178, 76), QPointF(192, 118), QPointF(70, 142)})
        p.drawEllipse(star, 2.6, 2.6);
    p.restore();
}

void sword(QPainter& p, float px) {
    const float line = std::max(px * 1.2f, 2.5f);
    const QPen edge(kOutline, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    // The blade, point down, with a bright upper-left edge.
    QPainterPath blade;
    blade.moveTo(116, 92);
    blade.lineTo(140, 92);
    blade.lineTo(140, 196);
    blade.lineTo(128, 224);
    blade.lineTo(116, 196);
    blade.closeSubpath();
    QLinearGradient steel(116, 0, 140, 0);
    steel.setColorAt(0, QColor(246, 248, 252));
    steel.setColorAt(0.5, QColor(196, 204, 216));
    steel.setColorAt(1, QColor(120, 128, 146));
    p.fillPath(blade, steel);
    p.setPen(QPen(QColor(120, 128, 146), std::max(px, 2.0f)));
    p.drawLine(QPointF(128, 100), QPointF(128, 206));
    p.setPen(edge);
    p.setBrush(Qt::NoBrush);
    p.drawPath(blade);

    // Grip, cross-guard and pommel in the rim's gold.
    limb(p, QPointF(128, 42), QPointF(128, 84), 14, QColor(110, 60, 34), line);
    QPainterPath guard;
    guard.addRoundedRect(QRectF(78, 80, 100, 18), 9, 9);
    shapeFill(p, guard, QColor(222, 172, 60), line, 0.45f);
    ellipseFill(p, QPointF(128, 30), 13, 13, QColor(222, 172, 60), line);
}

// The rune gem at the heart of the guard, the cold blue of the diary's runes.
void rune(QPainter& p, float px) {
    glow(p, QPointF(128, 89), 15, QColor(225, 250, 255), QColor(70, 140, 230));
    p.setPen(QPen(kOutline, std::max(px, 1.5f)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(128, 89), 15, 15);
}

}  // namespace

QImage iconImage(int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p;
    beginPaint(p, img);
    const float unit = 256.0f / float(size);
    p.scale(1.0 / unit, 1.0 / unit);
    shield(p, unit, size >= 64);
    sword(p, unit);
    rune(p, unit);
    p.end();
    return img;
}

void genIcons(Sink& s) {
    for (int size : kIconSizes) s.png("Icons/" + std::to_string(size) + ".png", iconImage(size));
}

}  // namespace gen
