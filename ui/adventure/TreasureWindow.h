// The treasure window: a chest found on the map, its gold added at once.
#pragma once

#include "ui/kit/PictureForm.h"

class QLabel;

class TGoldForm : public PictureForm {
    Q_OBJECT
public:
    explicit TGoldForm(GameContext& ctx);

    // Hands the map its refresh step, then hides.
    void Button1Click();
    QLabel* Label1 = nullptr;

protected:
    void FormShow() override;
    void FormClose() override;
};
