#include "ui/shell/QuitPath.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QTimer>
#include <string>

#include "core/data/Session.h"
#include "core/flow/Autosave.h"
#include "platform/Platform.h"
#include "platform/QuitSignals.h"
#include "ui/kit/Forms.h"

namespace quitpath {
namespace {

GameContext* watched = nullptr;
bool ending = false;

// Ends the program once no step is in progress: a pause means the game is in
// the middle of one (its pauses have been cut short, so it ends soon).
void endWhenIdle() {
    if (!watched) return;
    if (watched->platform.pausing()) {
        QTimer::singleShot(5, [] { endWhenIdle(); });
        return;
    }
    autosave::write(watched->gs, watched->session);
    QCoreApplication::exit(0);
    // A signal that came while a message box ran before the game's own loop
    // started: that loop ends too, as soon as it runs.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
}

void onSignal() {
    if (!takeQuitSignals() || ending || !watched) return;
    ending = true;
    watched->platform.hurry();
    endWhenIdle();
}

}  // namespace

void watchSignals(GameContext& ctx) {
    watched = &ctx;
    const int fd = quitSignalFd();
    if (fd >= 0) {
        auto* notifier =
            new QSocketNotifier(fd, QSocketNotifier::Read, QCoreApplication::instance());
        QObject::connect(notifier, &QSocketNotifier::activated, [] { onSignal(); });
    }
    // A signal that came before the loop was watching is in the pipe already.
    QTimer::singleShot(0, [] { onSignal(); });
#ifndef QT_NO_SESSIONMANAGER
    // The desktop session asks its programs to keep their data before it ends.
    QObject::connect(qGuiApp, &QGuiApplication::commitDataRequest, [](QSessionManager&) {
        if (watched) autosave::write(watched->gs, watched->session);
    });
#endif
}

void leaveGame(GameContext& ctx) {
    // The player is leaving through the game's own exit and is still there to
    // read why his game could not be kept.
    std::string error;
    if (!autosave::write(ctx.gs, ctx.session, &error) && !error.empty())
        ctx.platform.message("Автосохранение не удалось: " + error +
                             "\nИгра будет закрыта без автосохранения.");
    ctx.session.gameInProgress = false;
    QCoreApplication::exit(0);
}

void leaveWonGame(GameContext& ctx) {
    ctx.session.gameInProgress = false;
    QCoreApplication::exit(0);
}

}  // namespace quitpath
