// The options: music and sounds, saving, loading and leaving the game.
#pragma once

#include "platform/qt/GameForm.h"

class QCheckBox;
class QPushButton;

class TOptionsForm : public GameForm {
    Q_OBJECT
public:
    explicit TOptionsForm(GameContext& ctx);

    void CheckBox1Click();  // "Музыка"
    void CheckBox2Click();  // "Звуки"
    void Button1Click();    // "Сохранить игру"
    void Button2Click();    // "Загрузить игру"
    void Button3Click();    // "Выйти из игры"
    void Button4Click();    // "Продолжить игру"
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;

protected:
    void FormShow() override;
    void paintEvent(QPaintEvent* e) override;
};
