// What the player's settings file keeps from one run to the next, beside the
// saved games (music and sounds stay in the saved game): the animation speed, the
// window scale, the autosave switch, the gamepad switch and the stick's dead zone. The file itself
// is read and written by the window layer; here are its values and how stored texts become them.
#pragma once

#include <optional>
#include <string>

#include "platform/AnimationSpeed.h"
#include "platform/PadMap.h"

struct Settings {
    AnimSpeed speed = AnimSpeed::Normal;
    std::optional<double> scale;  // none: the window system's own size
    bool autosave = true;
    bool gamepad = true;
    int deadZone = kDefaultDeadZone;  // percent of the stick's deflection
};

// The texts found in the file (none for a missing key). Numbers out of range
// are clamped; a value that is not a number at all keeps the default.
struct StoredSettings {
    std::optional<std::string> speed;     // 0 обычная .. 3 без анимации
    std::optional<std::string> scale;     // 0.5 .. 4, a multiple of 0.5
    std::optional<std::string> autosave;  // true / false
    std::optional<std::string> gamepad;   // true / false
    std::optional<std::string> deadZone;  // 5 .. 90 (percent)
};
Settings parseSettings(const StoredSettings& stored);
StoredSettings storeSettings(const Settings& s);

// The settings in force in this run (the scale is left unset: writing these
// keeps the stored one).
Settings currentSettings();
// Puts the speed, the autosave switch and the gamepad's settings into force.
void applySettings(const Settings& s);

// The gamepad's settings in force (read by the window layer, which owns the pads).
bool gamepadEnabled();
void setGamepadEnabled(bool on);
int stickDeadZone();
