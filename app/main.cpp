// The game: reads the command line and the player's settings, fills the
// creature tables, creates every window once in the game's order, shows the
// start window (or the game given by --load) and runs until the player leaves or
// a signal ends it.
//
// With VESTRAN_REPORT set in the environment the game tells scripts and tests
// on stderr when it is ready for them (platform/Report).
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "core/data/GameState.h"
#include "core/data/Session.h"
#include "core/flow/CommandLine.h"
#include "platform/Paths.h"
#include "platform/QuitSignals.h"
#include "platform/Random.h"
#include "platform/Report.h"
#include "platform/qt/Audio.h"
#include "platform/qt/QtPlatform.h"
#include "ui/kit/GamepadInput.h"
#include "ui/kit/TooltipLook.h"
#include "ui/shell/QuitPath.h"
#include "ui/shell/SettingsFile.h"
#include "ui/shell/StartWindow.h"
#include "ui/shell/Startup.h"

namespace {
GameState theGame;  // the one block, zero-filled until a game starts
Session theSession;
}  // namespace

int main(int argc, char** argv) {
    // First of all, before any sound: Ctrl+C, kill and the session's end reach
    // the event loop through a pipe.
    installQuitSignalHandlers();
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
    // The remembered settings; the scale must be known before the application
    // starts, and the command line's wins (and is remembered).
    const Settings stored = settingsfile::read();
    applySettings(stored);
    if (cl.scale && cl.scale != stored.scale) {
        Settings keep = currentSettings();
        keep.scale = cl.scale;
        settingsfile::write(keep);
    }
    if (const std::optional<double> scale = cl.scale ? cl.scale : stored.scale) {
        qputenv("QT_SCALE_FACTOR", QByteArray::number(*scale));
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
    quitpath::watchSignals(ctx);
    CreateForms(ctx);
    GameForm::setMainWindow(ctx.forms.start);
    // The pads play beside the keyboard and the mouse, unless switched off.
    GamepadInput pads;
    pads.setDeadZone(stickDeadZone());
    pads.setEnabled(gamepadEnabled());
    if (cl.load)
        OpenSavedGame(ctx, *cl.load);
    else
        ctx.forms.start->showForm();
    QTimer::singleShot(0, [] { report("ready"); });
    const int status = QApplication::exec();
    pads.setEnabled(false);
    audio::shutdown();
    return status;
}
