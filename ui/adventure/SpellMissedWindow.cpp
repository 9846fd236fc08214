#include "ui/adventure/SpellMissedWindow.h"

#include "core/flow/Sound.h"
#include "platform/AssetNames.h"
#include "ui/kit/OutlinedLabel.h"

TNotFindForm::TNotFindForm(GameContext& c)
    : PictureForm(c, assets::kWinSpellFailed, QSize(409, 448), QColor(20, 20, 30)) {
    setWindowTitle(QStringLiteral("    ВЫ ПРОЧИТАЛИ ЗАКЛЯТЬЕ, НО НИЧЕГО НЕ ПРОИЗОШЛО"));
    setDialogStyle(true);
    setRefuseClose(false);
    setClientSize(409, 448);
    // The caption again, where a narrow title bar cannot cut it off.
    echoWindowTitle(this, QRect(10, 10, 389, 50), 16);
    setEscapeAction([this] { Button1Click(); });
    setQuickClose();
}

void TNotFindForm::FormShow() {
    PlayWave(ctx.gs, ctx.platform, assets::kWavNF);
}

void TNotFindForm::Button1Click() {
    hide();
}
