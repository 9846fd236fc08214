// The game's keys: the eight directions and Space, as the adventure map and the
// battle field read them, and the step each direction stands for. One table for
// the map, the battle, the tools and the play bot; the windows translate their
// toolkit's key codes into these (platform/qt/QtKeys).
#pragma once

#include <array>
#include <optional>
#include <string_view>

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

// Letter keys. A key has a place on the keyboard (the Latin letter a QWERTY
// keyboard prints there) and a letter the layout in use types with it. Where a
// letter stands for its initial, as the Russian letters of the map's commands do,
// the place counts, so that the Latin and the Cyrillic layout act alike. Where a
// Latin letter is named for the key, as W (wait) in battle is, the key that types
// it counts too, so that it works on AZERTY, Dvorak or Colemak.
enum class LetterRule {
    Place,          // the place only (the typed letter only when the place is unknown)
    PlaceOrLetter,  // the typed letter (Latin, or the Russian on its key), else the place
};

// The Latin letter ('A'..'Z') at an X keyboard key code (the Linux scan code + 8),
// or 0 for a key that is not a letter's.
char letterAtX11Code(unsigned code);
// The Latin letter a typed character stands for: itself in either case, or for
// a letter of the Russian layout the Latin letter on its key ('Ц' gives 'W');
// 0 for anything else.
char letterOfTyped(char32_t typed);
// The Russian layout's letter on the key of a Latin letter ('W' gives 'Ц'), or 0.
char32_t cyrillicAt(char latin);

// Which of `letters` ('A'..'Z') a key press means, or 0. `place` is what
// letterAtX11Code() made of the key's place, unknown for a press sent by a
// program; `typed` what letterOfTyped() made of the character it types.
char letterKey(std::string_view letters, std::optional<char> place, char typed, LetterRule rule);
