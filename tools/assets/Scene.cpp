#include "tools/assets/Scene.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "tools/assets/Paint.h"

namespace gen {

QImage skyImage(int w, int h, const QColor& top, const QColor& horizon) {
    QImage img = unitCanvas(w, h);
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, top);
    g.setColorAt(0.75, horizon);
    g.setColorAt(1, horizon);
    p.fillRect(QRect(0, 0, w, h), g);
    return img;
}

void hills(QPainter& p, int w, int h, float baseY, float amp, const QColor& c, int seed) {
    QPainterPath path;
    path.moveTo(0, h);
    for (int x = 0; x <= w; x += 4) {
        float y = baseY - amp * (fbm(float(x) / 90.0f, 0.5f, seed) - 0.5f) * 2;
        path.lineTo(x, y);
    }
    path.lineTo(w, h);
    path.closeSubpath();
    QLinearGradient g(0, baseY - amp, 0, h);
    g.setColorAt(0, shadeOf(c, 1.15f));
    g.setColorAt(1, shadeOf(c, 0.7f));
    p.setPen(Qt::NoPen);
    p.fillPath(path, g);
}

void stars(QPainter& p, int w, float maxY, int count, int seed) {
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        float x = hash01(i, 1, seed) * w, y = hash01(i, 2, seed) * maxY;
        float b = hash01(i, 3, seed);
        p.setBrush(QColor(255, 250, 230, int(120 + 135 * b)));
        p.drawEllipse(QPointF(x, y), 0.6 + b, 0.6 + b);
    }
}

void moon(QPainter& p, QPointF c, float r, const QColor& c1) {
    QRadialGradient g(c, r * 3);
    g.setColorAt(0, QColor(c1.red(), c1.green(), c1.blue(), 90));
    g.setColorAt(1, QColor(c1.red(), c1.green(), c1.blue(), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r * 3, r * 3);
    p.setBrush(c1);
    p.drawEllipse(c, r, r);
    p.setBrush(shadeOf(c1, 0.9f));
    p.drawEllipse(c + QPointF(r * 0.3f, r * 0.2f), r * 0.2f, r * 0.15f);
    p.drawEllipse(c + QPointF(-r * 0.3f, -r * 0.25f), r * 0.12f, r * 0.12f);
}

void vignette(QPainter& p, int w, int h, int strength) {
    QRadialGradient g(QPointF(w / 2.0, h / 2.0), std::hypot(w, h) / 2.0);
    g.setColorAt(0.6, QColor(0, 0, 0, 0));
    g.setColorAt(1, QColor(0, 0, 0, strength));
    p.fillRect(QRect(0, 0, w, h), g);
}

void parchment(QImage& img, int seed) {
    const float unit = renderScale();
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            float n = fbm(x / (40.0f * unit), y / (40.0f * unit), seed);
            float fine = hash01(x, y, seed + 1);
            QColor c = mix(QColor(214, 190, 140), QColor(240, 222, 180), n);
            c = shadeOf(c, 1 + (fine - 0.5f) * 0.06f);
            float ex = std::min({x, y, img.width() - 1 - x, img.height() - 1 - y}) / (24.0f * unit);
            if (ex < 1) c = mix(QColor(150, 110, 60), c, 0.4f + 0.6f * ex);
            img.setPixel(x, y, c.rgb());
        }
}

}  // namespace gen
