// The start window: the title picture, the menu buttons that appear one by one
// and fan out, and the way into a game. It is the first window and the main one
// until a game starts; it never shows again after that.
#pragma once

#include "ui/kit/GameForm.h"

class QLabel;
class PictureBox;
class QPushButton;
class GameTimer;

class TStartForm : public GameForm {
    Q_OBJECT
public:
    explicit TStartForm(GameContext& ctx);

    // Starts reading the title picture on a thread of its own (the game's
    // start, while the display opens); the window's first show takes it from
    // there. Without it the window reads the picture when it shows.
    static void readTitleAhead();

    // One step of the opening animation (500 ms, then 200 ms, then 50 ms).
    void Timer1Timer();

    void Button5Click();  // "ИСТОРИЯ"
    void Button6Click();  // "ЗАГРУЗИТЬ"
    void Button8Click();  // "НОВАЯ ИГРА"
    void Button7Click();  // "ВЫХОД"
    void Button9Click();  // "КАК ИГРАТЬ": the help window
    void Label1Click();   // "О программе": the help window at the page about the game

    PictureBox* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* Button5 = nullptr;
    QPushButton* Button6 = nullptr;
    QPushButton* Button8 = nullptr;
    QPushButton* Button7 = nullptr;
    QPushButton* Button9 = nullptr;
    GameTimer* Timer1 = nullptr;

protected:
    void FormShow() override;
    void FormHide() override;
    // Once the menu answers, the close box does what "ВЫХОД" does.
    void closeRequestRefused() override;

private:
    // The animation is over and the menu answers.
    bool menuReady() const;
};
