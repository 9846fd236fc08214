#include "towns/defeat.h"

#include <QLabel>

#include "platform/AssetNames.h"
#include "platform/Sound.h"
#include "platform/qt/Look.h"
#include "shell/HandoverRunner.h"
#include "towns/Outcome.h"

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
}

void TDefeatForm::FormShow() {
    PlayWave(ctx.gs, ctx.platform, assets::kWavDie);
    // The losses text breaks its lines with LF CR; a label needs only the LF.
    Label1->setText(QString::fromStdString(applyDefeat(ctx.gs)).remove(QChar('\r')));
    activateWindow();
}

void TDefeatForm::Button1Click() {
    runHandover(ctx, Handover::Defeat, *this);
}

void TDefeatForm::FormClose() {
    runHandover(ctx, Handover::Defeat, *this, Closing::Yes);
}
