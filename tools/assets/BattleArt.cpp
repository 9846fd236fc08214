// The battlefield: five summer ground textures that tile across the 7 x 5 field, the
// obstacles (animated water, lake and trees), the remains of a fallen stack, the
// impact and missile frames, and the small skull of the title bar.
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "platform/AssetNames.h"
#include "tools/assets/Figures.h"
#include "tools/assets/Gen.h"
#include "tools/assets/Paint.h"

namespace gen {

namespace {

constexpr int kC = 80;
constexpr float kPi = 3.14159265f;

float tileNoise(float x, float y, int cells, int seed) {
    return fbm(x * cells / kC, y * cells / kC, seed, cells);
}

void groundDetails(QPainter& p, int n, const QColor& base);

// Ground: a colour field between two colours with wrapping noise, plus flecks.
QImage ground(int n) {
    const float unit = renderScale();
    const int side = int(std::lround(kC * unit));
    QImage img(side, side, QImage::Format_ARGB32_Premultiplied);
    struct G {
        QColor a, b, fleck;
        int cells;
    };
    const G g[] = {
        {QColor(92, 132, 56), QColor(120, 156, 70), QColor(150, 186, 90), 4},      // meadow
        {QColor(206, 180, 122), QColor(226, 202, 146), QColor(180, 150, 100), 4},  // sand
        {QColor(112, 108, 104), QColor(136, 130, 122), QColor(90, 86, 82), 2},     // vault floor
        {QColor(74, 70, 52), QColor(98, 88, 62), QColor(130, 90, 120), 4},         // dark heath
        {QColor(132, 110, 70), QColor(150, 142, 80), QColor(104, 128, 58), 4},     // dry earth
    };
    const G& c = g[n - 1];
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            float v = tileNoise(float(x) / unit, float(y) / unit, c.cells, 200 + n);
            QColor col = mix(c.a, c.b, v);
            float grain = hash01(x, y, 210 + n);
            col = shadeOf(col, 1 + (grain - 0.5f) * 0.08f);
            if (grain > 0.985f) col = c.fleck;
            img.setPixel(x, y, col.rgb());
        }
    paintScaled(img, [&](QPainter& p) { groundDetails(p, n, c.a); });
    return img;
}

// A ground's details, in drawing units.
void groundDetails(QPainter& p, int n, const QColor& base) {
    if (n == 3) {
        // One square flagstone per battle cell: the joints fall on the cell
        // borders, so the floor shows the 7 x 5 grid the stacks move on. Each
        // slab is lit from the upper left. Drawn as whole units, so that the
        // joints stay one unit wide at any scale.
        p.setRenderHint(QPainter::Antialiasing, false);
        const QColor lit(156, 150, 142), dark(88, 84, 80), joint(58, 54, 52);
        p.fillRect(QRect(1, 1, 78, 1), lit);
        p.fillRect(QRect(1, 1, 1, 78), lit);
        p.fillRect(QRect(2, 78, 77, 1), dark);
        p.fillRect(QRect(78, 2, 1, 77), dark);
        for (const QRect& r :
             {QRect(0, 0, 80, 1), QRect(0, 79, 80, 1), QRect(0, 0, 1, 80), QRect(79, 0, 1, 80)})
            p.fillRect(r, joint);
        // A little wear: a hairline crack and two chipped spots, away from the
        // place where the head count is written.
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(QColor(102, 98, 94), 1));
        p.drawPolyline(QPolygonF({{14, 22}, {22, 27}, {27, 26}, {35, 33}}));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(108, 104, 100));
        p.drawEllipse(QPointF(55, 18), 2.5, 1.6);
        p.drawEllipse(QPointF(30, 52), 1.8, 1.2);
    } else {
        // Small details kept inside the cell.
        for (int i = 0; i < 5; ++i) {
            QPointF at(12 + hash01(i, 1, 220 + n) * 56, 12 + hash01(i, 2, 220 + n) * 56);
            // Dry earth keeps a few green tufts of trodden grass.
            QColor d = n == 5 ? QColor(92, 120, 50) : shadeOf(base, 0.8f);
            p.setPen(QPen(d, 1));
            if (n == 1 || n == 4 || n == 5)
                for (int k = -2; k <= 2; ++k)
                    p.drawLine(at, at + QPointF(k * 1.2, -3 - std::abs(k) * -0.5));
            else
                p.drawEllipse(at, 1.5, 1);
        }
    }
}

QImage sprite(const std::function<void(QPainter&)>& draw, int w = kC, int h = kC, int outline = 1,
              const std::function<void(QImage&)>& under = {}) {
    QImage body = scaledCanvas(w, h, draw);
    brushTexture(body, 0.06f, 5 * renderScale(), w * 7 + h);
    QImage low = canvas(body.width(), body.height());
    if (under) under(low);
    return finishSprite(body, outline > 0 ? scaledThickness(float(outline)) : 0, &low);
}

