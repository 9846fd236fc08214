// The portal window: the standing stones offer a journey to the next continent.
#pragma once

#include "ui/kit/PictureForm.h"

class QPushButton;

class TPortalForm : public PictureForm {
    Q_OBJECT
public:
    explicit TPortalForm(GameContext& ctx);

    void Button1Click();  // go
    void Button2Click();  // "Остаться"
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

protected:
    void FormShow() override;
};
