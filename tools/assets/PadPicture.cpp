// The help page's picture of the gamepad: a standard pad drawn plainly, lit from
// the upper left like everything else of the game, on the help page's own
// parchment, with what each button does on the map (upright) and in battle
// (italic) written beside it.
#include <QFont>
#include <QFontMetricsF>
#include <QPainterPath>
#include <algorithm>
#include <vector>

#include "platform/AssetNames.h"
#include "tools/assets/Gen.h"
#include "tools/assets/Paint.h"

namespace gen {

namespace {

constexpr int kW = 680, kH = 400;
// The help page's colours: its paper, its ink, its headings and its rules.
const QColor kPaper(0xef, 0xe3, 0xc4);
const QColor kInk(0x2c, 0x21, 0x16);
const QColor kHeading(0x7a, 0x2a, 0x14);
const QColor kRule(0xb5, 0x9a, 0x68);

const QColor kBody(74, 70, 76);
const QColor kTrim(48, 45, 50);

// The face buttons in their usual colours, where they sit on the pad.
struct Face {
    const char* name;
    QColor colour;
    QPointF at;
};
const Face kFaces[] = {
    {"Y", QColor(232, 190, 40), QPointF(426, 142)},
    {"X", QColor(50, 110, 210), QPointF(402, 166)},
    {"B", QColor(200, 50, 40), QPointF(450, 166)},
    {"A", QColor(70, 160, 60), QPointF(426, 190)},
};
constexpr float kFaceR = 11;

const QPointF kLeftStick(258, 166), kRightStick(388, 228), kDpad(296, 228);
const QPointF kBack(316, 162), kStart(364, 162);
const QRectF kLeftShoulder(206, 98, 82, 24), kRightShoulder(392, 98, 82, 24);

QFont font(int px, bool bold, bool italic = false) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(px);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

void letter(QPainter& p, QPointF c, const QString& text, int px, const QColor& colour) {
    p.setFont(font(px, true));
    p.setPen(colour);
    p.drawText(QRectF(c.x() - 20, c.y() - 12, 40, 24), Qt::AlignCenter, text);
}

void stick(QPainter& p, QPointF c) {
    ellipseFill(p, c, 27, 27, kTrim, 1.5f);
    ellipseFill(p, c, 20, 20, QColor(96, 92, 100), 1.5f);
    p.setPen(QPen(QColor(70, 66, 72), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 13, 13);
}

void dpad(QPainter& p, QPointF c) {
    constexpr float arm = 23, half = 8;
    QPainterPath cross;
    cross.addRoundedRect(QRectF(c.x() - half, c.y() - arm, 2 * half, 2 * arm), 3, 3);
    cross.addRoundedRect(QRectF(c.x() - arm, c.y() - half, 2 * arm, 2 * half), 3, 3);
    shapeFill(p, cross.simplified(), QColor(58, 55, 60), 1.5f);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 146, 152));
    for (int k = 0; k < 4; ++k) {
        const float dx = k == 0 ? 1 : k == 1 ? -1 : 0, dy = k == 2 ? 1 : k == 3 ? -1 : 0;
        const QPointF tip = c + QPointF(dx, dy) * (arm - 4);
        const QPointF side(dy * 4, dx * 4);
        p.drawPolygon(
            QPolygonF{tip, tip - QPointF(dx, dy) * 6 + side, tip - QPointF(dx, dy) * 6 - side});
    }
}

void pad(QPainter& p) {
    // The shadow on the page, to the lower right.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 40, 20, 45));
    p.drawEllipse(QRectF(214, 300, 270, 44));

    for (const QRectF& r : {kLeftShoulder, kRightShoulder}) {
        QPainterPath shoulder;
        shoulder.addRoundedRect(r, 10, 10);
        shapeFill(p, shoulder, QColor(96, 92, 100), 1.5f);
    }
    letter(p, kLeftShoulder.center() - QPointF(0, 4), QStringLiteral("LB"), 11,
           QColor(235, 230, 236));
    letter(p, kRightShoulder.center() - QPointF(0, 4), QStringLiteral("RB"), 11,
           QColor(235, 230, 236));

    QPainterPath body;
    body.addRoundedRect(QRectF(196, 114, 288, 132), 56, 56);
    QPainterPath grips;
    grips.addEllipse(QPointF(246, 258), 50, 64);
    grips.addEllipse(QPointF(434, 258), 50, 64);
    shapeFill(p, body.united(grips).simplified(), kBody, 2.0f, 0.4f);

    stick(p, kLeftStick);
    stick(p, kRightStick);
    dpad(p, kDpad);
    for (QPointF c : {kBack, kStart}) {
        QPainterPath pill;
        pill.addRoundedRect(QRectF(c.x() - 10, c.y() - 5, 20, 10), 5, 5);
        shapeFill(p, pill, QColor(40, 38, 42), 1.0f);
    }
    for (const Face& f : kFaces) {
        ellipseFill(p, f.at, kFaceR, kFaceR, f.colour, 1.5f);
        letter(p, f.at, QString::fromLatin1(f.name), 12, Qt::white);
    }
}

// One button's label: its name, what it does on the map and, in italic, in battle.
struct Label {
    QString name;
    QColor badge;  // a face button's colour; invalid for the rest
    QString map, battle;
    QPointF at;                   // the top left of the text
    std::vector<QPointF> points;  // the parts it names, with a line to each
};

void label(QPainter& p, const Label& l) {
    const QFont nameFont = font(13, true), mapFont = font(13, false),
                battleFont = font(12, false, true);
    float x = float(l.at.x());
    const float y = float(l.at.y());
    if (l.badge.isValid()) {
        ellipseFill(p, QPointF(x + 10, y + 9), 10, 10, l.badge, 1.2f);
        letter(p, QPointF(x + 10, y + 9), l.name, 11, Qt::white);
        x += 26;
    } else if (!l.name.isEmpty()) {
        p.setFont(nameFont);
        p.setPen(kInk);
        p.drawText(QPointF(x, y + 14), l.name);
        x += float(QFontMetricsF(nameFont).horizontalAdvance(l.name)) + 8;
    }
    p.setFont(mapFont);
    p.setPen(kInk);
    p.drawText(QPointF(x, y + 14), l.map);
    float right = x + float(QFontMetricsF(mapFont).horizontalAdvance(l.map));
    if (!l.battle.isEmpty()) {
        p.setFont(battleFont);
        p.setPen(kHeading);
        p.drawText(QPointF(x, y + 30), l.battle);
        right = std::max(right, x + float(QFontMetricsF(battleFont).horizontalAdvance(l.battle)));
    }
    // The lines leave the label on the side that faces the pad.
    p.setPen(QPen(kRule, 1.5, Qt::SolidLine, Qt::RoundCap));
    for (QPointF to : l.points) {
        const bool left = to.x() > right;
        const QPointF from(left ? right + 6 : l.at.x() - 6, y + 9);
        p.drawLine(from, to);
        p.setBrush(kRule);
        p.drawEllipse(to, 2.5, 2.5);
    }
}

QImage padPicture() {
    QImage img(kW, kH, QImage::Format_RGB32);
    img.fill(kPaper);
    QPainter p;
    beginPaint(p, img);
    pad(p);

    const QColor none;
    const Label labels[] = {
        {"LB", none, "ГОРОДА", "журнал битвы", QPointF(14, 64), {QPointF(222, 106)}},
        {"Back", none, "эта справка", "", QPointF(150, 18), {QPointF(316, 157)}},
        {"Start", none, "ОПЦИИ", "", QPointF(396, 18), {QPointF(364, 157)}},
        {"RB", none, "ЗАКЛЯТЬЕ", "", QPointF(502, 64), {QPointF(458, 106)}},
        {"", none, "крестовина, левый стик:", "", QPointF(14, 150), {}},
        {"",
         none,
         "шаг в восемь сторон",
         "шаг или атака",
         QPointF(14, 170),
         {kLeftStick - QPointF(16, 0), kDpad - QPointF(20, 0)}},
        {"Y", kFaces[0].colour, "АРМИЯ", "ходы компьютеру", QPointF(502, 110), {}},
        {"X", kFaces[1].colour, "ДНЕВНИК", "подождать", QPointF(502, 154), {}},
        {"B", kFaces[2].colour, "остановить путь", "отступить", QPointF(502, 198), {}},
        {"A", kFaces[3].colour, "Пробел, щелчок", "конец хода, выстрел", QPointF(502, 242), {}},
        {"", none, "правый стик:", "", QPointF(502, 296), {}},
        {"",
         none,
         "курсор клетки",
         "курсор клетки",
         QPointF(502, 316),
         {kRightStick + QPointF(20, 10)}},
    };
    for (const Label& l : labels) label(p, l);

    p.setFont(font(12, false, true));
    p.setPen(kHeading);
    p.drawText(QRectF(0, kH - 34, kW, 20), Qt::AlignCenter,
               QStringLiteral("Прямо — на карте, курсивом — в битве"));
    p.end();
    return img;
}

}  // namespace

void genPadPicture(Sink& s) {
    if (s.wanted(assets::kHelpPad)) s.png(assets::kHelpPad, padPicture());
}

}  // namespace gen
