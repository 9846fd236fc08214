// The game is won: the grave of Vakhnar found. The player may play on or leave.
#pragma once

#include "platform/qt/Audio.h"
#include "ui/kit/PictureForm.h"

class QPushButton;

class TVicGameForm : public PictureForm {
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

private:
    MidiPlayer music_;
};
