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

#include "data/GameState.h"
#include "data/Session.h"
#include "platform/Paths.h"
#include "platform/Random.h"
#include "platform/qt/Audio.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/TooltipLook.h"
#include "shell/CommandLine.h"
#include "shell/Startup.h"

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
    DataSearch data;
    if (cl.dataDir)
        data.dir = *cl.dataDir;
    else
        data = findGameData(executableDir());
    if (data.dir.empty()) {
        std::fprintf(stderr, "%s\n", noDataMessage(data).c_str());
        // Started from a menu nobody reads stderr: with a screen, a box says it too.
        if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) return 1;
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
    if (data.dir.empty()) {
        if (QtPlatform::interactive()) QtPlatform().message(noDataMessage(data));
        return 1;
    }
    QApplication::setQuitOnLastWindowClosed(false);
    applyTooltipLook();
    setProgramDir(data.dir, data.installed);
    if (cl.seed) Random::process().useSeedSequence(*cl.seed);
    FillTemplates();

    QtPlatform platform;
    GameContext ctx{theGame, theSession, Random::process(), platform, {}};
    CreateForms(ctx);
    GameForm::setMainWindow(ctx.forms.start);
    ctx.forms.start->showForm();
    const int status = QApplication::exec();
    audio::shutdown();
    return status;
}
