#include "platform/qt/SdlStart.h"

#include <dlfcn.h>

#include <cstdio>
#include <mutex>
#include <string>
#include <thread>
#include <type_traits>

namespace {

constexpr const char* kSdlLibrary = "libSDL2-2.0.so.0";
constexpr const char* kMixerLibrary = "libSDL2_mixer-2.0.so.0";

enum class State { Untried, Opening, Open, Missing };

struct Loader {
    std::mutex mutex;
    State state = State::Untried;
    std::thread worker;
    SdlCalls calls;
    std::string error;  // why the library could not be opened
    // A game that ends while the library is still opening waits for it.
    ~Loader() {
        if (worker.joinable()) worker.join();
    }
};

Loader& loader() {
    static Loader l;
    return l;
}

// Opens both libraries and finds every call; on the worker or the caller's
// thread. Binds everything now, so the game's thread never pays for it later.
void openLibrary(Loader& l) {
    void* sdl = ::dlopen(kSdlLibrary, RTLD_NOW | RTLD_LOCAL);
    void* mixer = sdl ? ::dlopen(kMixerLibrary, RTLD_NOW | RTLD_LOCAL) : nullptr;
    if (!mixer) {
        const char* why = ::dlerror();
        l.error = why ? why : kMixerLibrary;
        return;
    }
    SdlCalls calls;
    std::string missing;
    auto find = [&](void* lib, const char* name, auto& call) {
        call = reinterpret_cast<std::remove_reference_t<decltype(call)>>(::dlsym(lib, name));
        if (!call && missing.empty()) missing = name;
    };
#define VESTRAN_SDL_FIND(name) find(sdl, #name, calls.name);
    VESTRAN_SDL_CALLS(VESTRAN_SDL_FIND)
#undef VESTRAN_SDL_FIND
#define VESTRAN_MIXER_FIND(name) find(mixer, #name, calls.name);
    VESTRAN_MIXER_CALLS(VESTRAN_MIXER_FIND)
#undef VESTRAN_MIXER_FIND
    if (!missing.empty()) {
        l.error = "no " + missing + " in " + kMixerLibrary + " or " + kSdlLibrary;
        return;
    }
    l.calls = calls;
}

}  // namespace

void openSdlInBackground() {
    Loader& l = loader();
    const std::lock_guard<std::mutex> lock(l.mutex);
    if (l.state != State::Untried) return;
    l.state = State::Opening;
    l.worker = std::thread([&l] { openLibrary(l); });
}

const SdlCalls* sdlCalls() {
    Loader& l = loader();
    const std::lock_guard<std::mutex> lock(l.mutex);
    if (l.state == State::Untried || l.state == State::Opening) {
        if (l.worker.joinable())
            l.worker.join();
        else
            openLibrary(l);
        l.state = l.error.empty() ? State::Open : State::Missing;
        if (l.state == State::Missing)
            std::fprintf(stderr,
                         "vestran: no sound library (%s); playing without sound or gamepads\n",
                         l.error.c_str());
    }
    return l.state == State::Open ? &l.calls : nullptr;
}

bool startSdl(uint32_t flags) {
    const SdlCalls* sdl = sdlCalls();
    if (!sdl) return false;
    // Read by SDL when its event subsystem first starts, whichever subsystem
    // brings it up: set before every start, it is there in time.
    sdl->SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    return sdl->SDL_InitSubSystem(flags) == 0;
}
