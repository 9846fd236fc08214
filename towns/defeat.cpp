#include "towns/defeat.h"

#include <QLabel>
#include <QPainter>

#include "adventure/Encounters.h"
#include "adventure/travel.h"
#include "platform/AssetNames.h"
#include "platform/Paths.h"
#include "platform/Sound.h"
#include "platform/qt/OutlinedLabel.h"
#include "shell/MyGraph.h"
#include "towns/Outcome.h"
#include "towns/Town.h"

TDefeatForm::TDefeatForm(GameContext& c) : GameForm(c) {
    setWindowTitle(QStringLiteral("Поражение"));
    setDialogStyle(true);  // its close box works as its button
    setRefuseClose(false);
    setClientSize(370, 317);
    auto label = [this](int x, int y, int w, int h) {
        auto* l = new OutlinedLabel(this);
        l->setGeometry(x, y, w, h);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->setWordWrap(true);
        QFont f = l->font();
        f.setBold(true);
        f.setPixelSize(16);
        // The game's texts were laid out for a narrower face than ours.
        f.setStretch(QFont::Condensed);
        l->setFont(f);
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, Qt::white);
        l->setPalette(p);
        return l;
    };
    Label2 = label(6, 8, 360, 22);
    Label2->setText(QStringLiteral("Битва проиграна. Вы бежали с поля боя."));
    Label1 = label(6, 32, 360, 120);
    setEscapeAction([this] { Button1Click(); });
}

void TDefeatForm::FormShow() {
    if (picture_.isNull())
        picture_ = LoadWindowPicture(dataPath(assets::kWinDefeat), 370, 317, QColor(50, 20, 20));
    PlayWave(ctx.gs, ctx.platform, assets::kWavDie);
    // The losses text breaks its lines with LF CR; a label needs only the LF.
    Label1->setText(QString::fromStdString(applyDefeat(ctx.gs)).remove(QChar('\r')));
    activateWindow();
}

void TDefeatForm::backToPlay(bool hideSelf) {
    if (ctx.forms.town) {
        ctx.forms.town->setEnabled(true);
        ctx.forms.town->hide();
    }
    placeHeroRandomly(ctx.gs, ctx.rnd);
    if (hideSelf) hide();
    if (ctx.forms.tr) {
        ctx.forms.tr->FormKeyDown(Qt::Key_Space);
        ctx.forms.tr->redrawMiniMap();
    }
}

void TDefeatForm::Button1Click() {
    backToPlay(true);
}

void TDefeatForm::FormClose() {
    backToPlay(false);
}

void TDefeatForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, picture_);
}
