#include "tools/assets/Paint.h"

#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace gen {

namespace {
float gScale = 1;
}

float renderScale() {
    return gScale;
}
ScaleScope::ScaleScope(float s) : old_(gScale) {
    gScale = s;
}
ScaleScope::~ScaleScope() {
    gScale = old_;
}

QImage canvas(int w, int h) {
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

void paintScaled(QImage& img, const Drawing& draw) {
    const float s = renderScale();
    QPainter p;
    beginPaint(p, img);
    p.scale(s, s);
    draw(p);
    p.end();
}

QImage scaledCanvas(int units, const Drawing& draw) {
    return scaledCanvas(units, units, draw);
}

QImage scaledCanvas(int width, int height, const Drawing& draw) {
    QImage img = unitCanvas(width, height);
    img.setDevicePixelRatio(1);
    paintScaled(img, draw);
    return img;
}

QImage unitCanvas(int width, int height) {
    const float s = renderScale();
    return inUnits(canvas(int(std::lround(width * s)), int(std::lround(height * s))));
}

QImage inUnits(QImage img) {
    img.setDevicePixelRatio(renderScale());
    return img;
}

int scaledThickness(float units) {
    return std::max(1, int(std::lround(units * renderScale())));
}

void beginPaint(QPainter& p, QImage& img) {
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

float hash01(int x, int y, int seed) {
    uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + uint32_t(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return float(h & 0xFFFFFF) / float(0xFFFFFF);
}

float vnoise(float x, float y, int seed, int period) {
    int xi = int(std::floor(x)), yi = int(std::floor(y));
    float fx = x - float(xi), fy = y - float(yi);
    auto wrap = [period](int v) { return period > 0 ? ((v % period) + period) % period : v; };
    int x0 = wrap(xi), x1 = wrap(xi + 1), y0 = wrap(yi), y1 = wrap(yi + 1);
    float a = hash01(x0, y0, seed), b = hash01(x1, y0, seed);
    float c = hash01(x0, y1, seed), d = hash01(x1, y1, seed);
    float sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    return (a + (b - a) * sx) * (1 - sy) + (c + (d - c) * sx) * sy;
}

float fbm(float x, float y, int seed, int period) {
    float v = 0, amp = 0.5f, tot = 0;
    for (int o = 0; o < 3; ++o) {
        int per = period > 0 ? period << o : 0;
        v += amp * vnoise(x * float(1 << o), y * float(1 << o), seed + 31 * o, per);
        tot += amp;
        amp *= 0.5f;
    }
    return v / tot;
}

QColor mix(const QColor& a, const QColor& b, float t) {
    t = std::clamp(t, 0.0f, 1.0f);
    return QColor(int(a.red() + (b.red() - a.red()) * t + 0.5f),
                  int(a.green() + (b.green() - a.green()) * t + 0.5f),
                  int(a.blue() + (b.blue() - a.blue()) * t + 0.5f),
                  int(a.alpha() + (b.alpha() - a.alpha()) * t + 0.5f));
}

QColor shadeOf(const QColor& c, float f) {
    if (f >= 1) return mix(c, QColor(255, 250, 235, c.alpha()), std::min(1.0f, f - 1));
    return mix(QColor(20, 14, 24, c.alpha()), c, f);
}

void shadeFill(QPainter& p, const QPainterPath& path, const QColor& base, float strength) {
    QRectF r = path.boundingRect();
    QPointF hi(r.left() + r.width() * 0.3, r.top() + r.height() * 0.25);
    float rad = float(std::max(r.width(), r.height())) * 1.05f + 1;
    QRadialGradient g(hi, rad, hi);
    g.setColorAt(0, shadeOf(base, 1 + strength * 0.8f));
    g.setColorAt(0.45, base);
    g.setColorAt(1, shadeOf(base, 1 - strength));
    p.fillPath(path, g);
}

void shapeFill(QPainter& p, const QPainterPath& path, const QColor& base, float outline,
               float strength) {
    shadeFill(p, path, base, strength);
    if (outline > 0) {
        p.setPen(QPen(kOutline, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
}

void ellipseFill(QPainter& p, QPointF c, float rx, float ry, const QColor& base, float outline) {
    QPainterPath path;
    path.addEllipse(c, rx, ry);
    shapeFill(p, path, base, outline);
}

void limb(QPainter& p, QPointF a, QPointF b, float width, const QColor& c, float outline) {
    if (outline > 0) {
        p.setPen(QPen(kOutline, width + 2 * outline, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(a, b);
    }
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
    // A lighter stripe on the lit side.
    if (width >= 3) {
        QPointF d = b - a;
        float len = float(std::hypot(d.x(), d.y()));
        if (len > 0.5f) {
            QPointF n(-d.y() / len, d.x() / len);
            if (n.x() + n.y() > 0) n = -n;  // towards the upper left
            QPointF o = n * (width * 0.22);
            p.setPen(
                QPen(shadeOf(c, 1.25f), std::max(1.0f, width * 0.3f), Qt::SolidLine, Qt::RoundCap));
            p.drawLine(a + o, b + o);
        }
    }
    p.setPen(Qt::NoPen);
}

void brushTexture(QImage& img, float amount, float scale, int seed) {
    if (img.format() != QImage::Format_ARGB32_Premultiplied)
        img = img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < img.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            int a = qAlpha(row[x]);
            if (a == 0) continue;
            float n = fbm(float(x) / scale, float(y) / scale, seed) - 0.5f;
            float f = 1 + n * amount * 2;
            auto ch = [&](int v) { return std::clamp(int(float(v) * f + 0.5f), 0, a); };
            row[x] = qRgba(ch(qRed(row[x])), ch(qGreen(row[x])), ch(qBlue(row[x])), a);
        }
    }
}

void groundShadow(QImage& layer, QRectF e, const QColor& c) {
    const float s = renderScale();
    e = QRectF(e.x() * s, e.y() * s, e.width() * s, e.height() * s);
    QPointF ctr = e.center();
    double rx = e.width() / 2, ry = e.height() / 2;
    for (int y = int(e.top()); y <= int(e.bottom()); ++y)
        for (int x = int(e.left()); x <= int(e.right()); ++x) {
            if (x < 0 || y < 0 || x >= layer.width() || y >= layer.height()) continue;
            if ((x + y) % 2) continue;
            double dx = (x + 0.5 - ctr.x()) / rx, dy = (y + 0.5 - ctr.y()) / ry;
            if (dx * dx + dy * dy <= 1) layer.setPixel(x, y, c.rgb());
        }
}

QImage finishSprite(const QImage& body, int thickness, const QImage* under, const QColor& outline) {
    QImage src = body.convertToFormat(QImage::Format_ARGB32);
    const int w = src.width(), h = src.height();
    std::vector<uint8_t> solid(size_t(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) solid[size_t(y) * w + x] = qAlpha(src.pixel(x, y)) >= 110;
    QImage out(w, h, QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    if (under) {
        QImage u = under->convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (qAlpha(u.pixel(x, y)) >= 128) out.setPixel(x, y, u.pixel(x, y) | 0xFF000000u);
    }
    std::vector<uint8_t> ring = solid;
    for (int t = 0; t < thickness; ++t) {
        std::vector<uint8_t> next = ring;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                if (ring[size_t(y) * w + x]) continue;
                bool n = (x > 0 && ring[size_t(y) * w + x - 1]) ||
                         (x + 1 < w && ring[size_t(y) * w + x + 1]) ||
                         (y > 0 && ring[size_t(y - 1) * w + x]) ||
                         (y + 1 < h && ring[size_t(y + 1) * w + x]);
                if (n) {
                    next[size_t(y) * w + x] = 1;
                    out.setPixel(x, y, outline.rgb());
                }
            }
        ring = next;
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (solid[size_t(y) * w + x]) {
                QRgb c = src.pixel(x, y);
                out.setPixel(x, y, qRgb(qRed(c), qGreen(c), qBlue(c)));
            }
    return out;
}

}  // namespace gen
