// The retreat question: leave the battle with half the survivors, or fight on.
#pragma once

#include "ui/kit/PictureForm.h"

class QPushButton;

class TSurrendForm : public PictureForm {
    Q_OBJECT
public:
    explicit TSurrendForm(GameContext& ctx);

    void Button1Click();  // "Отступить"
    void Button2Click();  // "Продолжить бой"

private:
    QPushButton* Button1;
    QPushButton* Button2;
};
