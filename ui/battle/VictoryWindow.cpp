#include "ui/battle/VictoryWindow.h"

#include <QLabel>

#include "core/battle/Outcome.h"
#include "core/data/Session.h"
#include "core/flow/Sound.h"
#include "platform/AssetNames.h"
#include "ui/kit/Look.h"
#include "ui/shell/HandoverRunner.h"

TVictoryForm::TVictoryForm(GameContext& c)
    : PictureForm(c, assets::kWinVictory, QSize(391, 423), QColor(40, 60, 30)) {
    setWindowTitle(QStringLiteral("Победа"));
    setDialogStyle(true);  // its close box works as its button
    setRefuseClose(false);
    setClientSize(391, 423);
    Label2 = look::whiteLabel(this, 8, 8, 375, 20);
    Label2->setText(QStringLiteral("Вы победили! Результаты:"));
    Label1 = look::whiteLabel(this, 8, 32, 375, 380);
    setEscapeAction([this] { Button1Click(); });
    setQuickClose();
}

void TVictoryForm::FormShow() {
    PlayWave(ctx.gs, ctx.platform, assets::kWavVictory);
    std::string text = applyVictory(ctx.gs, ctx.session.reward);
    text += ctx.session.battleNote;  // after quick combat: what each side lost
    ctx.session.battleNote.clear();
    Label1->setText(QString::fromStdString(text).remove(QChar('\r')));
}

void TVictoryForm::Button1Click() {
    runHandover(ctx, Handover::Victory, *this);
}

void TVictoryForm::FormClose() {
    // The close box hides the window itself; the rest is the button's work.
    runHandover(ctx, Handover::Victory, *this, Closing::Yes);
}
