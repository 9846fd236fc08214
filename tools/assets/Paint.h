// Drawing helpers shared by every art family: seeded noise, storybook shading with
// the light from the upper left, and the sprite finish (1-bit transparency plus the
// dark warm outline every figure wears).
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdint>
#include <functional>

namespace gen {

inline const QColor kOutline(44, 26, 18);

// Sprites made for the game are drawn at their own size; the wide pictures ask for the
// same sprites larger and drawn crisp at that size. Within a ScaleScope the sprite
// makers draw `renderScale()` times larger, with outlines and shadows to match.
float renderScale();
class ScaleScope {
public:
    explicit ScaleScope(float s);
    ~ScaleScope();
    ScaleScope(const ScaleScope&) = delete;
    ScaleScope& operator=(const ScaleScope&) = delete;

private:
    float old_;
};

// A transparent 32-bit canvas.
QImage canvas(int w, int h);
// A painter with antialiasing on.
void beginPaint(QPainter& p, QImage& img);

// Sprites are drawn in units of their size at the game's own scale; these paint
// them at the render scale.
using Drawing = std::function<void(QPainter&)>;
// Paints `draw` over `img`, in drawing units.
void paintScaled(QImage& img, const Drawing& draw);
// A transparent square canvas `units` drawing units wide with `draw` painted on it.
QImage scaledCanvas(int units, const Drawing& draw);
QImage scaledCanvas(int width, int height, const Drawing& draw);
// A transparent picture `width` x `height` drawing units large at the render scale,
// for the wide pictures: its device pixel ratio is the render scale, so a painter
// on it draws in drawing units while its pixels are as many as the scale makes.
QImage unitCanvas(int width, int height);
// `img`'s pixels counted in drawing units: drawn by a painter at its size in units.
QImage inUnits(QImage img);
// An outline of `units` drawing units, in whole pixels (at least one).
int scaledThickness(float units);

// Deterministic hash noise in 0..1.
float hash01(int x, int y, int seed);
// Smooth value noise in 0..1; with period > 0 it wraps every `period` lattice steps.
float vnoise(float x, float y, int seed, int period = 0);
// Three octaves of value noise, 0..1; wraps when period > 0 (in lattice steps of
// the first octave).
float fbm(float x, float y, int seed, int period = 0);

QColor mix(const QColor& a, const QColor& b, float t);
QColor shadeOf(const QColor& c, float f);  // f > 1 lighter, < 1 darker

// Fills a path with the base colour lit from the upper left: a soft highlight near
// the upper-left of its bounds and a darker lower-right.
void shadeFill(QPainter& p, const QPainterPath& path, const QColor& base, float strength = 0.35f);
// shadeFill plus an outline stroke of the given width.
void shapeFill(QPainter& p, const QPainterPath& path, const QColor& base, float outline = 1.0f,
               float strength = 0.35f);
void ellipseFill(QPainter& p, QPointF c, float rx, float ry, const QColor& base,
                 float outline = 1.0f);
// A thick line with rounded caps (arms, legs, shafts) with an outline.
void limb(QPainter& p, QPointF a, QPointF b, float width, const QColor& c, float outline = 1.0f);

// Varies the brightness of every opaque pixel a little with noise: painted texture.
void brushTexture(QImage& img, float amount, float scale, int seed);

// A shadow on the ground: every other pixel of an ellipse, so that it reads as a
// translucent darkening over whatever lies below.
void groundShadow(QImage& layer, QRectF ellipse, const QColor& c = QColor(20, 22, 12));

// The sprite finish: alpha becomes 0 or 255, a `thickness`-pixel outline surrounds
// the figure, and the result is laid over `under` (shadows, glows: no outline).
QImage finishSprite(const QImage& body, int thickness = 1, const QImage* under = nullptr,
                    const QColor& outline = kOutline);

}  // namespace gen
