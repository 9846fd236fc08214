// The battle window: draws the field, turns keys and clicks into the hero
// stacks' actions, runs the battle clock and hands over to the outcome windows.
// The rules themselves are in BattleEngine; this window is their BattleView.
#pragma once

#include <QImage>
#include <vector>

#include "core/battle/BattleEngine.h"
#include "ui/kit/GameForm.h"
#include "ui/kit/Pictures.h"

class OutlinedLabel;
class QFrame;
class QLabel;
class QTimer;
class TBattleLogForm;

class TBattleForm : public GameForm, public battle::BattleView {
    Q_OBJECT
public:
    explicit TBattleForm(GameContext& ctx);

    // Stops the battle clock, frees the battle's pictures and hides the window.
    void closeBattle();
    // Shows the window on the battle its engine holds (quick combat that found
    // no result), without a new set-up.
    void resumeBattle();

    battle::BattleEngine& engine() { return engine_; }
    TBattleLogForm* battleLog() const { return log_; }
    // The cell under a window point; false outside the 7 x 5 field.
    static bool cellAt(int x, int y, battle::Cell& cell);

    // ---- BattleView ---------------------------------------------------------
    bool battleVisible() const override;
    void status(const std::string& text) override;
    void help(const std::string& text) override;
    void help2(const std::string& text) override;
    void roundLabel(const std::string& text) override;
    void retreatShown(bool shown) override;
    void cursor(battle::Cursor c) override;
    void repaint() override;
    void pause(int ms) override;
    void sound(const std::string& relativePath) override;
    void clockRunning(bool on) override;
    void frame(battle::FrameKind kind, int n, battle::Cell cell) override;
    void shotLine(battle::Cell from, battle::Cell to) override;
    void battleOver(bool heroWon) override;
    void heroTurn() override;

    // A: the computer plays the hero's stacks (by the enemy's own rules) from
    // the stack whose turn it is, until A gives them back.
    void toggleAutoHero();
    bool autoHero() const { return autoHero_; }
    // Says over the field that the computer leads the hero's stacks.
    OutlinedLabel* autoNotice() const { return autoNotice_; }
    void event(const battle::BattleEvent& e) override;

    PadScreen padScreen() const override { return PadScreen::Battle; }
    bool padCommand(const PadPress& p) override;
    // The pad's cell cursor: shown, and its cell.
    bool padCursorShown() const { return padCursor_; }
    battle::Cell padCursorCell() const { return padCursorAt_; }

protected:
    void FormShow() override;
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void Timer1Timer();
    void Label2Click();
    void loadPictures();
    void freePictures();
    void drawCanvas();
    const Picture* stackPicture(int code) const;

    void playHeroTurnLater();
    // The help lines, the computer's notice and the title name the keys, or the
    // pad's buttons while the pad was used last.
    void showKeyTexts();
    // A left click on a cell of the field.
    void clickCell(battle::Cell c);

    battle::BattleEngine engine_;
    bool autoHero_ = false;
    bool autoTogglePending_ = false;  // A pressed during a pause
    bool autoTurnQueued_ = false;
    int pauseDepth_ = 0;
    bool resume_ = false;
    bool canvasStale_ = false;  // without animation the field is drawn when painted

    QLabel* Label1;  // round
    QFrame* Bevel2;
    QFrame* Bevel3;
    QLabel* Edit1;   // status line
    QLabel* Label2;  // retreat
    QLabel* Memo1;   // the stack under the mouse
    QLabel* Label3;  // help
    QLabel* Label4;  // second help
    QTimer* Timer1;
    OutlinedLabel* autoNotice_;
    TBattleLogForm* log_;  // every action of this battle, beside the window
    int memoCode_ = 0;     // the stack Memo1 describes
    bool padCursor_ = false;
    battle::Cell padCursorAt_;

    // The help lines as the rules gave them.
    std::string help_, help2_;

    QImage canvas_;
    Picture background_, rock_, pit_, bog_, wall_, dead_;
    Picture water_[3], tree_[2], lake_[2], boom_[4], shot_[4], skull_[3];
    Picture stacks_[2][5];  // [side - 1][slot - 1]
    bool staticLoaded_ = false;

    // Drawn straight onto the window over the field until the next repaint.
    struct Overlay {
        bool line = false;
        battle::Cell from, to;
        const Picture* picture = nullptr;
    };
    std::vector<Overlay> overlay_;
};
