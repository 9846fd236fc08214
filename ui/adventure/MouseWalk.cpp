#include "ui/adventure/MouseWalk.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <QToolTip>
#include <QWidget>

#include "core/adventure/CellInfo.h"
#include "core/data/GameState.h"
#include "platform/Platform.h"
#include "ui/adventure/MapWindow.h"
#include "ui/battle/BattleWindow.h"
#include "ui/kit/Look.h"

namespace {

// Drawn over a part of the map window; mouse events go through to the map.
class Overlay : public QWidget {
public:
    Overlay(QWidget* parent, QRect r, std::function<void(QPainter&)> paint)
        : QWidget(parent), paint_(std::move(paint)) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setGeometry(r);
        show();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        paint_(p);
    }

private:
    std::function<void(QPainter&)> paint_;
};

// The colours of the map's own drawing: warm gold edged with the dark brown
// outline every sprite has, the shadow falling to the lower right.
const QColor kOutline(58, 40, 34);
const QColor kGold(255, 214, 96);
const QColor kShadow(0, 0, 0, 90);
const QColor kFlag(200, 30, 30);

void stepMarker(QPainter& p, QPointF c) {
    p.setPen(Qt::NoPen);
    p.setBrush(kShadow);
    p.drawEllipse(c + QPointF(3, 4), 8.5, 6);
    p.setPen(QPen(kOutline, 2));
    p.setBrush(kGold);
    p.drawEllipse(c, 8, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 210));
    p.drawEllipse(c + QPointF(-2.5, -2.5), 2.5, 2.5);
}

