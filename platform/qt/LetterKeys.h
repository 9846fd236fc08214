// Letter keys by their place on the keyboard rather than by the letter the
// layout gives, so that a game key works alike in the Latin and the Cyrillic
// layout (W and Ц are one key).
#pragma once

#include <QString>

class QKeyEvent;

// Whether the event is the key that carries the Latin letter `latin` ('A'..'Z')
// on a Latin keyboard, whatever the layout in use.
bool isLetterKey(const QKeyEvent* e, char latin);
// The letter the Russian layout puts on that key: "Г" for 'U'.
QString cyrillicOnKey(char latin);