// Water: a shallow, irregular ford with stepping stones and moving ripples. Lake: a
// deep round pool with reeds and lily pads.
void waterBody(QPainter& p, QRectF r, int frame, bool lake) {
    QPainterPath bank;
    if (lake) {
        bank.addEllipse(r);
    } else {
        const QPointF c = r.center();
        for (int i = 0; i <= 24; ++i) {
            float a = float(i) / 24 * 2 * kPi;
            float k = 0.82f + 0.18f * hash01(i % 24, 3, 230);
            QPointF q =
                c + QPointF(std::cos(a) * r.width() / 2 * k, std::sin(a) * r.height() / 2 * k);
            if (i == 0)
                bank.moveTo(q);
            else
                bank.lineTo(q);
        }
        bank.closeSubpath();
    }
    shapeFill(p, bank, lake ? QColor(120, 110, 80) : QColor(176, 156, 112), 1.2f, 0.2f);
    QTransform shrink;
    const QPointF c = r.center();
    shrink.translate(c.x(), c.y());
    shrink.scale(lake ? 0.88 : 0.84, lake ? 0.86 : 0.8);
    shrink.translate(-c.x(), -c.y());
    QPainterPath in = shrink.map(bank);
    QRadialGradient g(c, float(r.width()) / 2);
    g.setColorAt(0, lake ? QColor(22, 56, 110) : QColor(70, 140, 170));
    g.setColorAt(1, lake ? QColor(50, 110, 150) : QColor(110, 176, 190));
    p.fillPath(in, g);
    p.setPen(QPen(QColor(210, 236, 248), 1.2));
    for (int i = 0; i < 3; ++i) {
        float ph = float(frame) * 0.9f + i * 2.1f;
        QPointF q =
            c + QPointF(std::cos(ph) * r.width() * 0.18f, std::sin(ph * 1.3f) * r.height() * 0.15f);
        p.drawArc(QRectF(q.x() - 6, q.y() - 2, 12, 4), 20 * 16, 140 * 16);
    }
    p.setPen(Qt::NoPen);
    if (lake) {
        // Lily pads and reeds swaying with the frames.
        for (int i = 0; i < 3; ++i)
            ellipseFill(p, c + QPointF(-16 + i * 14, 8 - (i % 2) * 14), 4, 2.6f,
                        QColor(70, 140, 60), 0.7f);
        p.setPen(QPen(QColor(80, 120, 50), 1.6, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 5; ++i) {
            QPointF b(r.left() + 8 + i * 3, r.bottom() - 8 + (i % 2) * 2);
            p.drawLine(b, b + QPointF(-1.5f + frame * 1.5f, -12 - (i % 2) * 4));
        }
        p.setPen(Qt::NoPen);
    } else {
        // Stepping stones.
        ellipseFill(p, c + QPointF(-12, 4), 4.5f, 3, QColor(150, 146, 136), 0.8f);
        ellipseFill(p, c + QPointF(10, -6), 4, 2.8f, QColor(150, 146, 136), 0.8f);
    }
}

void battleTree(QPainter& p, float sway) {
    pole(p, {40, 74}, {40, 44}, 6, QColor(110, 76, 46));
    const QColor leaf(64, 124, 48);
    const QPointF puffs[] = {{-12, 2}, {12, 2}, {0, 6}, {-7, -10}, {8, -10}, {0, -20}};
    for (int i = 0; i < 6; ++i)
        ellipseFill(p,
                    QPointF(40 + puffs[i].x() + sway * (1 - puffs[i].y() / 20), 34 + puffs[i].y()),
                    12, 11, i < 3 ? shadeOf(leaf, 0.85f) : leaf);
}

QImage boom(int f) {
    return sprite(
        [f](QPainter& p) {
            const float r = 10 + f * 7.0f;
            QPointF c(40, 40);
            QPainterPath star;
            for (int i = 0; i < 16; ++i) {
                float a = i * kPi / 8 + f * 0.2f;
                float rr = (i % 2 ? 0.45f : 1.0f) * r;
                QPointF q = c + QPointF(std::cos(a) * rr, std::sin(a) * rr);
                if (i == 0)
                    star.moveTo(q);
                else
                    star.lineTo(q);
            }
            star.closeSubpath();
            const QColor outer = f < 4 ? QColor(250, 150, 40) : QColor(180, 110, 70);
            p.fillPath(star, outer);
            QPainterPath core;
            core.addEllipse(c, r * 0.45f, r * 0.45f);
            p.fillPath(core, f < 3 ? QColor(255, 240, 150) : QColor(240, 180, 90));
            if (f >= 3) {
                // Fading: holes of smoke.
                p.setBrush(QColor(150, 140, 130));
                p.setPen(Qt::NoPen);
                for (int i = 0; i < 6; ++i)
                    p.drawEllipse(
                        c + QPointF(std::cos(i * 1.1f) * r * 0.6f, std::sin(i * 1.1f) * r * 0.6f),
                        4, 4);
            }
        },
        kC, kC, 0);
}

QImage shot(int f) {
    return sprite([f](QPainter& p) {
        // The arrow flies in from the left and strikes the middle of the cell.
        float x = 8 + f * 16.0f;
        QPointF tip(x + 18, 40 - (4 - f) * 2);
        p.setPen(QPen(QColor(230, 230, 220, 255), 1.2, Qt::DashLine));
        p.drawLine(tip - QPointF(40, -((4 - f) * 2) * 0.5), tip - QPointF(22, 0));
        limb(p, tip - QPointF(22, 0), tip, 1.6f, QColor(150, 100, 50), 0.6f);
        QPainterPath head;
        head.moveTo(tip + QPointF(4, 0));
        head.lineTo(tip + QPointF(-2, -3));
        head.lineTo(tip + QPointF(-2, 3));
        head.closeSubpath();
        shapeFill(p, head, QColor(200, 204, 214), 0.6f);
        QPainterPath fl;
        QPointF t = tip - QPointF(22, 0);
        fl.moveTo(t);
        fl.lineTo(t + QPointF(-5, -4));
        fl.lineTo(t + QPointF(3, 0));
        fl.lineTo(t + QPointF(-5, 4));
        fl.closeSubpath();
        shapeFill(p, fl, QColor(220, 60, 50), 0.6f);
        if (f == 4) {
            p.setPen(QPen(QColor(255, 240, 160), 1.5));
            for (int i = 0; i < 6; ++i) {
                float a = i * kPi / 3;
                p.drawLine(tip + QPointF(std::cos(a) * 4, std::sin(a) * 4),
                           tip + QPointF(std::cos(a) * 9, std::sin(a) * 9));
            }
        }
    });
}

QImage skull(int f) {
    return sprite(
        [f](QPainter& p) {
            ellipseFill(p, {13, 11}, 8, 7.5f, QColor(236, 230, 206), 1);
            QPainterPath jaw;
            jaw.addRoundedRect(QRectF(8.5, 14, 9, 6), 2, 2);
            shapeFill(p, jaw, QColor(226, 220, 196), 1);
            const QColor eye = f == 1   ? QColor(120, 20, 10)
                               : f == 2 ? QColor(230, 60, 20)
                                        : QColor(255, 200, 60);
            p.setPen(Qt::NoPen);
            p.setBrush(eye);
            p.drawEllipse(QPointF(10, 11), 2.4, 2.6);
            p.drawEllipse(QPointF(16, 11), 2.4, 2.6);
            p.setPen(QPen(QColor(60, 40, 30), 0.8));
            for (int i = 0; i < 3; ++i)
                p.drawLine(QPointF(10.5 + i * 2.5, 17), QPointF(10.5 + i * 2.5, 20));
        },
        26, 26, 1);
}

QImage dead() {
    return sprite([](QPainter& p) {
        // Low contrast, so it reads as ground: bones and a broken shield.
        const QColor bone(196, 188, 164), shield(120, 96, 72);
        QPainterPath sh;
        sh.moveTo(46, 52);
        sh.arcTo(QRectF(36, 40, 26, 24), 0, 200);
        sh.lineTo(52, 56);
        sh.lineTo(58, 50);
        sh.closeSubpath();
        shapeFill(p, sh, shield, 1, 0.2f);
        limb(p, {18, 60}, {34, 54}, 2.4f, bone, 0.8f);
        limb(p, {22, 50}, {30, 64}, 2.2f, bone, 0.8f);
        ellipseFill(p, {28, 44}, 5, 4.5f, bone, 0.8f);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 50, 40));
        p.drawEllipse(QPointF(26.5, 44), 1.2, 1.2);
        p.drawEllipse(QPointF(29.8, 44), 1.2, 1.2);
        limb(p, {50, 66}, {66, 70}, 2, QColor(150, 150, 156), 0.8f);  // broken blade
    });
}

}  // namespace

