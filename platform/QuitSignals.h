// Ctrl+C, kill and the end of the user's session (SIGINT, SIGTERM, SIGHUP) end
// the game cleanly. The handlers only write one byte into a pipe; the event loop
// watches the pipe's other end and runs the game's quit path, where the game is
// autosaved. They must be installed before the sound library starts, which then
// leaves these signals alone.
#pragma once

// Installs the three handlers and makes the pipe. Returns false (and the game
// keeps the default behaviour) when no pipe can be made.
bool installQuitSignalHandlers();
// The end of the pipe to watch for reading; -1 before installation.
int quitSignalFd();
// Empties the pipe; returns whether any signal had arrived.
bool takeQuitSignals();
