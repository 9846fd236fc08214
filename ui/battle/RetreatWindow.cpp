#include "ui/battle/RetreatWindow.h"

#include <QPushButton>

#include "core/battle/Outcome.h"
#include "core/data/Session.h"
#include "platform/AssetNames.h"
#include "ui/kit/OutlinedLabel.h"
#include "ui/shell/HandoverRunner.h"

TSurrendForm::TSurrendForm(GameContext& c)
    : PictureForm(c, assets::kWinRetreat, QSize(313, 192), QColor(60, 40, 30)) {
    setWindowTitle(QStringLiteral("Вы действительно хотите отступить?"));
    setClientSize(313, 192);
    // The question again, where a narrow title bar cannot cut it off.
    echoWindowTitle(this, QRect(6, 6, 301, 40));
    auto button = [this](const char* caption, int x, void (TSurrendForm::*click)()) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setGeometry(x, 160, 113, 25);
        QFont f = b->font();
        f.setBold(true);
        f.setPixelSize(11);
        b->setFont(f);
        connect(b, &QPushButton::clicked, this, click);
        return b;
    };
    Button1 = button("Отступить", 24, &TSurrendForm::Button1Click);
    Button2 = button("Продолжить бой", 176, &TSurrendForm::Button2Click);
    setEscapeAction([this] { Button2Click(); });
}

void TSurrendForm::Button1Click() {
    applyRetreat(ctx.gs, ctx.session.sides);
    runHandover(ctx, Handover::Retreat, *this);
}

void TSurrendForm::Button2Click() {
    runHandover(ctx, Handover::ResumeBattle, *this);
}
