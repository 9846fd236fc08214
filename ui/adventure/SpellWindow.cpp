#include "ui/adventure/SpellWindow.h"

#include <QPushButton>

#include "core/adventure/Encounters.h"
#include "core/data/GameState.h"
#include "core/flow/Sound.h"
#include "platform/AssetNames.h"
#include "ui/adventure/GameWonWindow.h"
#include "ui/adventure/MapWindow.h"
#include "ui/adventure/SpellMissedWindow.h"
#include "ui/kit/OutlinedLabel.h"

TFindForm::TFindForm(GameContext& c)
    : PictureForm(c, assets::kWinSpell, QSize(314, 261), QColor(30, 24, 60)) {
    setWindowTitle(QString::fromStdString(spellCaption(c.gs)));
    setClientSize(314, 261);
    // The caption with the tries left again, where a title bar cannot cut it off.
    echoWindowTitle(this, QRect(6, 6, 302, 40));
    QFont bold = font();
    bold.setBold(true);
    Button1 = new QPushButton(QStringLiteral("Прочесть"), this);
    Button1->setGeometry(24, 224, 90, 25);
    Button1->setFont(bold);
    Button2 = new QPushButton(QStringLiteral("Отмена"), this);
    Button2->setGeometry(200, 224, 90, 25);
    Button2->setFont(bold);
    connect(Button1, &QPushButton::clicked, this, &TFindForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TFindForm::Button2Click);
    setEscapeAction([this] { Button2Click(); });
}

void TFindForm::FormShow() {
    PlayWave(ctx.gs, ctx.platform, assets::kWavSpell);
    setWindowTitle(QString::fromStdString(spellCaption(ctx.gs)));
    Button1->setEnabled(ctx.gs.spellTries != 0);
}

void TFindForm::Button1Click() {
    if (ctx.gs.spellTries == 0) return;
    const bool won = readSpell(ctx.gs);
    hide();
    GameForm* next = won ? static_cast<GameForm*>(ctx.forms.vicGame) : ctx.forms.notFind;
    if (next) next->showForm(ctx.forms.tr);
}

void TFindForm::Button2Click() {
    hide();
}
