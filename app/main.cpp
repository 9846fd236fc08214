// The game: reads the command line and the player's settings, fills the
// creature tables, creates every window once in the game's order, shows the
// start window (or the game given by --load) and runs until the player leaves or
// a signal ends it.
//
// With VESTRAN_REPORT set in the environment the game tells scripts and tests
// on stderr when it is ready for them (platform/Report).
#include <fontconfig/fontconfig.h>
#include <unistd.h>

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "core/data/GameState.h"
#include "core/data/Session.h"
#include "core/flow/CommandLine.h"
#include "core/flow/ScaleChoice.h"
#include "platform/Paths.h"
#include "platform/QuitSignals.h"
#include "platform/Random.h"
#include "platform/Report.h"
#include "platform/qt/Audio.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/SdlStart.h"
#include "ui/kit/GamepadInput.h"
#include "ui/kit/TooltipLook.h"
#include "ui/shell/QuitPath.h"
#include "ui/shell/SettingsFile.h"
#include "ui/shell/StartWindow.h"
#include "ui/shell/Startup.h"

namespace {

// What the game does once its first window is on screen: the first paint has
// been flushed when the event loop turns again. A window system that never paints
// it still gets the work done after a short while. "first frame" is reported with
// the clock, for the scripts that time the start.
class AfterFirstFrame : public QObject {
public:
    AfterFirstFrame(QObject* parent, std::function<void()> work)
        : QObject(parent), work_(std::move(work)) {
        QCoreApplication::instance()->installEventFilter(this);
        QTimer::singleShot(kLatestMs, this, [this] { runWork(); });
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            QTimer::singleShot(0, this, [this] {
                reportWithClock("first frame");
                QCoreApplication::instance()->removeEventFilter(this);
                runWork();
                deleteLater();
            });
        }
        return false;
    }

private:
    // Before the start window's first step (500 ms): its menu never shows
    // before the windows behind it exist.
    static constexpr int kLatestMs = 250;
    void runWork() {
        if (worked_) return;
        worked_ = true;
        work_();
    }
    std::function<void()> work_;
    bool painted_ = false;
    bool worked_ = false;
};

// The font configuration (some fifty files and the font caches, about a third of
// a bare window's whole start) is read on a thread of its own while the settings
// are read and the application object connects to the display; the first
// window's letters wait only for what is left of it.
class FontConfigReading {
public:
    FontConfigReading() : thread_([] { FcInit(); }) {}
    ~FontConfigReading() { wait(); }
    FontConfigReading(const FontConfigReading&) = delete;
    FontConfigReading& operator=(const FontConfigReading&) = delete;
    void wait() {
        if (thread_.joinable()) thread_.join();
    }

private:
    std::thread thread_;
};

GameState theGame;  // the one block, zero-filled until a game starts
Session theSession;

// The arguments left to the window system, as an application object takes them.
struct QtArgs {
    explicit QtArgs(std::vector<std::string>& args) {
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        argc = static_cast<int>(args.size());
    }
    std::vector<char*> argv;
    int argc = 0;
};

// Set in the environment of a game started again for another screen.
constexpr const char* kRestarted = "VESTRAN_RESTARTED";

// The screen the game opens on (the primary one), asked of a short-lived
// application before the game's own: its available area in device pixels and
// the desktop's factor before rounding. None without a screen.
std::optional<scale::Screen> probeScreen(std::vector<std::string> qtArgs) {
    qunsetenv("QT_SCALE_FACTOR");
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QtArgs args(qtArgs);
    const QGuiApplication probe(args.argc, args.argv.data());
    const QScreen* s = QGuiApplication::primaryScreen();
    if (!s) return std::nullopt;
    const double factor = s->devicePixelRatio();
    const QRect area = s->availableGeometry();
    return scale::Screen{static_cast<int>(area.width() * factor),
                         static_cast<int>(area.height() * factor), factor};
}

