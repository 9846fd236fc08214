// Starting SDL's subsystems (sound, gamepads) for the game.
#pragma once

#include <cstdint>

// Starts the SDL subsystems `flags` (SDL_INIT_*); false with SDL's error kept
// for SDL_GetError(). SDL's own handlers of Ctrl+C and SIGTERM are never
// installed: they would feed an event queue nobody reads for them, and the
// game's handlers (platform/QuitSignals) end it.
bool startSdl(uint32_t flags);
