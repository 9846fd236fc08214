#include "platform/Report.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
const auto started = std::chrono::steady_clock::now();

long long msSinceStart() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 started)
        .count();
}

}  // namespace

bool reporting() {
    static const bool wanted = [] {
        const char* v = std::getenv("VESTRAN_REPORT");
        return v && *v && std::strcmp(v, "0") != 0;
    }();
    return wanted;
}

void report(const char* event) {
    if (!reporting()) return;
    std::fprintf(stderr, "vestran: %s (%lld ms)\n", event, msSinceStart());
    std::fflush(stderr);
}

void reportWithClock(const char* event) {
    if (!reporting()) return;
    const long long us = std::chrono::duration_cast<std::chrono::microseconds>(
                             std::chrono::system_clock::now().time_since_epoch())
                             .count();
    std::fprintf(stderr, "vestran: %s (%lld ms, clock %lld us)\n", event, msSinceStart(), us);
    std::fflush(stderr);
}
