// The adventure map: the game's main screen. It shows the 5 x 5 cells around the
// hero, the mini-map of the continent, the calendar, gold and Authority, the
// races' regard, and the command labels that open the other windows. A key
// press is one step of the hero (the rules are in core/adventure/Movement).
//
// All of it is drawn on one stage, a child widget of the map's own size. In a
// window the stage is the whole window; in full screen (F11, or the options'
// switch) the window fills the screen and the stage sits in its middle on a
// backdrop, or with the wider view grows to show as many cells as fit.
#pragma once

#include <QLabel>
#include <QTimer>
#include <array>
#include <utility>
#include <vector>

#include "core/adventure/Movement.h"
#include "platform/Random.h"
#include "platform/qt/Audio.h"
#include "ui/adventure/MapRenderer.h"
#include "ui/kit/GameForm.h"

class QTableWidget;
class MapStage;
class MouseWalk;

class TTrForm : public GameForm, private StepView {
    Q_OBJECT
public:
    explicit TTrForm(GameContext& ctx);

    // One step of the hero for a key (Qt key code); other windows send
    // Qt::Key_Space to refresh the map after they close (it counts as a step).
    void FormKeyDown(int key);
    // Redraws the whole mini-map of the current continent.
    void redrawMiniMap();
    // Creates the three mini-map surfaces anew (after a new game or a load).
    void recreateMiniMaps();

    // Redraws the static layer around the hero (at show and after each step).
    void buildGroundLayer();
    // Composes and shows one frame.
    void FormPaint();
    // The 200 ms tick: music upkeep, then the next animation phase.
    void Timer1Timer();

    // Full screen on or off (F11 and the options' switch; remembered by them).
    void setFullscreen(bool on);
    bool fullscreen() const { return fullscreen_; }
    // F11: full screen on or off, remembered for the next runs.
    void toggleFullscreen();
    // Lays the stage out anew for the window's size and the wider view's switch.
    void layoutStage();
    // Where the view, the mini-map and the panel are drawn and clicked.
    QWidget* stage() const;

    // For tests and benchmarks.
    MapRenderer& renderer() { return renderer_; }
    const MapRenderer& renderer() const { return renderer_; }
    int animPhase() const { return animPhase_; }
    const HeroMovement& movement() const { return movement_; }
    // Travel with the mouse: the way to a clicked cell and its walk.
    MouseWalk* mouseWalk() const { return walk_; }
    const MidiPlayer& music() const { return music_; }
    QLabel* Label1 = nullptr;  // hero position
    QLabel* Label2 = nullptr;  // continent and calendar
    QLabel* Label7 = nullptr;  // gold and Authority
    QLabel* Label3 = nullptr;  // АРМИЯ
    QLabel* Label5 = nullptr;  // ДНЕВНИК
    QLabel* Label6 = nullptr;  // ОПЦИИ
    QLabel* Label8 = nullptr;  // ЗАКЛЯТЬЕ
    QLabel* Label9 = nullptr;  // ГОРОДА
    QTableWidget* StringGrid1 = nullptr;
    QTimer* Timer1 = nullptr;
    // Fills the races-and-relations grid.
    void FormActivate();

    PadScreen padScreen() const override { return PadScreen::Map; }
    bool padCommand(const PadPress& p) override;
    void padGone() override;
    // The pad's cell cursor: shown, and its place from the hero's cell.
    bool padCursorShown() const { return padCursor_; }
    QPoint padCursorOffset() const { return padCursorAt_; }

protected:
    void FormShow() override;
    void FormHide() override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void changeEvent(QEvent* e) override;
    // The close box asks the options window's "Выйти из игры" question, or,
    // while a window of the game stands over the map, shows that window's hint.
    void closeRequestRefused() override;

private:
    friend class MapStage;
    // Draws the view, the mini-map and the bevels on the stage.
    void paintStage(QPainter& p, const QRegion& dirty);
    // Draws a part of the view (on the stage) from the frame surface.
    void paintView(QPainter& p, const QRect& part);
    QRect miniRect() const;
    // The other windows stay above the map in full screen.
    void keepWindowsAbove(bool above);

    // What a step does to the screen and the other windows.
    void paint() override;
    void stepPause() override;
    void setStatus(const std::string& calendar, const std::string& position) override;
    void playSound(const char* relative) override;
    void openBandit() override;
    void openTown() override;
    void openPortal() override;
    void openTreasure() override;
    void openTownList() override;
    void openNewWeek() override;

    QLabel* commandLabel(const QString& text, int x, int y);
    void labelClicked(QLabel* label);
    bool battleRunning() const;
    void highlight(QLabel* hovered);
    // F1 and the command labels' letters; true when the key was one of them.
    bool commandKey(const QKeyEvent* e);

    HeroMovement movement_;
    MapRenderer renderer_;
    MidiPlayer music_;
    Random musicPick_;  // its own generator: music never shifts the game's draws
    int animPhase_ = 1;
    // The gold and Authority the status line shows.
    uint32_t shownGold_ = 0, shownAuthority_ = 0;
    bool shownMoney_ = false;
    std::array<QLabel*, 5> commands_{};
    MouseWalk* walk_ = nullptr;
    MapStage* stage_ = nullptr;
    QRect viewRect_;      // on the stage
    int panelShift_ = 0;  // how far the wider view pushes the panel right
    std::vector<std::pair<QWidget*, QPoint>> panel_;  // the panel's controls, unshifted
    bool fullscreen_ = false;
    bool padCursor_ = false;
    QPoint padCursorAt_;
};
