#include "towns/NewWeek.h"

#include <QLabel>
#include <QPainter>

#include "adventure/travel.h"
#include "data/GameState.h"
#include "platform/AssetNames.h"
#include "platform/Paths.h"
#include "platform/Random.h"
#include "platform/qt/OutlinedLabel.h"
#include "shell/MyGraph.h"
#include "towns/FormLook.h"
#include "towns/TownRules.h"

TNewWeekForm::TNewWeekForm(GameContext& c) : GameForm(c) {
    setWindowTitle(QStringLiteral("Новая неделя"));
    setClientSize(354, 433);
    setDialogStyle(true);
    setRefuseClose(false);  // the close box closes it like Escape
    Label1 = outlinedLabel(this, "Label1", 8, 8);
    Label1->setFont(look::sans(13));
    look::setTextColour(Label1, Qt::black);
    setEscapeAction([this] { Button1Click(); });
}

void TNewWeekForm::FormShow() {
    if (background_.isNull())
        background_ =
            LoadWindowPicture(dataPath(assets::kWinNewWeek), 354, 433, QColor(216, 200, 168));
    ctx.rnd.reseedFromClock();
    look::setAutoText(Label1, look::shown(newWeekEvent(ctx.gs, ctx.rnd)));
}

QString TNewWeekForm::report() const {
    return Label1->text();
}

void TNewWeekForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, background_);
}

void TNewWeekForm::Button1Click() {
    hide();
    if (ctx.forms.tr) ctx.forms.tr->FormKeyDown(Qt::Key_Space);
}

void TNewWeekForm::FormClose() {
    Button1Click();
}
