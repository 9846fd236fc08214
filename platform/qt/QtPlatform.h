// The platform of the game itself: Qt message boxes and pauses.
#pragma once

#include "platform/Platform.h"

class QtPlatform : public Platform {
public:
    void pause(int ms) override;
    bool pausing() const override { return pausing_; }
    void playSound(const std::string& path, bool async) override;
    void message(const std::string& text) override;
    bool askYesNo(const std::string& text) override;
    [[noreturn]] void fatal(const std::string& text) override;
    void openUrl(const std::string& url) override;

private:
    bool pausing_ = false;
};
