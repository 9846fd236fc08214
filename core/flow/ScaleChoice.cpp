#include "core/flow/ScaleChoice.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

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

bool sameScreen(const Screen& a, const Screen& b) {
    return std::abs(a.width - b.width) <= 2 && std::abs(a.height - b.height) <= 2 &&
           desktopFactor(a.desktopFactor) == desktopFactor(b.desktopFactor);
}

std::string screenText(const Screen& s) {
    char factor[32];
    std::snprintf(factor, sizeof factor, "%g", s.desktopFactor);
    return std::to_string(s.width) + "x" + std::to_string(s.height) + "@" + factor;
}

std::optional<Screen> parseScreen(const std::string& text) {
    Screen s;
    const char* at = text.data();
    const char* const end = at + text.size();
    // A number, then `next` (or the end of the text when `next` is 0).
    auto number = [&](auto& value, char next) {
        const auto [stop, error] = std::from_chars(at, end, value);
        if (error != std::errc() || (next != 0 && (stop == end || *stop != next))) return false;
        at = next != 0 ? stop + 1 : stop;
        return true;
    };
    if (!number(s.width, 'x') || !number(s.height, '@') || !number(s.desktopFactor, 0) || at != end)
        return std::nullopt;
    if (s.width <= 0 || s.height <= 0 || !std::isfinite(s.desktopFactor) || s.desktopFactor <= 0)
        return std::nullopt;
    return s;
}

std::string text(double s, char decimalPoint) {
    const long halves = std::lround(s * 2);
    std::string out = std::to_string(halves / 2);
    if (halves % 2 != 0) out += std::string(1, decimalPoint) + "5";
    return out;
}

}  // namespace scale