// A ring on the ground; a pennant on it when the hero is to stand there.
void targetMarker(QPainter& p, QPointF c, bool pennant) {
    const QPointF base = c + QPointF(0, 24);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kOutline, 6));
    p.drawEllipse(base, 34, 13);
    p.setPen(QPen(kGold, 3));
    p.drawEllipse(base, 34, 13);
    if (!pennant) return;
    const QPointF foot = base, top = c + QPointF(0, -22);
    p.setPen(QPen(kOutline, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(foot, top);
    p.setPen(QPen(QColor(140, 100, 60), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(foot, top);
    QPainterPath flag;
    flag.moveTo(top);
    flag.lineTo(top + QPointF(26, 8));
    flag.lineTo(top + QPointF(0, 17));
    flag.closeSubpath();
    p.setPen(QPen(kOutline, 2));
    p.setBrush(kFlag);
    p.drawPath(flag);
}

// Lettering outlined in dark brown, readable over any ground.
void outlinedText(QPainter& p, const QRect& box, const QString& text, const QColor& colour) {
    QPainterPath path;
    const QFont f = look::sans(14);
    const QFontMetrics fm(f);
    const int w = fm.horizontalAdvance(text);
    path.addText(box.center().x() - w / 2.0, box.center().y() + fm.ascent() / 2.0 - 2, f, text);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kOutline, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
}

}  // namespace

MouseWalk::MouseWalk(TTrForm& map, QWidget& surface, GameContext& ctx, QRect view, QRect mini,
                     std::function<bool(GameKey)> press)
    : QObject(&map),
      map_(map),
      surface_(surface),
      ctx_(ctx),
      view_(view),
      mini_(mini),
      press_(std::move(press)) {
    viewOverlay_ =
        new Overlay(&surface, view, [this](QPainter& p) { paintView(p, view_.topLeft()); });
    miniOverlay_ =
        new Overlay(&surface, mini, [this](QPainter& p) { paintMini(p, mini_.topLeft()); });
    stepTimer_ = new QTimer(this);
    stepTimer_->setSingleShot(true);
    connect(stepTimer_, &QTimer::timeout, this, &MouseWalk::walkStep);
    lineTimer_ = new QTimer(this);
    lineTimer_->setSingleShot(true);
    connect(lineTimer_, &QTimer::timeout, this, [this] {
        if (!hasTarget_) line_.clear();
        repaint();
    });
    map.installEventFilter(this);      // keys and hiding
    surface.installEventFilter(this);  // the pointer
}

void MouseWalk::setAreas(QRect view, QRect mini) {
    view_ = view;
    mini_ = mini;
    viewOverlay_->setGeometry(view);
    miniOverlay_->setGeometry(mini);
}

QPoint MouseWalk::cellCorner(int x, int y) const {
    const MapRenderer& r = map_.renderer();
    const QRect src = r.viewSource();
    return view_.topLeft() + QPoint((x - ctx_.gs.heroX + r.view().heroCol()) * 100 - src.x(),
                                    (y - ctx_.gs.heroY + r.view().heroRow()) * 100 - src.y());
}

MouseWalk::Stamp MouseWalk::stamp() const {
    const GameState& gs = ctx_.gs;
    return {gs.heroX, gs.heroY, gs.continent, gs.onShip, gs.steps};
}

// Clicks and walks wait while a battle is fought, a step is drawn, or a dialog
// holds the map.
bool MouseWalk::busy() const {
    return (ctx_.forms.battle && ctx_.forms.battle->isVisible()) || !map_.isVisible() ||
           !map_.isEnabled() || map_.movement().inputBusy() || ctx_.platform.pausing();
}

bool MouseWalk::cellAt(QPoint at, int& x, int& y) const {
    const GameState& gs = ctx_.gs;
    if (view_.contains(at)) {
        const MapRenderer& r = map_.renderer();
        const QRect src = r.viewSource();
        x = gs.heroX - r.view().heroCol() + (at.x() - view_.left() + src.x()) / 100;
        y = gs.heroY - r.view().heroRow() + (at.y() - view_.top() + src.y()) / 100;
    } else if (mini_.contains(at)) {
        // Dots are drawn at (3x, 3y): the nearest one.
        x = (2 * (at.x() - mini_.left()) + 3) / 6;
        y = (2 * (at.y() - mini_.top()) + 3) / 6;
    } else {
        return false;
    }
    return GameState::onMap(x, y);
}

void MouseWalk::clickCell(int x, int y) {
    if (busy() || walking_) return;
    refresh();
    if (hasTarget_ && ((x == targetX_ && y == targetY_) || (x == clickX_ && y == clickY_))) {
        startWalk();
        return;
    }
    setTarget(x, y);
}

void MouseWalk::setTarget(int x, int y) {
    MapPath path = findPathToward(ctx_.gs, x, y);
    if (!path.found) {
        clear();
        say(QString::fromUtf8(kNoWayText));
        return;
    }
    if (path.presses.empty()) {  // the hero's own cell
        clear();
        return;
    }
    hasTarget_ = true;
    clickX_ = x;
    clickY_ = y;
    edge_ = path.towardUnknown;
    targetX_ = edge_ ? path.presses.back().x : x;
    targetY_ = edge_ ? path.presses.back().y : y;
    path_ = std::move(path);
    pathFor_ = stamp();
    line_ = QString::fromStdString(pathSummary(ctx_.gs, path_));
    lineTimer_->stop();
    repaint();
}

void MouseWalk::startWalk() {
    if (busy() || walking_) return;
    refresh();
    if (!hasTarget_) return;
    walking_ = true;
    stepTimer_->start(0);
}

void MouseWalk::walkTo(int x, int y) {
    if (busy() || walking_) return;
    setTarget(x, y);
    startWalk();
}

MapPath MouseWalk::plan() const {
    MapPath p = findPath(ctx_.gs, targetX_, targetY_);
    p.towardUnknown = edge_ && p.found;
    return p;
}

void MouseWalk::walkStep() {
    if (!walking_) return;
    if (busy()) {
        stop();
        return;
    }
    // Armies move between two steps: the way is found anew before each one.
    GameState& gs = ctx_.gs;
    MapPath path = plan();
    if (!path.found || path.presses.empty()) {
        stop();
        if (!path.found) say(QString::fromUtf8(kNoWayText));
        return;
    }
    const bool last = path.presses.size() == 1;
    const GameKey key = path.presses.front().key;
    path_ = std::move(path);
    pathFor_ = stamp();
    line_ = QString::fromStdString(pathSummary(gs, path_));
    const bool moved = press_(key);
    if (!walking_) return;  // a key or a click during the step ended the walk
    if (last || !moved || busy() || (gs.heroX == targetX_ && gs.heroY == targetY_)) {
        stop();
        return;
    }
    // Bandits close by: the player takes over, unless they are what the walk
    // was going for and the next press meets them. An army that would step onto
    // the next cell stops the walk too, before it springs on the hero.
    const MapPath next = plan();
    const bool meetsTarget = next.found && next.presses.size() == 1 && next.endsWithBump &&
                             cell::isArmy(gs.here(targetX_, targetY_));
    const bool ambush = next.found && !next.presses.empty() &&
                        armyMayStepOnto(gs, next.presses[0].x, next.presses[0].y);
    if (!meetsTarget && (armyNextToHero(gs) || ambush)) {
        stop();
        say(QStringLiteral("Рядом разбойники"));
        return;
    }
    refresh();
    repaint();
    stepTimer_->start(kStepMs);
}

void MouseWalk::stop() {
    walking_ = false;
    stepTimer_->stop();
    clear();
}

void MouseWalk::clear() {
    hasTarget_ = false;
    path_ = MapPath{};
    line_.clear();
    repaint();
}

void MouseWalk::say(const QString& text) {
    line_ = text;
    lineTimer_->start(2500);
    repaint();
}

void MouseWalk::refresh() {
    if (!hasTarget_) return;
    const Stamp now = stamp();
    if (now == pathFor_) return;
    if (now.continent != pathFor_.continent) {  // a portal, a load, a defeat
        hasTarget_ = false;
        path_ = MapPath{};
        line_.clear();
        return;
    }
    path_ = plan();
    pathFor_ = now;
    if (!path_.found || path_.presses.empty()) {
        hasTarget_ = false;
        path_ = MapPath{};
        line_.clear();
        return;
    }
    if (!walking_) line_ = QString::fromStdString(pathSummary(ctx_.gs, path_));
}

void MouseWalk::repaint() {
    viewOverlay_->update();
    miniOverlay_->update();
}

// ---- drawing -------------------------------------------------------------------

void MouseWalk::paintView(QPainter& p, QPoint) {
    const GameState& gs = ctx_.gs;
    if (gs.stepShiftX == 0 && gs.stepShiftY == 0) refresh();
    if (hasTarget_ && path_.found) {
        auto centre = [&](int x, int y) {
            return QPointF(cellCorner(x, y) - view_.topLeft() + QPoint(50, 50));
        };
        const auto& steps = path_.presses;
        for (size_t i = 0; i + 1 < steps.size(); ++i) stepMarker(p, centre(steps[i].x, steps[i].y));
        targetMarker(p, centre(targetX_, targetY_), !path_.endsWithBump);
    }
    if (!line_.isEmpty()) {
        const QRect band(0, view_.height() - 22, view_.width(), 22);
        p.fillRect(band, QColor(20, 14, 12, 170));
        const bool noWay = !hasTarget_;
        outlinedText(p, band, line_, noWay ? QColor(255, 120, 100) : kGold);
    }
}

void MouseWalk::paintMini(QPainter& p, QPoint) {
    if (!hasTarget_ || !path_.found) return;
    const GameState& gs = ctx_.gs;
    // Dots of the mini-map are centred half a pixel up-left of (3x, 3y).
    auto dot = [](int x, int y) { return QPointF(3 * x - 0.5, 3 * y - 0.5); };
    QPolygonF line;
    line << dot(gs.heroX, gs.heroY);
    for (const PathStep& s : path_.presses) line << dot(s.x, s.y);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kOutline, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(line);
    p.setPen(QPen(kGold, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(line);
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(kFlag);
    p.drawEllipse(dot(targetX_, targetY_), 3.5, 3.5);
}

// ---- input ---------------------------------------------------------------------

void MouseWalk::pointerMoved(QPoint at) {
    int x = 0, y = 0;
    if (busy() || !cellAt(at, x, y)) {
        surface_.unsetCursor();
        return;
    }
    const Stamp now = stamp();
    if (x != hoverX_ || y != hoverY_ || !(now == hoverFor_)) {
        hoverX_ = x;
        hoverY_ = y;
        hoverFor_ = now;
        const MapPath p = findPathToward(ctx_.gs, x, y);
        hoverReachable_ = p.found && !p.presses.empty();
    }
    if (hoverReachable_)
        surface_.setCursor(Qt::PointingHandCursor);
    else
        surface_.unsetCursor();
}

bool MouseWalk::tellCell(QPoint at, QPoint global) {
    int x = 0, y = 0;
    if (!cellAt(at, x, y)) return false;
    // The tip goes when the pointer leaves the cell.
    QRect cellRect;
    if (view_.contains(at)) {
        cellRect = QRect(cellCorner(x, y), QSize(100, 100));
    } else {
        cellRect = QRect(mini_.left() + 3 * x - 2, mini_.top() + 3 * y - 2, 3, 3);
    }
    QToolTip::showText(global, QString::fromStdString(cellInfo(ctx_.gs, x, y)), &surface_,
                       cellRect);
    return true;
}

bool MouseWalk::eventFilter(QObject* watched, QEvent* e) {
    // The pointer is the stage's; the keys and the hiding are the map window's.
    if (watched == &map_ && e->type() != QEvent::KeyPress && e->type() != QEvent::Hide)
        return false;
    if (watched != &map_ && watched != &surface_) return QObject::eventFilter(watched, e);
    switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            if (walking_) {  // any click ends a walk, and does nothing else
                stop();
                return true;
            }
            auto* me = static_cast<QMouseEvent*>(e);
            int x = 0, y = 0;
            if (!cellAt(me->position().toPoint(), x, y)) return false;
            if (busy()) return true;
            if (me->button() == Qt::LeftButton) clickCell(x, y);
            return true;
        }
        case QEvent::MouseButtonRelease: {
            // Told on the release: a tip shown at the press would go with it.
            auto* me = static_cast<QMouseEvent*>(e);
            if (me->button() != Qt::RightButton || busy()) return false;
            return tellCell(me->position().toPoint(), me->globalPosition().toPoint());
        }
        case QEvent::MouseMove:
            pointerMoved(static_cast<QMouseEvent*>(e)->position().toPoint());
            return false;
        case QEvent::Leave:
            surface_.unsetCursor();
            return false;
        case QEvent::ToolTip: {
            auto* he = static_cast<QHelpEvent*>(e);
            return !busy() && tellCell(he->pos(), he->globalPos());
        }
        case QEvent::KeyPress: {
            auto* ke = static_cast<QKeyEvent*>(e);
            if (walking_) {  // any key ends a walk, and does nothing else
                stop();
                return true;
            }
            if ((ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter) && hasTarget_) {
                if (!ke->isAutoRepeat()) startWalk();
                return true;
            }
            return false;
        }
        case QEvent::Hide:
            stop();
            return false;
        default:
            return false;
    }
}
