// The Qt keys the map and the battle answer, as the game's keys: the arrows,
// PgUp/PgDn/Home/End, Space and the numeric keypad's digits.
#pragma once

#include "platform/GameKeys.h"

class QKeyEvent;

// A Qt key code; `keypad` when it came from the numeric keypad.
GameKey gameKey(int qtKey, bool keypad);
GameKey gameKey(const QKeyEvent* e);

// Whether `e` comes from the key of the Latin letter `latin` (A..Z) whatever the
// layout: on a Russian layout the same key types another letter (W is Ц, A is Ф).
bool isLetterKey(const QKeyEvent* e, char latin);
