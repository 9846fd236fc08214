// What each button of a gamepad stands for: on the adventure map and in battle a
// key of the keyboard (a direction, Space, a command letter, F1), in every other
// window the dialog keys (focus moves, Enter, Escape). One table for the whole
// game; the windows never see a button, only the key it stands for.
#pragma once

#include <cstdint>

#include "platform/GameKeys.h"

// The buttons by their place on a standard pad (A bottom, B right, X left, Y top).
enum class PadButton : uint8_t {
    A,
    B,
    X,
    Y,
    Back,
    Start,
    LeftShoulder,
    RightShoulder,
    Up,
    Down,
    Left,
    Right,
    Count
};

// The kind of window the pad speaks to.
enum class PadScreen : uint8_t { Map, Battle, Dialog };

struct PadPress {
    enum class Kind : uint8_t {
        None,
        Game,     // a game key: a direction or Space (`key`)
        Letter,   // a letter key by its place on the keyboard (`letter`, 'A'..'Z')
        Help,     // F1
        Escape,   // what Escape does there
        Enter,    // presses the focused or the default button
        Focus,    // moves the focus or the selection (`key`: Up, Down, Left, Right)
        Step,     // moves a slider by `step`
        Retreat,  // the battle's retreat label, which has no key
        Cursor,   // the right stick: the cell cursor moves by `key`
    };
    Kind kind = Kind::None;
    GameKey key = GameKey::None;
    char letter = 0;
    int step = 0;
};

// What a button stands for on a screen. The D-pad's directions are given one
// by one; diagonals come from padDirection().
PadPress padPress(PadScreen screen, PadButton button);

// The direction key of the D-pad buttons held together (two neighbours make a
// diagonal; opposite ones cancel out), None when none is left.
GameKey padDirection(bool up, bool down, bool left, bool right);

// The direction a stick points at, in eight sectors (four when `eight` is false),
// or None inside the dead zone. Axes run from -32768 to 32767, y downwards; the
// dead zone is a share of the full deflection in percent.
GameKey stickDirection(int x, int y, int deadZonePercent, bool eight = true);

// The button's name as the game's texts write it: SDL's standard names (A, B, X,
// Y, Back, Start), the shoulders as LB and RB, the D-pad's as "крестовина" and a
// direction.
const char* padButtonName(PadButton button);

// The button that stands for the letter key `letter` ('A'..'Z') on `screen`,
// Count when none does.
PadButton padButtonForLetter(PadScreen screen, char letter);

// The stick dead zone the settings file may hold, in percent of the deflection.
inline constexpr int kMinDeadZone = 5;
inline constexpr int kMaxDeadZone = 90;
inline constexpr int kDefaultDeadZone = 30;
