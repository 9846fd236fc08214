#include "platform/QuitSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <initializer_list>

namespace {

int pipeEnds[2] = {-1, -1};

// Only what is safe in a handler: one write(), errno kept.
extern "C" void onQuitSignal(int) {
    const int saved = errno;
    const char byte = 'q';
    if (pipeEnds[1] >= 0) {
        [[maybe_unused]] const ssize_t n = ::write(pipeEnds[1], &byte, 1);
    }
    errno = saved;
}

}  // namespace

bool installQuitSignalHandlers() {
    if (pipeEnds[0] >= 0) return true;
    if (::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0) {
        pipeEnds[0] = pipeEnds[1] = -1;
        return false;
    }
    struct sigaction sa {};
    sa.sa_handler = onQuitSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : {SIGINT, SIGTERM, SIGHUP}) {
        // A signal the game was started to ignore (nohup, a background job of
        // a script) stays ignored.
        struct sigaction old {};
        if (::sigaction(sig, nullptr, &old) == 0 && old.sa_handler == SIG_IGN) continue;
        ::sigaction(sig, &sa, nullptr);
    }
    return true;
}

int quitSignalFd() {
    return pipeEnds[0];
}

bool takeQuitSignals() {
    if (pipeEnds[0] < 0) return false;
    bool any = false;
    char buf[64];
    for (;;) {
        const ssize_t n = ::read(pipeEnds[0], buf, sizeof buf);
        if (n > 0) {
            any = true;
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        return any;
    }
}
