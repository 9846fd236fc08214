// The Qt keys the map and the battle answer, as the game's keys: the arrows,
// PgUp/PgDn/Home/End, Space and the numeric keypad's digits.
#pragma once

#include <QString>

#include "platform/GameKeys.h"

class QKeyEvent;

// A Qt key code; `keypad` when it came from the numeric keypad.
GameKey gameKey(int qtKey, bool keypad);
GameKey gameKey(const QKeyEvent* e);
// The Qt key of a game key (the arrows, PgUp/PgDn/Home/End, Space); 0 for None.
int qtKeyOf(GameKey k);

// Letter keys by their place on the keyboard rather than by the letter the
// layout gives, so that a letter key works alike in the Latin and the Cyrillic
// layout. Whether the event is the key that carries the Latin letter `latin`
// ('A'..'Z') on a Latin keyboard, whatever the layout in use.
bool isLetterKey(const QKeyEvent* e, char latin);
// The letter the Russian layout puts on that key: "Г" for 'U'.
QString cyrillicOnKey(char latin);
