// The question before a troop is dismissed from the army.
#pragma once

#include "ui/kit/PictureForm.h"

class QPushButton;

class TArmyFreeForm : public PictureForm {
    Q_OBJECT
public:
    explicit TArmyFreeForm(GameContext& ctx);

    void Button1Click();  // "ДА"
    void Button2Click();  // "НЕТ"

protected:
    void FormShow() override;

private:
    QPushButton* Button1;
    QPushButton* Button2;
};
