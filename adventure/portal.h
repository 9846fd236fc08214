// The portal window: the standing stones offer a journey to the next continent.
#pragma once

#include <QImage>

#include "platform/qt/GameForm.h"

class QPushButton;

class TPortalForm : public GameForm {
    Q_OBJECT
public:
    explicit TPortalForm(GameContext& ctx);

    void Button1Click();  // go
    void Button2Click();  // "Остаться"
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

protected:
    void FormShow() override;
    void paintEvent(QPaintEvent* e) override;

private:
    QImage picture_;
};
