#include "ui/towns/VaultWindow.h"

#include <QLabel>
#include <QPushButton>

#include "core/battle/FightEstimate.h"
#include "core/data/GameState.h"
#include "core/data/Session.h"
#include "core/towns/TownRules.h"
#include "platform/AssetNames.h"
#include "ui/kit/Look.h"
#include "ui/kit/OutlinedLabel.h"
#include "ui/shell/HandoverRunner.h"

namespace {
// The estimate's two lines: from here down to the buttons at 440.
constexpr int kEstimateTop = 404;
constexpr int kEstimateLine = 17;
}  // namespace

TShtyrmForm::TShtyrmForm(GameContext& c)
    : PictureForm(c, assets::kWinVault, QSize(456, 472), QColor(216, 200, 168)) {
    setWindowTitle(QStringLiteral("Штурм"));
    setClientSize(456, 472);

    Label1 = outlinedLabel(this, "Label1", 8, 8);
    Label1->setFont(look::sans(13));
    look::setTextColour(Label1, QColor(255, 236, 190));
    // How the storm is likely to go and what a victory costs, two lines just
    // above the buttons.
    Estimate = outlinedLabel(this, "Estimate", 8, kEstimateTop);
    Losses = outlinedLabel(this, "Losses", 8, kEstimateTop + kEstimateLine);
    for (QLabel* l : {Estimate, Losses}) {
        l->setFont(look::sans(13));
        look::setTextColour(l, QColor(255, 236, 190));
    }

    // Three buttons in one row at the foot of the window.
    auto button = [this](const char* name, const QString& caption, int x) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(x, 440, 136, 25);
        b->setFont(look::sans(12));
        return b;
    };
    Button1 = button("Button1", QStringLiteral("Начать штурм"), 16);
    Button3 = button("Button3", QStringLiteral("Быстрый бой"), 160);
    Button2 = button("Button2", QStringLiteral("Отмена"), 304);

    connect(Button1, &QPushButton::clicked, this, &TShtyrmForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TShtyrmForm::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TShtyrmForm::Button3Click);
    setEscapeAction([this] { Button2Click(); });
}

const TownRecord* TShtyrmForm::enteredTown() const {
    const int t = ctx.session.enteredTown.townNumber();
    return t >= 1 && t <= kTowns ? &ctx.gs.town(t) : nullptr;
}

void TShtyrmForm::FormShow() {
    const TownRecord* town = enteredTown();
    if (!town) return;
    look::setAutoText(Label1, look::shown(vaultText(ctx.gs, *town)));
    fillVaultReward(ctx.session.reward, *town);
    BattleSides trial{};
    setUpStorm(ctx.gs, *town, trial);
    const battle::FightEstimate estimate = battle::EstimateFight(trial, true);
    look::setAutoText(Estimate, QString::fromStdString(battle::chancesText(estimate.chances)));
    look::setAutoText(Losses, QString::fromStdString(battle::lossText(estimate)));
    Button1->setFocus();
}

void TShtyrmForm::Button1Click() {
    storm(Handover::Fight);
}

void TShtyrmForm::Button3Click() {
    storm(Handover::QuickFight);
}

void TShtyrmForm::storm(Handover how) {
    const TownRecord* town = enteredTown();
    if (!town) {
        Button2Click();
        return;
    }
    setUpStorm(ctx.gs, *town, ctx.session.sides);
    // The town window stays disabled behind the battle; the outcome windows
    // enable it again.
    runHandover(ctx, how, *this);
}

void TShtyrmForm::Button2Click() {
    runHandover(ctx, Handover::BackToTown, *this);
}
