#include "ui/battle/DefeatWindow.h"

#include <QLabel>

#include "core/battle/Outcome.h"
#include "core/data/Session.h"
#include "core/flow/Sound.h"
#include "platform/AssetNames.h"
#include "ui/kit/Look.h"
#include "ui/shell/HandoverRunner.h"

TDefeatForm::TDefeatForm(GameContext& c)
    : PictureForm(c, assets::kWinDefeat, QSize(370, 317), QColor(50, 20, 20)) {
    setWindowTitle(QStringLiteral("Поражение"));
    setDialogStyle(true);  // its close box works as its button
    setRefuseClose(false);
    setClientSize(370, 317);
    // A condensed face: the heading fits the window's width on one line.
    Label2 = look::whiteLabel(this, 6, 8, 360, 22, true);
    Label2->setText(QStringLiteral("Битва проиграна. Вы бежали с поля боя."));
    Label1 = look::whiteLabel(this, 6, 32, 360, 120, true);
    setEscapeAction([this] { Button1Click(); });
    setQuickClose();
}

void TDefeatForm::FormShow() {
    PlayWave(ctx.gs, ctx.platform, assets::kWavDie);
    // The losses text breaks its lines with LF CR; a label needs only the LF.
    std::string text = applyDefeat(ctx.gs);
    // After quick combat: what each side lost.
    if (!ctx.session.battleNote.empty()) text += "\n" + ctx.session.battleNote;
    ctx.session.battleNote.clear();
    Label1->setText(QString::fromStdString(text).remove(QChar('\r')));
    activateWindow();
}

void TDefeatForm::Button1Click() {
    runHandover(ctx, Handover::Defeat, *this);
}

void TDefeatForm::FormClose() {
    runHandover(ctx, Handover::Defeat, *this, Closing::Yes);
}
