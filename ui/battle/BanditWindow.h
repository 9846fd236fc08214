// The band of robbers met on the map: who is in it, and a fight (in the battle
// window or quick), or a retreat.
#pragma once

#include "ui/kit/PictureForm.h"

class QLabel;
class QPushButton;

class TBanditForm : public PictureForm {
    Q_OBJECT
public:
    explicit TBanditForm(GameContext& ctx);

    void Button1Click();  // "Принять бой"
    void Button2Click();  // "Отступить"
    void Button3Click();  // "Быстрый бой"
    QLabel* Label1;
    QLabel* Estimate;  // the chances of winning, from trial battles
    QLabel* Losses;    // what a victory is likely to cost, under the chances

protected:
    void FormShow() override;

private:
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
};
