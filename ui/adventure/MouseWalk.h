// Travel with the mouse on the adventure map. A left click on a cell of the view
// or the mini-map shows the way there (to an unexplored cell: the way toward it,
// to the explored cell nearest it); a second click on it (or Enter) walks it,
// one press of the map's own keys after another, paced by a single-shot timer so
// that the game goes on between two steps. The walk stops at the target, when a
// window opens, when an army stands next to the hero, or at any key or click.
// A right click, or resting the pointer on a cell, tells what stands there.
#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>

#include "core/adventure/PathFind.h"

class QPainter;
class QTimer;
class QWidget;
class TTrForm;
struct GameContext;

class MouseWalk : public QObject {
    Q_OBJECT
public:
    // `surface` is the map window's stage, where the view and the mini-map are
    // drawn and clicked; `view` and `mini` are their rectangles on it; `press`
    // makes one step for a key exactly as the keyboard does and says whether the
    // hero moved.
    MouseWalk(TTrForm& map, QWidget& surface, GameContext& ctx, QRect view, QRect mini,
              std::function<bool(GameKey)> press);
    // The view and the mini-map moved or grew (the wider view).
    void setAreas(QRect view, QRect mini);

    // The map cell at a point of the stage: in the view or on the mini-map.
    bool cellAt(QPoint at, int& x, int& y) const;

    // A left click on a cell: shows the way there, or walks it when the cell is
    // already the target.
    void clickCell(int x, int y);
    // Walks the way shown (Enter does it too).
    void startWalk();
    // Shows the way to a cell and walks it at once (a town chosen in the list).
    void walkTo(int x, int y);
    // Ends a walk and clears the way shown.
    void stop();

    bool walking() const { return walking_; }
    bool hasTarget() const { return hasTarget_; }
    const MapPath& path() const { return path_; }
    // The overlay line at the bottom of the view ("Путь: ...", "Туда не пройти").
    const QString& line() const { return line_; }

    // The pause between two steps of a walk.
    static constexpr int kStepMs = 60;

    // Drawn over the view and the mini-map by their overlays.
    void paintView(QPainter& p, QPoint origin);
    void paintMini(QPainter& p, QPoint origin);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    bool busy() const;
    void walkStep();
    void setTarget(int x, int y);
    void clear();
    void say(const QString& text);
    // The way to the target as it stands now.
    MapPath plan() const;
    // Brings the way up to date after the hero or the world has changed.
    void refresh();
    void repaint();
    void pointerMoved(QPoint at);
    // Shows what stands on the cell at a point of the map window, beside the
    // pointer; false when the point is not on a cell.
    bool tellCell(QPoint at, QPoint global);
    // The hero's state the way was found for.
    struct Stamp {
        int x = 0, y = 0, continent = 0, onShip = 0;
        uint32_t steps = 0;
        bool operator==(const Stamp&) const = default;
    };
    Stamp stamp() const;

    // The top-left pixel of map cell (x, y) on the stage, as the view shows it now.
    QPoint cellCorner(int x, int y) const;

    TTrForm& map_;
    QWidget& surface_;
    GameContext& ctx_;
    QRect view_;
    QRect mini_;
    std::function<bool(GameKey)> press_;
    QWidget* viewOverlay_ = nullptr;
    QWidget* miniOverlay_ = nullptr;
    QTimer* stepTimer_ = nullptr;
    QTimer* lineTimer_ = nullptr;

    bool hasTarget_ = false;
    // The cell the walk goes to; for a click into the unknown (`edge_`) the
    // explored cell chosen at the click, which stays the target to the end.
    int targetX_ = 0, targetY_ = 0;
    int clickX_ = 0, clickY_ = 0;
    bool edge_ = false;
    MapPath path_;
    Stamp pathFor_;
    bool walking_ = false;
    QString line_;
    // The cell under the pointer and whether the hero can get there.
    int hoverX_ = 0, hoverY_ = 0;
    bool hoverReachable_ = false;
    Stamp hoverFor_;
};