// Once the first window is up: the screen as the running game sees it. One other
// than the remembered is remembered; when it changes the scale that "Авто" (or a
// remembered scale that no longer fits) comes to, and `mayRestart`, the game
// starts again, once, before anything has been played. `owedNote`: a scale from
// the command line decided without a known screen, still to be said not to fit.
void checkScreen(double runScale, bool mayRestart, std::optional<double> owedNote, char** argv) {
    const QScreen* s = QGuiApplication::primaryScreen();
    if (!s) return;
    const double ratio = s->devicePixelRatio();
    const QRect area = s->availableGeometry();
    const scale::Screen now{static_cast<int>(std::lround(area.width() * ratio)),
                            static_cast<int>(std::lround(area.height() * ratio)), ratio / runScale};
    if (owedNote) {
        const scale::Choice c = scale::choose(owedNote, std::nullopt, now);
        if (!c.note.empty()) std::fprintf(stderr, "vestran: %s\n", c.note.c_str());
    }
    const std::optional<scale::Screen> before = screen::lastScreen();
    if (before && scale::sameScreen(*before, now)) return;
    screen::setLastScreen(now);
    settingsfile::write(currentSettings());
    if (!mayRestart ||
        scale::choose(std::nullopt, screen::rememberedScale(), now).value == runScale)
        return;
    report("restart");
    qputenv(kRestarted, "1");
    execv("/proc/self/exe", argv);
}
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
    FontConfigReading fonts;
    // The remembered settings, then the scale of this run, which must be set
    // before the application object exists. It is decided from the screen the
    // last run opened on (checked once the game is up); the first run asks the
    // window system with a short-lived application, unless the command line
    // gives the scale.
    const Settings stored = settingsfile::read();
    applySettings(stored);
    const bool restarted = qEnvironmentVariableIsSet(kRestarted);
    qunsetenv(kRestarted);
    std::vector<std::string> qtArgs = cl.rest;
    const bool probe = !stored.screen && !cl.scale;
    const scale::Choice runScale =
        scale::choose(cl.scale, stored.scale, probe ? probeScreen(qtArgs) : stored.screen);
    if (!runScale.note.empty()) std::fprintf(stderr, "vestran: %s\n", runScale.note.c_str());
    qputenv("QT_SCALE_FACTOR", QByteArray::fromStdString(scale::text(runScale.value)));
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);

    QtArgs qtArgv(qtArgs);
    QApplication app(qtArgv.argc, qtArgv.argv.data());
    if (data.dir.empty()) {
        if (QtPlatform::interactive()) QtPlatform().message(noDataMessage(data));
        return 1;
    }
    QApplication::setQuitOnLastWindowClosed(false);
    setProgramDir(data.dir, data.installed);
    // The first window's picture is read while the first window is made. Qt's
    // own thread is the application object's: the reading starts after it.
    if (!cl.load) TStartForm::readTitleAhead();
    applyTooltipLook();
    if (cl.seed) Random::process().useSeedSequence(*cl.seed);
    FillTemplates();

    QtPlatform platform;
    GameContext ctx{theGame, theSession, Random::process(), platform, {}};
    quitpath::watchSignals(ctx);
    report("application");
    fonts.wait();
    // The pads play beside the keyboard and the mouse, unless switched off; they
    // are read once the first window is up.
    GamepadInput pads;
    pads.setDeadZone(stickDeadZone());
    const bool mayRestart = !probe && !cl.scale && !cl.load && !restarted;
    const std::optional<double> owedNote = stored.screen ? std::nullopt : cl.scale;
    // Off the path to the first frame: the sound library, the windows behind the
    // start window (created in their order before any input can reach them), the
    // pads and the look at the screen.
    new AfterFirstFrame(&app, [&] {
        openSdlInBackground();
        if (!ctx.forms.battle) {
            CreateOtherForms(ctx);
            report("windows created");
        }
        pads.setEnabled(gamepadEnabled());
        report("ready");
        checkScreen(runScale.value, mayRestart, owedNote, argv);
    });
    if (cl.load) {
        CreateForms(ctx);
        report("windows created");
    } else {
        CreateStartForm(ctx);
        report("start window created");
    }
    GameForm::setMainWindow(ctx.forms.start);
    if (cl.load)
        OpenSavedGame(ctx, *cl.load);
    else
        ctx.forms.start->showForm();
    const int status = QApplication::exec();
    pads.setEnabled(false);
    audio::shutdown();
    return status;
}
