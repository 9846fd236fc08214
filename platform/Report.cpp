#include "platform/Report.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
const auto started = std::chrono::steady_clock::now();
}  // namespace

void report(const char* event) {
    static const bool wanted = [] {
        const char* v = std::getenv("VESTRAN_REPORT");
        return v && *v && std::strcmp(v, "0") != 0;
    }();
    if (!wanted) return;
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - started)
                        .count();
    std::fprintf(stderr, "vestran: %s (%lld ms)\n", event, static_cast<long long>(ms));
    std::fflush(stderr);
}
