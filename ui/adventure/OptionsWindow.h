// The options: music and sounds, saving, loading and leaving the game; below
// them the animation speed and the autosave switch, which the game remembers
// from one run to the next.
#pragma once

#include "ui/kit/GameForm.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

class TOptionsForm : public GameForm {
    Q_OBJECT
public:
    explicit TOptionsForm(GameContext& ctx);

    void CheckBox1Click();    // "Музыка"
    void CheckBox2Click();    // "Звуки"
    void Button1Click();      // "Сохранить игру"
    void Button2Click();      // "Загрузить игру"
    void Button3Click();      // "Выйти из игры"
    void Button4Click();      // "Продолжить игру"
    void SpeedBoxChange();    // "Скорость анимации"
    void AutosaveBoxClick();  // "Автосохранение"
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    QLabel* SpeedLabel = nullptr;
    QComboBox* SpeedBox = nullptr;
    QCheckBox* AutosaveBox = nullptr;

protected:
    void FormShow() override;
    void paintEvent(QPaintEvent* e) override;
};
