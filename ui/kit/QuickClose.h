// What lets a picture window close at a touch: the keys that close it, the hint
// that says so, and the guard that keeps a held key's repeats from closing it or,
// once it has closed, from reaching the window below.
#pragma once

class QKeyEvent;
class QLabel;
class QWidget;

namespace quickclose {

// Enter (either of them) and Space: they do what Escape does.
bool isCloseKey(int qtKey);

// Starts following the keyboard (once for the program): needed by isRepeat.
void watchKeys();

// Whether a key press is a held key's repeat rather than a fresh press. Qt's
// own flag misses repeats whose press was not yet queued when it read the
// release before it; a press stamped with the very time of the release just
// before it is a repeat too.
bool isRepeat(const QKeyEvent* e);

// Until `qtKey` is pressed afresh (or another key is), its repeats are dropped
// wherever they would go.
void swallowRepeatsOf(int qtKey);

// "Esc — закрыть" (or `text`) on a dark veil, in the bottom-right corner of `parent`.
QLabel* makeHint(QWidget* parent, const char* text = "Esc — закрыть");

}  // namespace quickclose
