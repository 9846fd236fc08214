#include "ui/shell/HandoverRunner.h"

#include "core/adventure/Encounters.h"
#include "core/battle/QuickCombat.h"
#include "core/data/Session.h"
#include "core/flow/Autosave.h"
#include "core/flow/Sound.h"
#include "platform/AssetNames.h"
#include "ui/adventure/MapWindow.h"
#include "ui/battle/BattleWindow.h"
#include "ui/battle/DefeatWindow.h"
#include "ui/battle/VictoryWindow.h"
#include "ui/shell/StartWindow.h"
#include "ui/towns/TownWindow.h"

namespace {

void focus(QWidget* w) {
    if (!w) return;
    w->setEnabled(true);
    w->activateWindow();
    w->setFocus();
}

// The battle fought at once on the battle window's own engine, then the
// hand-over its outcome calls for (a fight the computer cannot finish goes on
// in the window).
void fightQuickly(GameContext& ctx, GameForm& from) {
    TBattleForm* window = ctx.forms.battle;
    if (!window) return;
    const battle::QuickCombatResult r = battle::FightQuickly(window->engine(), ctx.session);
    ctx.session.battleNote = battle::lossesLine(r.heroLost, r.enemyLost);
    const Handover next = r.outcome == battle::Outcome::Victory  ? Handover::QuickWon
                          : r.outcome == battle::Outcome::Defeat ? Handover::QuickLost
                                                                 : Handover::QuickUnfinished;
    runHandover(ctx, next, from, Closing::Yes);
}

void runStep(GameContext& ctx, HandoverStep step, GameForm& from, Closing closing) {
    TTrForm* map = ctx.forms.tr;
    TTownForm* town = ctx.forms.town;
    switch (step) {
        case HandoverStep::HideSelf:
            if (closing == Closing::No) from.hide();
            break;
        case HandoverStep::MapStep:
            if (map) map->FormKeyDown(Qt::Key_Space);
            break;
        case HandoverStep::LandHeroRandomly:
            placeHeroRandomly(ctx.gs, ctx.rnd);
            break;
        case HandoverStep::RedrawMiniMap:
            if (map) map->redrawMiniMap();
            break;
        case HandoverStep::RecreateMiniMaps:
            if (map) map->recreateMiniMaps();
            break;
        case HandoverStep::MapBecomesMain:
            GameForm::setMainWindow(map);
            break;
        case HandoverStep::ShowMap:
            if (map) map->showForm();
            break;
        case HandoverStep::LeaveStart:
            if (QWidget* start = ctx.forms.start; start && start->isVisible() && map) {
                start->hide();
                GameForm::setMainWindow(map);
                map->showForm();
            }
            break;
        case HandoverStep::ShowBattle:
            if (ctx.forms.battle) ctx.forms.battle->showForm();
            break;
        case HandoverStep::CloseBattle:
            if (ctx.forms.battle) ctx.forms.battle->closeBattle();
            break;
        case HandoverStep::ShowVictory:
            if (ctx.forms.victory) ctx.forms.victory->showForm();
            break;
        case HandoverStep::ShowDefeat:
            if (ctx.forms.defeat) ctx.forms.defeat->showForm();
            break;
        case HandoverStep::PortalSound:
            PlayWave(ctx.gs, ctx.platform, assets::kWavPortal);
            break;
        case HandoverStep::FocusBattle:
            focus(ctx.forms.battle);
            break;
        case HandoverStep::FocusTown:
            focus(town);
            break;
        case HandoverStep::ReviveTown:
            if (town) {
                town->setEnabled(true);
                // A vault battle was started from the town: it shows the vault taken.
                if (town->isVisible()) {
                    town->activateWindow();
                    town->rebuild();
                }
            }
            break;
        case HandoverStep::HideTown:
            if (town) {
                town->setEnabled(true);
                town->hide();
            }
            break;
        case HandoverStep::GameInProgress:
            ctx.session.gameInProgress = true;
            break;
        case HandoverStep::Autosave:
            autosave::write(ctx.gs, ctx.session);
            break;
        case HandoverStep::FightQuickly:
            fightQuickly(ctx, from);
            break;
        case HandoverStep::ShowBattleAsItIs:
            ctx.session.battleNote.clear();
            if (ctx.forms.battle) ctx.forms.battle->resumeBattle();
            break;
    }
}

}  // namespace

void runHandover(GameContext& ctx, Handover h, GameForm& from, Closing closing) {
    for (HandoverStep step : handoverSteps(h)) runStep(ctx, step, from, closing);
}
