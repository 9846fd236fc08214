// The victory window: pays out what the battle was worth and returns to the map.
#pragma once

#include "ui/kit/PictureForm.h"

class QLabel;

class TVictoryForm : public PictureForm {
    Q_OBJECT
public:
    explicit TVictoryForm(GameContext& ctx);

    void Button1Click();
    QLabel* Label1;  // the results
    QLabel* Label2;

protected:
    void FormShow() override;
    void FormClose() override;
};
