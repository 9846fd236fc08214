// The options: music and sounds, saving, loading and leaving the game; below
// them the animation speed and the autosave switch, and then the screen: the
// scale, the full screen and the wider view; last the gamepad switch. The game
// remembers these from one run to the next.
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

    void CheckBox1Click();      // "Музыка"
    void CheckBox2Click();      // "Звуки"
    void Button1Click();        // "Сохранить игру"
    void Button2Click();        // "Загрузить игру"
    void Button3Click();        // "Выйти из игры"
    void Button4Click();        // "Продолжить игру"
    void SpeedBoxChange();      // "Скорость анимации"
    void AutosaveBoxClick();    // "Автосохранение"
    void ScaleBoxChange();      // "Масштаб"
    void FullscreenBoxClick();  // "Полный экран"
    void WideViewBoxClick();    // "Широкий обзор"
    void GamepadBoxClick();     // "Геймпад"
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    QLabel* SpeedLabel = nullptr;
    QComboBox* SpeedBox = nullptr;
    QCheckBox* AutosaveBox = nullptr;
    QLabel* ScaleLabel = nullptr;
    QComboBox* ScaleBox = nullptr;  // Авто, 1, 1,5, 2, 2,5, 3, 4
    QLabel* ScaleNote = nullptr;    // a change applies at the next start
    QCheckBox* FullscreenBox = nullptr;
    QCheckBox* WideViewBox = nullptr;
    QCheckBox* GamepadBox = nullptr;

protected:
    void FormShow() override;
    void paintEvent(QPaintEvent* e) override;
};
