#include "core/flow/Settings.h"

#include <algorithm>
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

std::optional<bool> yesNo(const std::string& text) {
    if (text == "false" || text == "0") return false;
    if (text == "true" || text == "1") return true;
    return std::nullopt;
}

bool padOn = true;
int padDeadZone = kDefaultDeadZone;

}  // namespace

Settings parseSettings(const StoredSettings& stored) {
    Settings s;
    if (stored.speed)
        if (auto n = wholeNumber(*stored.speed)) s.speed = animSpeedFromNumber(*n);
    if (stored.scale) s.scale = RoundScale(*stored.scale);
    if (stored.autosave)
        if (auto on = yesNo(*stored.autosave)) s.autosave = *on;
    if (stored.gamepad)
        if (auto on = yesNo(*stored.gamepad)) s.gamepad = *on;
    if (stored.deadZone)
        if (auto n = wholeNumber(*stored.deadZone))
            s.deadZone = static_cast<int>(std::clamp<long long>(*n, kMinDeadZone, kMaxDeadZone));
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
    out.gamepad = s.gamepad ? "true" : "false";
    out.deadZone = std::to_string(s.deadZone);
    return out;
}

Settings currentSettings() {
    Settings s;
    s.speed = animationSpeed();
    s.autosave = autosave::enabled();
    s.gamepad = padOn;
    s.deadZone = padDeadZone;
    return s;
}

void applySettings(const Settings& s) {
    setAnimationSpeed(s.speed);
    autosave::setEnabled(s.autosave);
    padOn = s.gamepad;
    padDeadZone = std::clamp(s.deadZone, kMinDeadZone, kMaxDeadZone);
}

bool gamepadEnabled() {
    return padOn;
}
void setGamepadEnabled(bool on) {
    padOn = on;
}
int stickDeadZone() {
    return padDeadZone;
}
