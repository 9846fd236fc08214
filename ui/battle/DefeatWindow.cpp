#include "ui/battle/DefeatWindow.h"

#include "core/battle/Outcome.h"
#include "core/flow/Sound.h"
#include "platform/AssetNames.h"

// A condensed face: the heading fits the window's width on one line.
TDefeatForm::TDefeatForm(GameContext& c)
    : OutcomeWindow(
          c,
          {assets::kWinDefeat, QSize(370, 317), QColor(50, 20, 20), QStringLiteral("Поражение"),
           QStringLiteral("Битва проиграна. Вы бежали с поля боя."), QRect(6, 8, 360, 22),
           QRect(6, 32, 360, 120), true},
          Handover::Defeat) {}

void TDefeatForm::FormShow() {
    PlayWave(ctx.gs, ctx.platform, assets::kWavDie);
    std::string text = applyDefeat(ctx.gs);
    // After quick combat, what each side lost, on a line of its own.
    if (const std::string note = takeBattleNote(); !note.empty()) text += "\n" + note;
    showOutcome(text);
    activateWindow();
}
