// The Qt keys the map and the battle answer, as the game's keys: the arrows,
// PgUp/PgDn/Home/End, Space and the numeric keypad's digits.
#pragma once

#include <QString>
#include <string_view>

#include "platform/GameKeys.h"

class QKeyEvent;

// A Qt key code; `keypad` when it came from the numeric keypad.
GameKey gameKey(int qtKey, bool keypad);
GameKey gameKey(const QKeyEvent* e);
// The Qt key of a game key (the arrows, PgUp/PgDn/Home/End, Space); 0 for None.
int qtKeyOf(GameKey k);

// Which of `letters` ('A'..'Z') a key press means under `rule`, or 0
// (platform/GameKeys tells how letter keys are read).
char letterKey(const QKeyEvent* e, std::string_view letters, LetterRule rule);
// Whether the event is the key at the place of the Latin letter `latin` on a
// Latin keyboard, whatever the layout in use (LetterRule::Place).
bool isLetterKey(const QKeyEvent* e, char latin);
// The letter the Russian layout puts on that key: "Г" for 'U'.
QString cyrillicOnKey(char latin);
