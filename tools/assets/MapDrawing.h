// Shared by the map art files.
#pragma once

#include <QImage>
#include <QPainter>
#include <functional>

namespace gen {
// A 100 x 100 map sprite: `draw` paints the figure (outlined), `shadows` paints the
// layer below it (shadows, no outline).
QImage mapSprite(const std::function<void(QPainter&)>& draw,
                 const std::function<void(QImage&)>& shadows, int seed, int outline = 1);
}  // namespace gen

namespace gen {
// Finished map sprites, for the town views and window pictures that reuse them.
QImage townSprite(int race);
QImage treasureSprite();
QImage portalSprite();
QImage orbSprite();
QImage forestSprite(int v);
QImage rockSprite(int v);
QImage heroSprite(int frame);  // 0..2 standing
QImage shipSprite(bool hero);
QImage armySprite(int kind, int frame);
// Makes a sprite `scale` times its size (drawn at that size, not stretched) and draws it.
void blitScaled(QPainter& p, const std::function<QImage()>& make, QPointF topLeft, double scale,
                bool mirror = false);
}  // namespace gen
