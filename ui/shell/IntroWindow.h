// The intro story: music, the story text on the right and the title picture on
// the left, which scrolls up, grows and slides away in three phases.
#pragma once

#include <QImage>

#include "core/flow/IntroStory.h"
#include "platform/qt/Audio.h"
#include "ui/kit/GameForm.h"

class PictureBox;
class QPlainTextEdit;
class QPushButton;
class GameTimer;

class THistoryForm : public GameForm {
    Q_OBJECT
public:
    explicit THistoryForm(GameContext& ctx);

    void Timer1Timer();

    PictureBox* Image1 = nullptr;  // the picture control
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Button1 = nullptr;  // outside the visible area; takes the focus
    GameTimer* Timer1 = nullptr;
    MidiPlayer music;

    QImage historyPicture;  // the title picture as shipped
    QImage historyCanvas;   // the picture control's content when phase 1 ended
    QImage screen;          // what has been drawn onto the window
    IntroAnimation animation;

protected:
    void FormShow() override;
    void FormHide() override;
    void paintEvent(QPaintEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
};
