// The sound and gamepad library (SDL2 with SDL2_mixer) and the start of its
// subsystems. The game is not linked against it: the library and the forty-odd
// libraries below it are opened at run time, once the first window is on
// screen, so that loading them costs the start nothing. Without the library the
// game plays silently and without pads, and says so once on stderr.
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdint>

// The library's calls the game makes, under their own names.
#define VESTRAN_SDL_CALLS(X)           \
    X(SDL_SetHint)                     \
    X(SDL_InitSubSystem)               \
    X(SDL_QuitSubSystem)               \
    X(SDL_GetError)                    \
    X(SDL_Delay)                       \
    X(SDL_PumpEvents)                  \
    X(SDL_PeepEvents)                  \
    X(SDL_JoystickGetDeviceInstanceID) \
    X(SDL_GameControllerOpen)          \
    X(SDL_GameControllerClose)         \
    X(SDL_GameControllerPath)
#define VESTRAN_MIXER_CALLS(X) \
    X(Mix_Init)                \
    X(Mix_Quit)                \
    X(Mix_OpenAudio)           \
    X(Mix_CloseAudio)          \
    X(Mix_QuerySpec)           \
    X(Mix_SetSoundFonts)       \
    X(Mix_LoadWAV)             \
    X(Mix_FreeChunk)           \
    X(Mix_PlayChannel)         \
    X(Mix_HaltChannel)         \
    X(Mix_Playing)             \
    X(Mix_LoadMUS)             \
    X(Mix_FreeMusic)           \
    X(Mix_PlayMusic)           \
    X(Mix_HaltMusic)           \
    X(Mix_PlayingMusic)        \
    X(Mix_SetMusicPosition)

struct SdlCalls {
#define VESTRAN_SDL_MEMBER(name) decltype(&::name) name = nullptr;
    VESTRAN_SDL_CALLS(VESTRAN_SDL_MEMBER)
    VESTRAN_MIXER_CALLS(VESTRAN_SDL_MEMBER)
#undef VESTRAN_SDL_MEMBER
};

// Starts opening the library on a thread of its own and returns at once.
void openSdlInBackground();
// The library's calls once it is open (waiting for the thread, or opening it
// now when nobody asked before); null when it cannot be opened.
const SdlCalls* sdlCalls();

// Starts the SDL subsystems `flags` (SDL_INIT_*); false with SDL's error kept
// for SDL_GetError(), or when the library is missing. SDL's own handlers of
// Ctrl+C and SIGTERM are never installed: they would feed an event queue nobody
// reads for them, and the game's handlers (platform/QuitSignals) end it.
bool startSdl(uint32_t flags);
