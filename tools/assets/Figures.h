// Reusable figures: people and four-legged beasts in the game's storybook style,
// drawn facing right (dir = +1) or left (dir = -1). Props are drawn by the callers
// at the hand positions the figure reports.
#pragma once

#include <QColor>
#include <QPainter>
#include <functional>

namespace gen {

enum class Head { Bare, Hair, Helmet, PointedHelmet, Hood, StrawHat, Cap, Skull, Crown, Plume };

struct Person {
    QPointF foot;    // point on the ground between the feet
    float h = 56;    // height, feet to crown
    float dir = 1;   // +1 faces right, -1 faces left
    float bulk = 1;  // width factor
    QColor skin{232, 184, 140};
    QColor torso{150, 60, 50};
    QColor legs{90, 70, 50};
    QColor boots{70, 46, 30};
    QColor arms;  // sleeves; invalid = skin
    QColor hair{110, 70, 30};
    QColor headgear{160, 160, 170};
    Head head = Head::Hair;
    bool beard = false;
    QColor mask;  // a scarf over the lower face (robbers); invalid = none
    QColor beardColour{120, 80, 40};
    bool robe = false;      // a long robe instead of legs
    bool skeleton = false;  // bones instead of flesh
    bool noLegs = false;    // rider or centaur: the body ends at the hips
    float stride = 0.25f;   // leg spread, 0..1
    // Arm angles in degrees from straight down, towards the facing direction.
    float backArm = 20, frontArm = 45;
    float bob = 0;                                      // vertical offset for breathing frames
    std::function<void(QPainter&, QPointF)> backProp;   // drawn behind the body
    std::function<void(QPainter&, QPointF)> frontProp;  // drawn in front
    std::function<void(QPainter&)> overTorso;           // clothing details, before the head
};
void drawPerson(QPainter& p, const Person& f);

struct Beast {
    QPointF foot;    // ground point under the body centre
    float len = 40;  // body length
    float hgt = 16;  // body height
    float legLen = 14;
    float dir = 1;
    int legs = 4;
    QColor hide{140, 110, 80};
    QColor belly;  // invalid = hide lighter
    QColor hooves{60, 40, 30};
    float neckUp = 0.7f;  // 0 low (wolf, boar) .. 1 upright (horse)
    float headSize = 1;
    float stride = 0;  // -1..1 leg swing for walk frames
    bool tail = true;
    std::function<void(QPainter&, QPointF)> headDraw;  // replaces the plain head; gets neck end
};
// Returns the saddle point (top of the back, a little forward of the middle).
QPointF drawBeast(QPainter& p, const Beast& b);

}  // namespace gen

namespace gen {

// Props. Angles are in degrees on screen: 0 points right, -90 straight up.
QPointF along(QPointF from, float angleDeg, float dist);
void pole(QPainter& p, QPointF a, QPointF b, float w, const QColor& c = QColor(128, 88, 48));
void spear(QPainter& p, QPointF hand, float angleDeg, float len, float back = 0.35f);
void sword(QPainter& p, QPointF hand, float angleDeg, float len);
void axe(QPainter& p, QPointF hand, float angleDeg, float len, float bladeSize);
void club(QPainter& p, QPointF hand, float angleDeg, float len, float headR,
          const QColor& headColour = QColor(120, 86, 52));
void roundShield(QPainter& p, QPointF c, float r, const QColor& face,
                 const QColor& rim = QColor(170, 150, 90), bool boss = true);
void bow(QPainter& p, QPointF grip, float half, float dir, bool drawn, QPointF stringHand = {});
// A glow drawn as solid rings (sprites have no partial transparency).
void glow(QPainter& p, QPointF c, float r, const QColor& core, const QColor& halo);

}  // namespace gen
