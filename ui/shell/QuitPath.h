// How the game ends. The player's "Выйти из игры" (the options window's button,
// or the map's close box) and a signal (Ctrl+C, kill, the end of the session)
// autosave a game in progress first; the won game's "Выход" ends it as it is.
#pragma once

struct GameContext;

namespace quitpath {

// Watches the signal pipe (platform/QuitSignals) from the event loop. Call once
// the application object exists. A signal finishes the step in progress at once
// (its pauses end early), autosaves a game in progress and ends the program with
// status 0.
void watchSignals(GameContext& ctx);

// The player confirmed "Выйти из игры": autosave, then end. An autosave that
// fails is shown in a message box first.
void leaveGame(GameContext& ctx);
// "Выход" of the won game: nothing left to autosave, the program ends.
void leaveWonGame(GameContext& ctx);

}  // namespace quitpath
