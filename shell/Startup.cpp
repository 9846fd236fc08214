#include "shell/Startup.h"

#include "adventure/Gold.h"
#include "adventure/NotFind.h"
#include "adventure/Text.h"
#include "adventure/VicGame.h"
#include "adventure/find.h"
#include "adventure/options.h"
#include "adventure/portal.h"
#include "adventure/travel.h"
#include "battle/Bandit.h"
#include "battle/Battle.h"
#include "platform/Platform.h"
#include "shell/HandoverRunner.h"
#include "shell/History.h"
#include "shell/LoadGam.h"
#include "shell/SAVEGAM.h"
#include "shell/SaveSlots.h"
#include "shell/main.h"
#include "towns/ArmyFree.h"
#include "towns/ArmySee.h"
#include "towns/NewWeek.h"
#include "towns/TInfo.h"
#include "towns/Town.h"
#include "towns/defeat.h"
#include "towns/shtyrm.h"
#include "towns/surrend.h"
#include "towns/victory.h"

void CreateForms(GameContext& ctx) {
    Forms& f = ctx.forms;
    f.start = new TStartForm(ctx);
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
