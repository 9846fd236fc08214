// The wide town views of the town window: each race's town at dusk, in its colours.
#include <QLinearGradient>
#include <QPainterPath>
#include <string>

#include "platform/AssetNames.h"
#include "tools/assets/Gen.h"
#include "tools/assets/MapDrawing.h"
#include "tools/assets/Paint.h"
#include "tools/assets/Scene.h"

namespace gen {

namespace {

struct Mood {
    QColor skyTop, skyLow, farHills, nearHills, ground;
};

QImage townView(int race) {
    const Mood moods[] = {
        {QColor(40, 50, 110), QColor(240, 150, 90), QColor(110, 100, 130), QColor(70, 100, 60),
         QColor(80, 120, 60)},
        {QColor(40, 36, 60), QColor(210, 120, 70), QColor(110, 96, 96), QColor(96, 84, 78),
         QColor(104, 96, 80)},
        {QColor(30, 60, 90), QColor(200, 210, 150), QColor(80, 120, 100), QColor(50, 100, 60),
         QColor(60, 110, 60)},
        {QColor(16, 14, 30), QColor(90, 120, 90), QColor(50, 50, 70), QColor(40, 44, 50),
         QColor(50, 56, 50)},
        {QColor(60, 20, 20), QColor(230, 110, 50), QColor(120, 70, 50), QColor(110, 80, 50),
         QColor(130, 100, 60)},
    };
    const Mood& m = moods[race - 1];
    QImage img = skyImage(500, 200, m.skyTop, m.skyLow);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    stars(p, 500, 70, race == 4 ? 80 : 30, 300 + race);
    if (race == 4)
        moon(p, QPointF(410, 40), 16, QColor(220, 240, 220));
    else
        moon(p, QPointF(90, 60), 12, QColor(255, 230, 190));
    hills(p, 500, 200, 120, 22, m.farHills, 310 + race);
    hills(p, 500, 200, 150, 14, m.nearHills, 320 + race);
    p.fillRect(QRectF(0, 176, 500, 24), m.ground);
    // Trees or rocks at the sides, the town large in the middle.
    for (int i = 0; i < 4; ++i) {
        auto side = [&] { return race == 2 ? rockSprite(1 + i % 3) : forestSprite(1 + i % 3); };
        blitScaled(p, side, QPointF(i < 2 ? -10 + i * 70 : 320 + i * 40, 100), 0.9, i % 2);
    }
    blitScaled(
        p, [&] { return townSprite(race); }, QPointF(152, -4), 1.95);
    // Warm light in the windows of the dusk.
    vignette(p, 500, 200, 90);
    return img;
}

}  // namespace

void genTownViews(Sink& s) {
    for (int r = 1; r <= 5; ++r) {
        std::string rel = std::string(assets::kTravel) + assets::townView(r);
        if (s.wanted(rel)) s.bmp24(rel, townView(r));
    }
}

}  // namespace gen
