#include "ui/towns/DismissWindow.h"

#include <QPushButton>

#include "core/data/GameState.h"
#include "core/towns/TownRules.h"
#include "platform/AssetNames.h"
#include "ui/kit/Look.h"
#include "ui/kit/OutlinedLabel.h"
#include "ui/towns/ArmyWindow.h"

TArmyFreeForm::TArmyFreeForm(GameContext& c)
    : PictureForm(c, assets::kWinDismiss, QSize(290, 134), QColor(120, 90, 60)) {
    setClientSize(290, 134);
    // The question is the window's caption; it is repeated on the picture for
    // title bars that cut it off or desktops that draw none.
    echoWindowTitle(this, QRect(4, 4, 282, 40), 13);
    Button1 = new QPushButton(QStringLiteral("ДА"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(32, 104, 75, 25);
    Button1->setFont(look::sans(12));
    Button2 = new QPushButton(QStringLiteral("НЕТ"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(184, 104, 75, 25);
    Button2->setFont(look::sans(12));
    connect(Button1, &QPushButton::clicked, this, &TArmyFreeForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TArmyFreeForm::Button2Click);
    setEscapeAction([this] { Button2Click(); });
}

void TArmyFreeForm::FormShow() {
    const int slot = ctx.forms.army ? ctx.forms.army->selectedSlot() : 0;
    setWindowTitle(QString::fromStdString(dismissQuestion(ctx.gs, slot)));
    Button2->setFocus();
}

void TArmyFreeForm::Button1Click() {
    if (ctx.forms.army) dismissSlot(ctx.gs, ctx.forms.army->selectedSlot());
    Button2Click();
}

void TArmyFreeForm::Button2Click() {
    if (ctx.forms.army) ctx.forms.army->ListBox1DblClick();
    hide();  // gives the army window back its input and focus
    if (ctx.forms.army) ctx.forms.army->selectSlot(ctx.forms.army->selectedSlot());
}
