// The platform for tests and vestran-tool: pauses return at once, sounds and
// messages are recorded, questions are answered from a queue.
#pragma once

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Platform.h"

// Thrown by fatal(): the game would end here.
struct FatalError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class HeadlessPlatform : public Platform {
public:
    void pause(int ms) override;
    bool pausing() const override { return false; }
    void playSound(const std::string& path, bool async) override;
    void message(const std::string& text) override;
    bool askYesNo(const std::string& text) override;
    [[noreturn]] void fatal(const std::string& text) override;
    bool openUrl(const std::string& url) override;

    std::vector<std::string> sounds;    // every sound played, in order
    std::vector<std::string> messages;  // every message and question shown
    std::vector<std::string> urls;
    bool browserStarts = true;  // what openUrl answers
    std::deque<bool> answers;   // next Yes/No answers; No when empty
    long long pausedMs = 0;     // total of all pauses asked for
    bool echo = false;          // also print messages on stderr (the tool)
};
