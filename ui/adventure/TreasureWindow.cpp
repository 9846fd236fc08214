#include "ui/adventure/TreasureWindow.h"

#include <QLabel>

#include "core/adventure/Encounters.h"
#include "core/flow/Sound.h"
#include "platform/AssetNames.h"
#include "ui/kit/OutlinedLabel.h"
#include "ui/shell/HandoverRunner.h"

TGoldForm::TGoldForm(GameContext& c)
    : PictureForm(c, assets::kWinTreasure, QSize(411, 207), QColor(40, 28, 10)) {
    setWindowTitle(QStringLiteral("Сокровище"));
    setDialogStyle(true);  // it has a close box, which counts as the button
    setRefuseClose(false);
    setClientSize(411, 228);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    Label1 = new OutlinedLabel(this);
    Label1->move(56, 208);
    Label1->resize(350, 18);
    QFont f = Label1->font();
    f.setBold(true);
    Label1->setFont(f);
    QPalette lp = Label1->palette();
    lp.setColor(QPalette::WindowText, Qt::white);
    Label1->setPalette(lp);
    setEscapeAction([this] { Button1Click(); });
    setQuickClose();
    // On the picture's corner, clear of the line under it.
    closeHint()->move(closeHint()->x(), 207 - closeHint()->height() - 6);
}

void TGoldForm::FormShow() {
    PlayWave(ctx.gs, ctx.platform, assets::kWavGold);
    const int amount = takeTreasure(ctx.gs, ctx.rnd);
    Label1->setText(QString::fromStdString(treasureText(amount)));
}

void TGoldForm::Button1Click() {
    runHandover(ctx, Handover::Treasure, *this);
}

void TGoldForm::FormClose() {
    runHandover(ctx, Handover::Treasure, *this, Closing::Yes);
}
