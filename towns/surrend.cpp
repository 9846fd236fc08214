#include "towns/surrend.h"

#include <QPainter>
#include <QPushButton>

#include "battle/Battle.h"
#include "data/Session.h"
#include "platform/AssetNames.h"
#include "platform/Paths.h"
#include "platform/qt/OutlinedLabel.h"
#include "shell/MyGraph.h"
#include "towns/Outcome.h"
#include "towns/defeat.h"

TSurrendForm::TSurrendForm(GameContext& c) : GameForm(c) {
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

void TSurrendForm::FormShow() {
    if (picture_.isNull())
        picture_ = LoadWindowPicture(dataPath(assets::kWinRetreat), 313, 192, QColor(60, 40, 30));
}

void TSurrendForm::Button1Click() {
    applyRetreat(ctx.gs, ctx.session.sides);
    hide();
    if (ctx.forms.battle) ctx.forms.battle->closeBattle();
    if (ctx.forms.defeat) ctx.forms.defeat->showForm();
}

void TSurrendForm::Button2Click() {
    hide();
    if (TBattleForm* b = ctx.forms.battle) {
        b->setEnabled(true);
        b->activateWindow();
        b->setFocus();
    }
}

void TSurrendForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, picture_);
}
