// The diary of Nazg: the runic text with every letter not yet deciphered shown
// as "?".
#pragma once

#include <QImage>

#include "platform/qt/GameForm.h"

class QLabel;

class TTextForm : public GameForm {
    Q_OBJECT
public:
    explicit TTextForm(GameContext& ctx);

    void Button1Click();
    QLabel* Label1 = nullptr;

protected:
    void FormShow() override;
    void paintEvent(QPaintEvent* e) override;

private:
    QImage picture_;
};
