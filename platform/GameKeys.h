// The game's keys: the eight directions and Space, as the adventure map and the
// battle field read them, and the step each direction stands for. One table for
// the map, the battle, the tools and the play bot; the windows translate their
// toolkit's key codes into these (platform/qt/QtKeys).
#pragma once

#include <array>

enum class GameKey { None, Right, Left, Up, Down, PageUp, PageDown, Home, End, Space };

// The adventure map's name for the same keys.
using MapKey = GameKey;

// The cell step of a key: x grows to the right, y downwards. Space and None
// stand still.
struct KeyStep {
    int dx = 0, dy = 0;
};
KeyStep keyStep(GameKey key);

// The eight direction keys, in a fixed order.
inline constexpr std::array<GameKey, 8> kDirectionKeys{
    GameKey::Right,  GameKey::Left,     GameKey::Up,   GameKey::Down,
    GameKey::PageUp, GameKey::PageDown, GameKey::Home, GameKey::End};

// The direction key of a step of one cell (None for any other step).
GameKey directionKey(int dx, int dy);

// The numeric keypad with NumLock on: 1..9 act as End, Down, PgDn, Left, Space,
// Right, Home, Up, PgUp (the keys printed under the digits). Other digits: None.
GameKey keypadDigitKey(int digit);
