// Reading the Spell of Power: three tries a game, the win only on the grave.
#pragma once

#include "ui/kit/PictureForm.h"

class QPushButton;

class TFindForm : public PictureForm {
    Q_OBJECT
public:
    explicit TFindForm(GameContext& ctx);

    void Button1Click();  // "Прочесть"
    void Button2Click();  // "Отмена"
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

protected:
    void FormShow() override;
};
