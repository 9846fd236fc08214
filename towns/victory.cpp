#include "towns/victory.h"

#include <QLabel>
#include <QPainter>

#include "adventure/travel.h"
#include "data/Session.h"
#include "platform/AssetNames.h"
#include "platform/Paths.h"
#include "platform/Sound.h"
#include "platform/qt/OutlinedLabel.h"
#include "shell/MyGraph.h"
#include "towns/Outcome.h"
#include "towns/Town.h"

namespace {
QLabel* whiteLabel(QWidget* parent, int x, int y, int w, int h) {
    auto* l = new OutlinedLabel(parent);
    l->setGeometry(x, y, w, h);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setWordWrap(true);
    QFont f = l->font();
    f.setBold(true);
    f.setPixelSize(16);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, Qt::white);
    l->setPalette(p);
    return l;
}
}  // namespace

TVictoryForm::TVictoryForm(GameContext& c) : GameForm(c) {
    setWindowTitle(QStringLiteral("Победа"));
    setDialogStyle(true);  // its close box works as its button
    setRefuseClose(false);
    setClientSize(391, 423);
    Label2 = whiteLabel(this, 8, 8, 375, 20);
    Label2->setText(QStringLiteral("Вы победили! Результаты:"));
    Label1 = whiteLabel(this, 8, 32, 375, 380);
    setEscapeAction([this] { Button1Click(); });
}

void TVictoryForm::FormShow() {
    if (picture_.isNull())
        picture_ = LoadWindowPicture(dataPath(assets::kWinVictory), 391, 423, QColor(40, 60, 30));
    PlayWave(ctx.gs, ctx.platform, assets::kWavVictory);
    const std::string text = applyVictory(ctx.gs, ctx.session.reward);
    Label1->setText(QString::fromStdString(text).remove(QChar('\r')));
}

void TVictoryForm::backToPlay() {
    if (ctx.forms.tr) ctx.forms.tr->FormKeyDown(Qt::Key_Space);
}

void TVictoryForm::Button1Click() {
    backToPlay();
    hide();
    if (TTownForm* town = ctx.forms.town) {
        town->setEnabled(true);
        // A vault battle was started from the town: it shows the vault taken.
        if (town->isVisible()) {
            town->activateWindow();
            town->rebuild();
        }
    }
}

void TVictoryForm::FormClose() {
    // The close box hides the window itself; the rest is the button's work.
    backToPlay();
    if (TTownForm* town = ctx.forms.town) {
        town->setEnabled(true);
        if (town->isVisible()) {
            town->activateWindow();
            town->rebuild();
        }
    }
}

void TVictoryForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, picture_);
}
