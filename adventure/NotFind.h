// The spell was read away from the grave: nothing happens.
#pragma once

#include <QImage>

#include "platform/qt/GameForm.h"

class TNotFindForm : public GameForm {
    Q_OBJECT
public:
    explicit TNotFindForm(GameContext& ctx);

    void Button1Click();

protected:
    void FormShow() override;
    void paintEvent(QPaintEvent* e) override;

private:
    QImage picture_;
};
