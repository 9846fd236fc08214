#include "ui/towns/NewWeekWindow.h"

#include <QLabel>

#include "core/data/GameState.h"
#include "core/towns/TownRules.h"
#include "platform/AssetNames.h"
#include "platform/Random.h"
#include "ui/kit/Look.h"
#include "ui/kit/OutlinedLabel.h"
#include "ui/shell/HandoverRunner.h"

TNewWeekForm::TNewWeekForm(GameContext& c)
    : PictureForm(c, assets::kWinNewWeek, QSize(354, 433), QColor(216, 200, 168)) {
    setWindowTitle(QStringLiteral("Новая неделя"));
    setClientSize(354, 433);
    setDialogStyle(true);
    setRefuseClose(false);  // the close box closes it like Escape
    Label1 = outlinedLabel(this, "Label1", 8, 8);
    Label1->setFont(look::sans(13));
    look::setTextColour(Label1, Qt::black);
    setEscapeAction([this] { Button1Click(); });
    setQuickClose();
}

void TNewWeekForm::FormShow() {
    ctx.rnd.reseedFromClock();
    look::setAutoText(Label1, look::shown(newWeekEvent(ctx.gs, ctx.rnd)));
}

QString TNewWeekForm::report() const {
    return Label1->text();
}

void TNewWeekForm::Button1Click() {
    runHandover(ctx, Handover::NewWeek, *this);
}

void TNewWeekForm::FormClose() {
    Button1Click();
}
