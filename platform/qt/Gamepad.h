// The gamepads, through SDL's game-controller layer: the buttons by their
// standard names whatever the make of the pad (SDL's mapping database), pads
// plugged in and pulled out while the game runs. No thread: the owner calls
// poll() from its own event loop, which reads everything SDL has for it.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "platform/PadMap.h"

struct PadEvent {
    enum class Type : uint8_t { Added, Removed, Button, Stick };
    Type type = Type::Button;
    int32_t pad = -1;  // SDL's instance id of the pad
    PadButton button = PadButton::A;
    bool down = false;
    bool right = false;  // Stick: the right stick (else the left one)
    int x = 0, y = 0;    // Stick: its position
};

class Gamepads {
public:
    Gamepads() = default;
    ~Gamepads();
    Gamepads(const Gamepads&) = delete;
    Gamepads& operator=(const Gamepads&) = delete;

    // Starts SDL's controller layer; false when it cannot (the game plays on
    // without pads). Pads already plugged in come as Added at the next poll.
    bool start();
    // Closes the pads and stops the layer.
    void stop();
    bool started() const { return started_; }

    // Every event pending since the last call. A pad pulled out first lets go
    // of what it held (button releases, the stick back in the middle).
    std::vector<PadEvent> poll();

    // The pads open now.
    int count() const { return static_cast<int>(pads_.size()); }
    // Files that become readable when a pad is used (the input devices of the
    // pads that have one), for the owner's event loop to wait on instead of
    // polling; whether every pad open has one. wakeDrain() empties one.
    std::vector<int> wakeFiles() const;
    bool allWake() const;
    static void wakeDrain(int fd);
    // Listens to one pad only (its instance id), or to every pad (-1).
    void listenTo(int32_t pad) { only_ = pad; }

private:
    struct Pad {
        void* controller = nullptr;  // SDL_GameController
        uint32_t held = 0;           // bit per PadButton
        int x = 0, y = 0;            // the left stick
        int rx = 0, ry = 0;          // the right stick
        bool leftMoved = false, rightMoved = false;
        int wake = -1;  // the input device, read only to know when to poll
    };
    void open(int deviceIndex, std::vector<PadEvent>& out);
    void close(int32_t id, std::vector<PadEvent>& out);

    bool started_ = false;
    int32_t only_ = -1;
    std::map<int32_t, Pad> pads_;
};