void genBattleArt(Sink& s) {
    const std::string d = assets::kBattle;
    for (int n = 1; n <= 5; ++n) s.pic(d + assets::battleBackground(n), ground(n), PicKind::Opaque);
    for (int f = 1; f <= 3; ++f)
        s.pic(d + "water" + std::to_string(f) + ".pic",
              sprite([f](QPainter& p) { waterBody(p, QRectF(10, 22, 60, 46), f - 1, false); }),
              PicKind::Sprite);
    for (int f = 1; f <= 2; ++f)
        s.pic(d + "lake" + std::to_string(f) + ".pic",
              sprite([f](QPainter& p) { waterBody(p, QRectF(4, 10, 72, 64), f * 2, true); }),
              PicKind::Sprite);
    for (int f = 1; f <= 2; ++f)
        s.pic(d + "tree" + std::to_string(f) + ".pic",
              sprite([f](QPainter& p) { battleTree(p, f == 1 ? -1.5f : 1.5f); }, kC, kC, 1,
                     [](QImage& u) { groundShadow(u, QRectF(30, 70, 34, 7)); }),
              PicKind::Sprite);
    s.pic(d + "rock.pic",
          sprite(
              [](QPainter& p) {
                  QPainterPath r;
                  r.moveTo(12, 70);
                  r.lineTo(18, 40);
                  r.lineTo(36, 22);
                  r.lineTo(56, 28);
                  r.lineTo(68, 48);
                  r.lineTo(70, 70);
                  r.closeSubpath();
                  shapeFill(p, r, QColor(140, 132, 120), 1.2f, 0.45f);
                  p.setPen(QPen(QColor(90, 84, 78), 1));
                  p.drawLine(QPointF(36, 22), QPointF(40, 50));
                  p.drawLine(QPointF(40, 50), QPointF(34, 70));
                  p.drawLine(QPointF(40, 50), QPointF(62, 56));
              },
              kC, kC, 1, [](QImage& u) { groundShadow(u, QRectF(16, 66, 60, 9)); }),
          PicKind::Sprite);
    s.pic(d + "pit.pic", sprite([](QPainter& p) {
              ellipseFill(p, {40, 46}, 30, 22, QColor(120, 96, 70), 1.2f);
              ellipseFill(p, {41, 48}, 24, 16, QColor(30, 22, 18), 0);
              ellipseFill(p, {43, 52}, 16, 9, QColor(14, 10, 8), 0);
          }),
          PicKind::Sprite);
    s.pic(d + "bog.pic", sprite([](QPainter& p) {
              ellipseFill(p, {40, 46}, 32, 24, QColor(84, 90, 50), 1.2f);
              p.setPen(Qt::NoPen);
              for (int i = 0; i < 7; ++i) {
                  p.setBrush(i % 2 ? QColor(60, 70, 40) : QColor(110, 120, 60));
                  p.drawEllipse(QPointF(22 + i * 6, 38 + (i % 3) * 7), 5, 3);
              }
              p.setPen(QPen(QColor(120, 150, 70), 1.2));
              for (int i = 0; i < 5; ++i)
                  p.drawLine(QPointF(20 + i * 10, 60), QPointF(18 + i * 10, 48));
              p.setBrush(QColor(150, 170, 120));
              p.setPen(QPen(kOutline, 0.6));
              p.drawEllipse(QPointF(50, 44), 2, 2);
              p.drawEllipse(QPointF(32, 52), 1.5, 1.5);
          }),
          PicKind::Sprite);
    s.pic(d + "wall.pic", sprite([](QPainter& p) {
              // A block of vault masonry filling the cell.
              const QColor stone(120, 112, 104);
              QPainterPath w;
              w.addRect(QRectF(3, 8, 74, 70));
              shapeFill(p, w, stone, 1.4f, 0.3f);
              p.setPen(QPen(QColor(70, 64, 60), 1.2));
              for (int row = 0; row < 5; ++row) {
                  float y = 8 + row * 14;
                  p.drawLine(QPointF(3, y), QPointF(77, y));
                  for (float x = 3 + (row % 2) * 12; x < 77; x += 24)
                      p.drawLine(QPointF(x, y), QPointF(x, y + 14));
              }
              p.setPen(QPen(QColor(160, 152, 142), 1));
              for (int row = 0; row < 5; ++row)
                  p.drawLine(QPointF(4, 9.5 + row * 14), QPointF(76, 9.5 + row * 14));
          }),
          PicKind::Sprite);
    s.pic(d + "dead.pic", dead(), PicKind::Sprite);
    for (int f = 1; f <= 4; ++f) {
        s.pic(d + "boom" + std::to_string(f) + ".pic", boom(f), PicKind::Sprite);
        s.pic(d + "shot" + std::to_string(f) + ".pic", shot(f), PicKind::Sprite);
    }
    for (int f = 1; f <= 3; ++f)
        s.pic(d + "skull" + std::to_string(f) + ".pic", skull(f), PicKind::Sprite);
}

}  // namespace gen
