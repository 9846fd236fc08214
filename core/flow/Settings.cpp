#include "core/flow/Settings.h"

#include <algorithm>
#include <cstdlib>

#include "core/flow/Autosave.h"
#include "core/flow/CommandLine.h"
#include "core/flow/ScaleChoice.h"

namespace {

std::optional<long long> wholeNumber(const std::string& text) {
    if (text.empty()) return std::nullopt;
    char* end = nullptr;
    // A number too large for the type comes back as its limit: clamped later.
    const long long v = std::strtoll(text.c_str(), &end, 10);
    if (*end != '\0') return std::nullopt;
    return v;
}

void readSwitch(const std::optional<std::string>& text, bool& out) {
    if (!text) return;
    if (*text == "false" || *text == "0") out = false;
    if (*text == "true" || *text == "1") out = true;
}

const char* switchText(bool on) {
    return on ? "true" : "false";
}

// The scale remembered for the next runs and the two window switches.
Settings& screenInForce() {
    static Settings s;
    return s;
}

bool padOn = true;
int padDeadZone = kDefaultDeadZone;

}  // namespace

Settings parseSettings(const StoredSettings& stored) {
    Settings s;
    if (stored.speed)
        if (auto n = wholeNumber(*stored.speed)) s.speed = animSpeedFromNumber(*n);
    if (stored.scale) s.scale = RoundScale(*stored.scale);
    readSwitch(stored.autosave, s.autosave);
    readSwitch(stored.fullscreen, s.fullscreen);
    readSwitch(stored.wideView, s.wideView);
    if (stored.screen) s.screen = scale::parseScreen(*stored.screen);
    readSwitch(stored.gamepad, s.gamepad);
    if (stored.deadZone)
        if (auto n = wholeNumber(*stored.deadZone))
            s.deadZone = static_cast<int>(std::clamp<long long>(*n, kMinDeadZone, kMaxDeadZone));
    return s;
}

StoredSettings storeSettings(const Settings& s) {
    StoredSettings out;
    out.speed = std::to_string(static_cast<int>(s.speed));
    out.scale = s.scale ? scale::text(*s.scale) : "auto";
    out.autosave = switchText(s.autosave);
    out.fullscreen = switchText(s.fullscreen);
    out.wideView = switchText(s.wideView);
    if (s.screen) out.screen = scale::screenText(*s.screen);
    out.gamepad = switchText(s.gamepad);
    out.deadZone = std::to_string(s.deadZone);
    return out;
}

Settings currentSettings() {
    Settings s = screenInForce();
    s.speed = animationSpeed();
    s.autosave = autosave::enabled();
    s.gamepad = padOn;
    s.deadZone = padDeadZone;
    return s;
}

void applySettings(const Settings& s) {
    setAnimationSpeed(s.speed);
    autosave::setEnabled(s.autosave);
    screenInForce() = s;
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

namespace screen {
std::optional<double> rememberedScale() {
    return screenInForce().scale;
}
void setRememberedScale(std::optional<double> s) {
    screenInForce().scale = s;
}
bool fullscreen() {
    return screenInForce().fullscreen;
}
void setFullscreen(bool on) {
    screenInForce().fullscreen = on;
}
bool wideView() {
    return screenInForce().wideView;
}
void setWideView(bool on) {
    screenInForce().wideView = on;
}
std::optional<scale::Screen> lastScreen() {
    return screenInForce().screen;
}
void setLastScreen(const scale::Screen& s) {
    screenInForce().screen = s;
}
}  // namespace screen
