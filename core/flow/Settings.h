// What the player's settings file keeps from one run to the next, beside the
// saved games (music and sounds stay in the saved game): the animation speed, the
// scale, the autosave switch, the full screen, the wider view, the gamepad switch
// and the stick's dead zone. The file itself is read and written by the window
// layer; here are its values and how stored texts become them.
#pragma once

#include <optional>
#include <string>

#include "core/flow/ScaleChoice.h"
#include "platform/AnimationSpeed.h"
#include "platform/PadMap.h"

struct Settings {
    AnimSpeed speed = AnimSpeed::Normal;
    std::optional<double> scale;  // none: "Авто", the largest that fits the screen
    bool autosave = true;
    bool fullscreen = false;
    bool wideView = false;  // more of the map, in full screen only
    // The screen the last run opened on: "Авто" is decided from it without
    // asking the window system before the first window.
    std::optional<scale::Screen> screen;
    bool gamepad = true;
    int deadZone = kDefaultDeadZone;  // percent of the stick's deflection
};

// The texts found in the file (none for a missing key). A speed out of range is
// clamped; a scale outside 1..4, "auto" or not a number means "Авто"; a value
// that is not understood keeps the default.
struct StoredSettings {
    std::optional<std::string> speed;       // 0 обычная .. 3 без анимации
    std::optional<std::string> scale;       // 1 .. 4, a multiple of 0.5, or auto
    std::optional<std::string> autosave;    // true / false
    std::optional<std::string> fullscreen;  // true / false
    std::optional<std::string> wideView;    // true / false
    std::optional<std::string> screen;      // 1920x1048@1.25
    std::optional<std::string> gamepad;     // true / false
    std::optional<std::string> deadZone;    // 5 .. 90 (percent)
};
Settings parseSettings(const StoredSettings& stored);
StoredSettings storeSettings(const Settings& s);

// The settings in force in this run. The scale is the one remembered for the
// next runs (this run's own may differ: the command line's, or "Авто" where the
// remembered one does not fit).
Settings currentSettings();
// Puts the settings into force.
void applySettings(const Settings& s);

// The window switches and the remembered scale, changed by the options window
// and F11 (the speed and the autosave switch have their own homes).
namespace screen {
std::optional<double> rememberedScale();
void setRememberedScale(std::optional<double> s);
bool fullscreen();
void setFullscreen(bool on);
bool wideView();
void setWideView(bool on);
std::optional<scale::Screen> lastScreen();
void setLastScreen(const scale::Screen& s);
}  // namespace screen

// The gamepad's settings in force (read by the window layer, which owns the pads).
bool gamepadEnabled();
void setGamepadEnabled(bool on);
int stickDeadZone();
