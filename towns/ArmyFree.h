// The question before a troop is dismissed from the army.
#pragma once

#include <QImage>

#include "platform/qt/GameForm.h"

class QPushButton;

class TArmyFreeForm : public GameForm {
    Q_OBJECT
public:
    explicit TArmyFreeForm(GameContext& ctx);

    void Button1Click();  // "ДА"
    void Button2Click();  // "НЕТ"

protected:
    void FormShow() override;
    void paintEvent(QPaintEvent* e) override;

private:
    QImage background_;
    QPushButton* Button1;
    QPushButton* Button2;
};
