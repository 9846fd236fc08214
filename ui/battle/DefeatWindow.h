// The defeat window: takes the hero's losses and throws him to a random place.
#pragma once

#include "ui/kit/PictureForm.h"

class QLabel;

class TDefeatForm : public PictureForm {
    Q_OBJECT
public:
    explicit TDefeatForm(GameContext& ctx);

    void Button1Click();
    QLabel* Label1;  // the losses
    QLabel* Label2;

protected:
    void FormShow() override;
    void FormClose() override;
};
