// The game is won: the grave of Vakhnar found. The player may play on or leave.
#pragma once

#include <QImage>

#include "platform/qt/Audio.h"
#include "platform/qt/GameForm.h"

class QPushButton;

class TVicGameForm : public GameForm {
    Q_OBJECT
public:
    explicit TVicGameForm(GameContext& ctx);

    void Button1Click();  // "Продолжить игру"
    void Button2Click();  // "Выход"
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    const MidiPlayer& music() const { return music_; }

protected:
    void FormShow() override;
    void paintEvent(QPaintEvent* e) override;

private:
    QImage picture_;
    MidiPlayer music_;
};
