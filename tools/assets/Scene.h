// Landscape pieces for the wide pictures (town views, window pictures).
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>

namespace gen {
QImage skyImage(int w, int h, const QColor& top, const QColor& horizon);
// A band of hills: ridge around baseY with the given amplitude, filled down to the bottom.
void hills(QPainter& p, int w, int h, float baseY, float amp, const QColor& c, int seed);
void stars(QPainter& p, int w, float maxY, int count, int seed);
void moon(QPainter& p, QPointF c, float r, const QColor& c1 = QColor(250, 240, 210));
// A dark vignette around the edges.
void vignette(QPainter& p, int w, int h, int strength = 120);
// Parchment texture filling the image.
void parchment(QImage& img, int seed);
}  // namespace gen
