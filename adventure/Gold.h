// The treasure window: a chest found on the map, its gold added at once.
#pragma once

#include <QImage>

#include "platform/qt/GameForm.h"

class QLabel;

class TGoldForm : public GameForm {
    Q_OBJECT
public:
    explicit TGoldForm(GameContext& ctx);

    // Hands the map its refresh step, then hides.
    void Button1Click();
    QLabel* Label1 = nullptr;

protected:
    void FormShow() override;
    void FormClose() override;
    void paintEvent(QPaintEvent* e) override;

private:
    QImage picture_;
};
