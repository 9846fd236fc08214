// The Qt keys the map and the battle answer, as the game's keys: the arrows,
// PgUp/PgDn/Home/End, Space and the numeric keypad's digits.
#pragma once

#include "platform/GameKeys.h"

class QKeyEvent;

// A Qt key code; `keypad` when it came from the numeric keypad.
GameKey gameKey(int qtKey, bool keypad);
GameKey gameKey(const QKeyEvent* e);
