#include "core/flow/Settings.h"

#include <cstdlib>

#include "core/flow/Autosave.h"
#include "core/flow/CommandLine.h"

namespace {

std::optional<long long> wholeNumber(const std::string& text) {
    if (text.empty()) return std::nullopt;
    char* end = nullptr;
    // A number too large for the type comes back as its limit: clamped later.
    const long long v = std::strtoll(text.c_str(), &end, 10);
    if (*end != '\0') return std::nullopt;
    return v;
}

}  // namespace

Settings parseSettings(const StoredSettings& stored) {
    Settings s;
    if (stored.speed)
        if (auto n = wholeNumber(*stored.speed)) s.speed = animSpeedFromNumber(*n);
    if (stored.scale) s.scale = RoundScale(*stored.scale);
    if (stored.autosave) {
        const std::string& a = *stored.autosave;
        if (a == "false" || a == "0") s.autosave = false;
        if (a == "true" || a == "1") s.autosave = true;
    }
    return s;
}

StoredSettings storeSettings(const Settings& s) {
    StoredSettings out;
    out.speed = std::to_string(static_cast<int>(s.speed));
    if (s.scale) {
        std::string text = std::to_string(*s.scale);
        // "1.500000" -> "1.5", "2.000000" -> "2"
        while (!text.empty() && text.back() == '0') text.pop_back();
        if (!text.empty() && text.back() == '.') text.pop_back();
        out.scale = text;
    }
    out.autosave = s.autosave ? "true" : "false";
    return out;
}

Settings currentSettings() {
    Settings s;
    s.speed = animationSpeed();
    s.autosave = autosave::enabled();
    return s;
}

void applySettings(const Settings& s) {
    setAnimationSpeed(s.speed);
    autosave::setEnabled(s.autosave);
}
