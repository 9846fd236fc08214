#include "platform/qt/SdlStart.h"

#include <SDL.h>

bool startSdl(uint32_t flags) {
    // Read by SDL when its event subsystem first starts, whichever subsystem
    // brings it up: set before every start, it is there in time.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    return SDL_InitSubSystem(flags) == 0;
}
