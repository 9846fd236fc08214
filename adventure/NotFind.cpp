#include "adventure/NotFind.h"

#include <QPainter>

#include "platform/AssetNames.h"
#include "platform/Paths.h"
#include "platform/Sound.h"
#include "platform/qt/OutlinedLabel.h"
#include "shell/MyGraph.h"

TNotFindForm::TNotFindForm(GameContext& c) : GameForm(c) {
    setWindowTitle(QStringLiteral("    ВЫ ПРОЧИТАЛИ ЗАКЛЯТЬЕ, НО НИЧЕГО НЕ ПРОИЗОШЛО"));
    setDialogStyle(true);
    setRefuseClose(false);
    setClientSize(409, 448);
    // The caption again, where a narrow title bar cannot cut it off.
    echoWindowTitle(this, QRect(10, 10, 389, 50), 16);
    setEscapeAction([this] { Button1Click(); });
}

void TNotFindForm::FormShow() {
    if (picture_.isNull())
        picture_ =
            LoadWindowPicture(dataPath(assets::kWinSpellFailed), 409, 448, QColor(20, 20, 30));
    PlayWave(ctx.gs, ctx.platform, assets::kWavNF);
}

void TNotFindForm::Button1Click() {
    hide();
}

void TNotFindForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, picture_);
}
