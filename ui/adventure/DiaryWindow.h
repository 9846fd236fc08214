// The diary of Nazg: the runic text with every letter not yet deciphered shown
// as "?".
#pragma once

#include "ui/kit/PictureForm.h"

class QLabel;

class TTextForm : public PictureForm {
    Q_OBJECT
public:
    explicit TTextForm(GameContext& ctx);

    void Button1Click();
    QLabel* Label1 = nullptr;

protected:
    void FormShow() override;
};
