#include "core/flow/ScaleChoice.h"

#include <cmath>

namespace scale {

const std::vector<WindowSize>& largestWindows() {
    static const std::vector<WindowSize> sizes = {{785, 441}, {732, 511}, {570, 546}};
    return sizes;
}

double desktopFactor(double reported) {
    if (!std::isfinite(reported) || reported < 1) return 1;
    return std::floor(reported + 0.5);
}

bool fits(double s, const Screen& screen, const std::vector<WindowSize>& windows) {
    const double d = desktopFactor(screen.desktopFactor);
    for (const WindowSize& w : windows)
        if ((w.width * s + kFrame.width) * d > screen.width ||
            (w.height * s + kFrame.height) * d > screen.height)
            return false;
    return true;
}

double fitting(const Screen& screen, const std::vector<WindowSize>& windows) {
    for (double s = kMax; s > kMin; s -= kStep)
        if (fits(s, screen, windows)) return s;
    return kMin;
}

Choice choose(std::optional<double> commandLine, std::optional<double> remembered,
              const std::optional<Screen>& screen) {
    const std::optional<double> chosen = commandLine ? commandLine : remembered;
    if (!screen) return {chosen.value_or(kMin), {}};
    const double fit = fitting(*screen);
    if (!chosen) return {fit, {}};
    if (fits(*chosen, *screen)) return {*chosen, {}};
    const std::string head = "the scale " + text(*chosen) + " does not fit this screen; ";
    if (commandLine) return {*chosen, head + text(fit) + " would"};
    return {fit, head + "this run uses " + text(fit)};
}

std::string text(double s, char decimalPoint) {
    const long halves = std::lround(s * 2);
    std::string out = std::to_string(halves / 2);
    if (halves % 2 != 0) out += std::string(1, decimalPoint) + "5";
    return out;
}

}  // namespace scale
