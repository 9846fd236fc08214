#include "platform/qt/Gamepad.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstring>

#include "platform/qt/SdlStart.h"

namespace {

const SdlCalls* sdl = nullptr;  // the library's calls, once the layer has started

// SDL's standard buttons the game reads (the sticks' presses, the guide
// button and the paddles stand for nothing).
bool padButton(int sdlButton, PadButton& out) {
    switch (sdlButton) {
        case SDL_CONTROLLER_BUTTON_A:
            out = PadButton::A;
            return true;
        case SDL_CONTROLLER_BUTTON_B:
            out = PadButton::B;
            return true;
        case SDL_CONTROLLER_BUTTON_X:
            out = PadButton::X;
            return true;
        case SDL_CONTROLLER_BUTTON_Y:
            out = PadButton::Y;
            return true;
        case SDL_CONTROLLER_BUTTON_BACK:
            out = PadButton::Back;
            return true;
        case SDL_CONTROLLER_BUTTON_START:
            out = PadButton::Start;
            return true;
        case SDL_CONTROLLER_BUTTON_LEFTSHOULDER:
            out = PadButton::LeftShoulder;
            return true;
        case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER:
            out = PadButton::RightShoulder;
            return true;
        case SDL_CONTROLLER_BUTTON_DPAD_UP:
            out = PadButton::Up;
            return true;
        case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
            out = PadButton::Down;
            return true;
        case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
            out = PadButton::Left;
            return true;
        case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
            out = PadButton::Right;
            return true;
        default:
            return false;
    }
}

uint32_t bit(PadButton b) {
    return 1u << static_cast<unsigned>(b);
}

}  // namespace

Gamepads::~Gamepads() {
    stop();
}

bool Gamepads::start() {
    if (started_) return true;
    started_ = startSdl(SDL_INIT_GAMECONTROLLER);
    if (started_) sdl = sdlCalls();
    return started_;
}

void Gamepads::stop() {
    if (!started_) return;
    for (auto& [id, pad] : pads_) {
        sdl->SDL_GameControllerClose(static_cast<SDL_GameController*>(pad.controller));
        if (pad.wake >= 0) ::close(pad.wake);
    }
    pads_.clear();
    sdl->SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    started_ = false;
}

void Gamepads::open(int deviceIndex, std::vector<PadEvent>& out) {
    const SDL_JoystickID id = sdl->SDL_JoystickGetDeviceInstanceID(deviceIndex);
    if (id < 0 || pads_.count(id) || (only_ >= 0 && id != only_)) return;
    SDL_GameController* gc = sdl->SDL_GameControllerOpen(deviceIndex);
    if (!gc) return;
    pads_[id].controller = gc;
    // Every reader of an input device gets all its events: ours only wake the game.
    const char* path = sdl->SDL_GameControllerPath(gc);
    if (path && std::strncmp(path, "/dev/input/event", 16) == 0)
        pads_[id].wake = ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    PadEvent e;
    e.type = PadEvent::Type::Added;
    e.pad = id;
    out.push_back(e);
}

void Gamepads::close(int32_t id, std::vector<PadEvent>& out) {
    auto it = pads_.find(id);
    if (it == pads_.end()) return;
    Pad& pad = it->second;
    for (int b = 0; b < static_cast<int>(PadButton::Count); ++b)
        if (pad.held & bit(static_cast<PadButton>(b))) {
            PadEvent e;
            e.pad = id;
            e.button = static_cast<PadButton>(b);
            out.push_back(e);
        }
    for (bool right : {false, true})
        if (right ? (pad.rx != 0 || pad.ry != 0) : (pad.x != 0 || pad.y != 0)) {
            PadEvent e;
            e.type = PadEvent::Type::Stick;
            e.pad = id;
            e.right = right;
            out.push_back(e);
        }
    sdl->SDL_GameControllerClose(static_cast<SDL_GameController*>(pad.controller));
    if (pad.wake >= 0) ::close(pad.wake);
    pads_.erase(it);
    PadEvent e;
    e.type = PadEvent::Type::Removed;
    e.pad = id;
    out.push_back(e);
}

std::vector<int> Gamepads::wakeFiles() const {
    std::vector<int> out;
    for (const auto& [id, pad] : pads_)
        if (pad.wake >= 0) out.push_back(pad.wake);
    return out;
}

bool Gamepads::allWake() const {
    for (const auto& [id, pad] : pads_)
        if (pad.wake < 0) return false;
    return true;
}

void Gamepads::wakeDrain(int fd) {
    char buf[512];
    while (::read(fd, buf, sizeof buf) > 0) {
    }
}

std::vector<PadEvent> Gamepads::poll() {
    std::vector<PadEvent> out;
    if (!started_) return out;
    sdl->SDL_PumpEvents();
    SDL_Event events[32];
    int n = 0;
    // Everything in the queue, in order: what the game does not read goes too.
    while ((n = sdl->SDL_PeepEvents(events, 32, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT)) > 0) {
        for (int i = 0; i < n; ++i) {
            const SDL_Event& ev = events[i];
            switch (ev.type) {
                case SDL_CONTROLLERDEVICEADDED:
                    open(ev.cdevice.which, out);
                    break;
                case SDL_CONTROLLERDEVICEREMOVED:
                    close(ev.cdevice.which, out);
                    break;
                case SDL_CONTROLLERBUTTONDOWN:
                case SDL_CONTROLLERBUTTONUP: {
                    auto it = pads_.find(ev.cbutton.which);
                    PadButton b;
                    if (it == pads_.end() || !padButton(ev.cbutton.button, b)) break;
                    const bool down = ev.type == SDL_CONTROLLERBUTTONDOWN;
                    if (((it->second.held & bit(b)) != 0) == down) break;
                    it->second.held ^= bit(b);
                    PadEvent e;
                    e.pad = ev.cbutton.which;
                    e.button = b;
                    e.down = down;
                    out.push_back(e);
                    break;
                }
                case SDL_CONTROLLERAXISMOTION: {
                    auto it = pads_.find(ev.caxis.which);
                    if (it == pads_.end()) break;
                    Pad& pad = it->second;
                    int* axis = nullptr;
                    switch (ev.caxis.axis) {
                        case SDL_CONTROLLER_AXIS_LEFTX:
                            axis = &pad.x;
                            break;
                        case SDL_CONTROLLER_AXIS_LEFTY:
                            axis = &pad.y;
                            break;
                        case SDL_CONTROLLER_AXIS_RIGHTX:
                            axis = &pad.rx;
                            break;
                        case SDL_CONTROLLER_AXIS_RIGHTY:
                            axis = &pad.ry;
                            break;
                        default:
                            break;
                    }
                    if (!axis) break;
                    *axis = ev.caxis.value;
                    (axis == &pad.rx || axis == &pad.ry ? pad.rightMoved : pad.leftMoved) = true;
                    break;
                }
                default:
                    break;
            }
        }
        if (n < 32) break;
    }
    // A stick's two axes come one by one: its place is told once, where it ends.
    for (auto& [id, pad] : pads_)
        for (bool right : {false, true}) {
            bool& moved = right ? pad.rightMoved : pad.leftMoved;
            if (!moved) continue;
            moved = false;
            PadEvent e;
            e.type = PadEvent::Type::Stick;
            e.pad = id;
            e.right = right;
            e.x = right ? pad.rx : pad.x;
            e.y = right ? pad.ry : pad.y;
            out.push_back(e);
        }
    return out;
}
