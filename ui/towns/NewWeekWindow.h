// The end of a week: at most one event in the world, applied and reported.
#pragma once

#include "ui/kit/PictureForm.h"

class QLabel;

class TNewWeekForm : public PictureForm {
    Q_OBJECT
public:
    explicit TNewWeekForm(GameContext& ctx);

    void Button1Click();  // close
    QString report() const;

protected:
    void FormShow() override;
    void FormClose() override;

private:
    QLabel* Label1;
};
