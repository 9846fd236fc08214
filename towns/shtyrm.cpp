#include "towns/shtyrm.h"

#include <QLabel>
#include <QPushButton>

#include "data/GameState.h"
#include "data/Session.h"
#include "platform/AssetNames.h"
#include "platform/qt/Look.h"
#include "platform/qt/OutlinedLabel.h"
#include "shell/HandoverRunner.h"
#include "towns/TownRules.h"

TShtyrmForm::TShtyrmForm(GameContext& c)
    : PictureForm(c, assets::kWinVault, QSize(456, 472), QColor(216, 200, 168)) {
    setWindowTitle(QStringLiteral("Штурм"));
    setClientSize(456, 472);

    Label1 = outlinedLabel(this, "Label1", 8, 8);
    Label1->setFont(look::sans(13));
    look::setTextColour(Label1, QColor(255, 236, 190));

    Button1 = new QPushButton(QStringLiteral("Начать штурм"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(32, 440, 137, 25);
    Button1->setFont(look::sans(12));
    Button2 = new QPushButton(QStringLiteral("Отмена"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(280, 440, 137, 25);
    Button2->setFont(look::sans(12));

    connect(Button1, &QPushButton::clicked, this, &TShtyrmForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TShtyrmForm::Button2Click);
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
    Button1->setFocus();
}

void TShtyrmForm::Button1Click() {
    const TownRecord* town = enteredTown();
    if (!town) {
        Button2Click();
        return;
    }
    setUpStorm(ctx.gs, *town, ctx.session.sides);
    // The town window stays disabled behind the battle; the outcome windows
    // enable it again.
    runHandover(ctx, Handover::Fight, *this);
}

void TShtyrmForm::Button2Click() {
    runHandover(ctx, Handover::BackToTown, *this);
}
