// The end of a week: at most one event in the world, applied and reported.
#pragma once

#include <QImage>

#include "platform/qt/GameForm.h"

class QLabel;

class TNewWeekForm : public GameForm {
    Q_OBJECT
public:
    explicit TNewWeekForm(GameContext& ctx);

    void Button1Click();  // close
    QString report() const;

protected:
    void FormShow() override;
    void FormClose() override;
    void paintEvent(QPaintEvent* e) override;

private:
    QImage background_;
    QLabel* Label1;
};
