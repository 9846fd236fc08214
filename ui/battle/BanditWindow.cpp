#include "ui/battle/BanditWindow.h"

#include <QLabel>
#include <QPushButton>

#include "core/battle/BanditRules.h"
#include "core/battle/FightEstimate.h"
#include "core/data/GameState.h"
#include "core/data/Session.h"
#include "core/flow/Sound.h"
#include "platform/AssetNames.h"
#include "ui/kit/OutlinedLabel.h"
#include "ui/shell/HandoverRunner.h"

TBanditForm::TBanditForm(GameContext& c)
    : PictureForm(c, assets::kWinBandits, QSize(439, 300), QColor(50, 40, 30)) {
    setWindowTitle(QStringLiteral("Разбойники"));
    setClientSize(439, 300);
    Label1 = new OutlinedLabel(this);
    Label1->setGeometry(16, 16, 400, 120);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont f = Label1->font();
    f.setBold(true);
    f.setPixelSize(16);
    Label1->setFont(f);
    QPalette lp = Label1->palette();
    lp.setColor(QPalette::WindowText, Qt::white);
    Label1->setPalette(lp);
    // How the fight is likely to go, under the list of the band.
    Estimate = new OutlinedLabel(this);
    Estimate->setObjectName(QStringLiteral("Estimate"));
    Estimate->setGeometry(16, 136, 407, 22);
    Estimate->setFont(f);
    Estimate->setPalette(lp);
    Losses = new OutlinedLabel(this);
    Losses->setObjectName(QStringLiteral("Losses"));
    Losses->setGeometry(16, 158, 407, 22);
    Losses->setFont(f);
    Losses->setPalette(lp);
    // Three buttons in one row, under the text and the estimate.
    auto button = [this](const char* caption, int x, void (TBanditForm::*click)()) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setGeometry(x, 264, 129, 25);
        connect(b, &QPushButton::clicked, this, click);
        return b;
    };
    Button1 = button("Принять бой", 16, &TBanditForm::Button1Click);
    Button3 = button("Быстрый бой", 155, &TBanditForm::Button3Click);
    Button2 = button("Отступить", 294, &TBanditForm::Button2Click);
    setEscapeAction([this] { Button2Click(); });
}

void TBanditForm::FormShow() {
    PlayWave(ctx.gs, ctx.platform, assets::kWavBandit);
    const int group = banditGroup(ctx.session.encounterCode);
    Label1->setText(QString::fromStdString(banditText(group)).remove(QChar('\r')));
    BattleSides trial{};
    banditSides(trial, ctx.gs, group);
    const battle::FightEstimate estimate = battle::EstimateFight(trial, false);
    Estimate->setText(QString::fromStdString(battle::chancesText(estimate.chances)));
    Losses->setText(QString::fromStdString(battle::lossText(estimate)));
    banditReward(ctx.session.reward, group);
}

void TBanditForm::Button1Click() {
    banditSides(ctx.session.sides, ctx.gs, banditGroup(ctx.session.encounterCode));
    runHandover(ctx, Handover::Fight, *this);
}

void TBanditForm::Button3Click() {
    banditSides(ctx.session.sides, ctx.gs, banditGroup(ctx.session.encounterCode));
    runHandover(ctx, Handover::QuickFight, *this);
}

void TBanditForm::Button2Click() {
    hide();
}
