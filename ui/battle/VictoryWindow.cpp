#include "ui/battle/VictoryWindow.h"

#include "core/battle/Outcome.h"
#include "core/data/Session.h"
#include "core/flow/Sound.h"
#include "platform/AssetNames.h"

TVictoryForm::TVictoryForm(GameContext& c)
    : OutcomeWindow(c,
                    {assets::kWinVictory, QSize(391, 423), QColor(40, 60, 30),
                     QStringLiteral("Победа"), QStringLiteral("Вы победили! Результаты:"),
                     QRect(8, 8, 375, 20), QRect(8, 32, 375, 380), false},
                    Handover::Victory) {}

void TVictoryForm::FormShow() {
    PlayWave(ctx.gs, ctx.platform, assets::kWavVictory);
    std::string text = applyVictory(ctx.gs, ctx.session.reward);
    text += takeBattleNote();
    showOutcome(text);
}
