// The retreat question: leave the battle with half the survivors, or fight on.
#pragma once

#include <QImage>

#include "platform/qt/GameForm.h"

class QPushButton;

class TSurrendForm : public GameForm {
    Q_OBJECT
public:
    explicit TSurrendForm(GameContext& ctx);

    void Button1Click();  // "Отступить"
    void Button2Click();  // "Продолжить бой"

protected:
    void FormShow() override;
    void paintEvent(QPaintEvent* e) override;

private:
    QPushButton* Button1;
    QPushButton* Button2;
    QImage picture_;
};
