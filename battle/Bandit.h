// The band of robbers met on the map: who is in it, and a fight or a retreat.
#pragma once

#include <QImage>

#include "platform/qt/GameForm.h"

class QLabel;
class QPushButton;

class TBanditForm : public GameForm {
    Q_OBJECT
public:
    explicit TBanditForm(GameContext& ctx);

    void Button1Click();  // "Принять бой"
    void Button2Click();  // "Отступить"
    QLabel* Label1;
    QLabel* Estimate;  // the chances of winning, from trial battles

protected:
    void FormShow() override;
    void paintEvent(QPaintEvent* e) override;

private:
    QPushButton* Button1;
    QPushButton* Button2;
    QImage Image1;
};
