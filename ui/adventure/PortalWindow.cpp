#include "ui/adventure/PortalWindow.h"

#include <QPushButton>

#include "core/adventure/Encounters.h"
#include "core/data/GameState.h"
#include "core/data/Session.h"
#include "core/flow/Sound.h"
#include "platform/AssetNames.h"
#include "ui/shell/HandoverRunner.h"

TPortalForm::TPortalForm(GameContext& c)
    : PictureForm(c, assets::kWinPortal, QSize(400, 165), QColor(40, 20, 70)) {
    setWindowTitle(QStringLiteral("Портал"));
    setClientSize(400, 200);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::cyan);
    setPalette(pal);
    Button1 = new QPushButton(this);
    Button1->setGeometry(8, 171, 169, 25);
    Button2 = new QPushButton(QStringLiteral("Остаться"), this);
    Button2->setGeometry(224, 171, 169, 25);
    connect(Button1, &QPushButton::clicked, this, &TPortalForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TPortalForm::Button2Click);
    setEscapeAction([this] { Button2Click(); });
}

void TPortalForm::FormShow() {
    PlayWave(ctx.gs, ctx.platform, assets::kWavPortal);
    ctx.session.portalTarget = portalTargetOf(ctx.gs);
    Button1->setText(QString::fromStdString(portalButtonText(ctx.gs, ctx.session.portalTarget)));
}

void TPortalForm::Button1Click() {
    portalJump(ctx.gs, ctx.rnd, ctx.session.portalTarget);
    runHandover(ctx, Handover::Portal, *this);
}

void TPortalForm::Button2Click() {
    hide();
}
