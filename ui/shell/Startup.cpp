#include "ui/shell/Startup.h"

#include "core/flow/SaveSlots.h"
#include "platform/Platform.h"
#include "ui/adventure/DiaryWindow.h"
#include "ui/adventure/GameWonWindow.h"
#include "ui/adventure/MapWindow.h"
#include "ui/adventure/OptionsWindow.h"
#include "ui/adventure/PortalWindow.h"
#include "ui/adventure/SpellMissedWindow.h"
#include "ui/adventure/SpellWindow.h"
#include "ui/adventure/TreasureWindow.h"
#include "ui/battle/BanditWindow.h"
#include "ui/battle/BattleWindow.h"
#include "ui/battle/DefeatWindow.h"
#include "ui/battle/RetreatWindow.h"
#include "ui/battle/VictoryWindow.h"
#include "ui/shell/HandoverRunner.h"
#include "ui/shell/IntroWindow.h"
#include "ui/shell/LoadWindow.h"
#include "ui/shell/SaveWindow.h"
#include "ui/shell/StartWindow.h"
#include "ui/towns/ArmyWindow.h"
#include "ui/towns/DismissWindow.h"
#include "ui/towns/NewWeekWindow.h"
#include "ui/towns/TownListWindow.h"
#include "ui/towns/TownWindow.h"
#include "ui/towns/VaultWindow.h"

void CreateForms(GameContext& ctx) {
    CreateStartForm(ctx);
    CreateOtherForms(ctx);
}

void CreateStartForm(GameContext& ctx) {
    ctx.forms.start = new TStartForm(ctx);
}

void CreateOtherForms(GameContext& ctx) {
    Forms& f = ctx.forms;
    f.battle = new TBattleForm(ctx);
    f.tr = new TTrForm(ctx);
    f.army = new TArmyForm(ctx);
    f.text = new TTextForm(ctx);
    f.options = new TOptionsForm(ctx);
    f.town = new TTownForm(ctx);
    f.portal = new TPortalForm(ctx);
    f.newWeek = new TNewWeekForm(ctx);
    f.surrend = new TSurrendForm(ctx);
    f.armyFree = new TArmyFreeForm(ctx);
    f.defeat = new TDefeatForm(ctx);
    f.victory = new TVictoryForm(ctx);
    f.find = new TFindForm(ctx);
    f.vicGame = new TVicGameForm(ctx);
    f.notFind = new TNotFindForm(ctx);
    f.history = new THistoryForm(ctx);
    f.bandit = new TBanditForm(ctx);
    f.shtyrm = new TShtyrmForm(ctx);
    f.gold = new TGoldForm(ctx);
    f.save = new TSaveForm(ctx);
    f.load = new TLoadForm(ctx);
    f.tinfo = new TTInfoForm(ctx);
}

std::vector<GameForm*> AllForms(const Forms& f) {
    return {f.start,   f.battle,  f.tr,       f.army,   f.text,    f.options, f.town,    f.portal,
            f.newWeek, f.surrend, f.armyFree, f.defeat, f.victory, f.find,    f.vicGame, f.notFind,
            f.history, f.bandit,  f.shtyrm,   f.gold,   f.save,    f.load,    f.tinfo};
}

void DestroyForms(GameContext& ctx) {
    const auto all = AllForms(ctx.forms);
    for (auto it = all.rbegin(); it != all.rend(); ++it) delete *it;
    ctx.forms = Forms{};
}

void OpenSavedGame(GameContext& ctx, const std::string& path) {
    const SaveResult r = saveslots::loadFromFile(path, ctx.gs);
    if (!r.ok) {
        ctx.forms.start->showForm();
        ctx.platform.message(r.error);
        return;
    }
    runHandover(ctx, Handover::OpenSaved, *ctx.forms.load);
}
