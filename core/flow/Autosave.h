// The autosave: a copy of the running game in Save/auto.psv, written when a new
// week begins, when the player leaves the game and when the game is ended by a
// signal. It never interrupts play: a failure is one line on stderr.
#pragma once

#include <string>

struct GameState;
struct Session;

namespace autosave {

// The player's "Автосохранение" switch (on unless the settings say otherwise).
bool enabled();
void setEnabled(bool on);

// Writes the autosave when the switch is on and a game is in progress. A failed
// write prints one line on stderr and keeps the older autosave; the game goes on
// either way. Returns whether the autosave was written; a failure's reason, in
// Russian, goes to `error` when one is given (it stays empty otherwise).
bool write(const GameState& gs, const Session& session, std::string* error = nullptr);

}  // namespace autosave
