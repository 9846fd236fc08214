#include "adventure/Gold.h"

#include <QLabel>
#include <QPainter>

#include "adventure/Encounters.h"
#include "adventure/travel.h"
#include "platform/AssetNames.h"
#include "platform/Paths.h"
#include "platform/Sound.h"
#include "platform/qt/OutlinedLabel.h"
#include "shell/MyGraph.h"

TGoldForm::TGoldForm(GameContext& c) : GameForm(c) {
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
}

void TGoldForm::FormShow() {
    if (picture_.isNull())
        picture_ = LoadWindowPicture(dataPath(assets::kWinTreasure), 411, 207, QColor(40, 28, 10));
    PlayWave(ctx.gs, ctx.platform, assets::kWavGold);
    const int amount = takeTreasure(ctx.gs, ctx.rnd);
    Label1->setText(QString::fromStdString(treasureText(amount)));
}

void TGoldForm::Button1Click() {
    if (ctx.forms.tr) ctx.forms.tr->FormKeyDown(Qt::Key_Space);
    hide();
}

void TGoldForm::FormClose() {
    if (ctx.forms.tr) ctx.forms.tr->FormKeyDown(Qt::Key_Space);
}

void TGoldForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, picture_);
}
