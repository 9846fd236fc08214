// The game: reads the command line, fills the creature tables, creates every
// window once in the game's order, shows the start window and runs until the
// player leaves.
#include "shell/main.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

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
#include "data/GameState.h"
#include "data/Session.h"
#include "platform/Paths.h"
#include "platform/Random.h"
#include "platform/qt/Audio.h"
#include "platform/qt/QtPlatform.h"
#include "shell/CommandLine.h"
#include "shell/History.h"
#include "shell/LoadGam.h"
#include "shell/SAVEGAM.h"
#include "towns/ArmyFree.h"
#include "towns/ArmySee.h"
#include "towns/NewWeek.h"
#include "towns/TInfo.h"
#include "towns/Town.h"
#include "towns/defeat.h"
#include "towns/shtyrm.h"
#include "towns/surrend.h"
#include "towns/victory.h"

namespace {
GameState theGame;  // the one block, zero-filled until a game starts
Session theSession;
}  // namespace

int main(int argc, char** argv) {
    const CommandLine cl = ParseCommandLine(std::vector<std::string>(argv, argv + argc));
    const std::string program = argc > 0 ? argv[0] : "vestran";
    if (!cl.error.empty()) {
        std::fprintf(stderr, "%s: %s\n%s", program.c_str(), cl.error.c_str(),
                     UsageText(program).c_str());
        return 2;
    }
    if (cl.help) {
        std::fputs(UsageText(program).c_str(), stdout);
        return 0;
    }
    if (cl.version) {
        std::fputs(VersionText().c_str(), stdout);
        return 0;
    }
    if (cl.dataDir && !std::filesystem::is_directory(*cl.dataDir)) {
        std::fprintf(stderr, "%s: --data-dir: no directory %s\n", program.c_str(),
                     cl.dataDir->c_str());
        return 2;
    }
    // The scale must be known before the application starts.
    if (cl.scale) {
        qputenv("QT_SCALE_FACTOR", QByteArray::number(*cl.scale));
        QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
            Qt::HighDpiScaleFactorRoundingPolicy::Round);
    }

    std::vector<std::string> qtArgs = cl.rest;
    std::vector<char*> qtArgv;
    for (auto& a : qtArgs) qtArgv.push_back(a.data());
    qtArgv.push_back(nullptr);
    int qtArgc = static_cast<int>(qtArgs.size());
    QApplication app(qtArgc, qtArgv.data());
    QApplication::setQuitOnLastWindowClosed(false);
    setProgramDir(cl.dataDir ? *cl.dataDir : QCoreApplication::applicationDirPath().toStdString());
    if (cl.seed) Random::process().useSeedSequence(*cl.seed);
    FillTemplates();

    QtPlatform platform;
    GameContext ctx{theGame, theSession, Random::process(), platform, {}};
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

    GameForm::setMainWindow(f.start);
    f.start->showForm();
    const int status = QApplication::exec();
    audio::shutdown();
    return status;
}
