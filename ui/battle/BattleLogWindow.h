// The battle log: a small window beside the battle window listing every action
// of the current battle. L (Д on a Russian layout) shows and hides it; it keeps
// writing while hidden, starts empty with each battle, and never takes the
// keyboard from the battle.
#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;

class TBattleLogForm : public QWidget {
    Q_OBJECT
public:
    // `battle` is the battle window: the log stands beside it and hands it keys.
    explicit TBattleLogForm(QWidget* battle);

    // A battle begins: the log is emptied and shown again if the player keeps it.
    void start();
    // The battle is over: the log goes with the battle window.
    void stop();
    // L: shown or hidden, for this battle and the next ones.
    void toggle();
    // One line; `side` colours it (1 the hero's stacks, 2 the enemy's, 0 neither).
    void add(const QString& line, int side);

    bool wanted() const { return wanted_; }
    QString text() const;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void place();

    QWidget* battle_;
    QPlainTextEdit* lines_;
    QLabel* hint_;
    bool wanted_ = false;
    bool following_ = true;  // the view keeps to the newest line
};
