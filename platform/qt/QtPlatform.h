// The platform of the game itself: Qt message boxes and pauses, SDL2_mixer sounds,
// the user's browser. With nobody to answer a box (the offscreen platform, or
// VESTRAN_NONINTERACTIVE=1 in the environment) messages and questions are printed
// on stderr instead, and every question is answered No.
#pragma once

#include "platform/Platform.h"

class QtPlatform : public Platform {
public:
    // Blocks for `ms` milliseconds in a nested event loop: windows keep painting
    // and timers keep firing, so code after a pause re-checks that its window is
    // still shown. Pauses may nest; pausing() stays true until the outermost ends.
    // Every pause of the game is an animation wait, so the player's animation
    // speed scales it (none at all without animation).
    void pause(int ms) override;
    bool pausing() const override { return pauseDepth_ > 0; }
    void hurry() override;
    void playSound(const std::string& path, bool async) override;
    void message(const std::string& text) override;
    // Yes/No with the buttons in Russian ("Да", "Нет"); Escape answers No.
    bool askYesNo(const std::string& text) override;
    // The question's box itself, shown whoever is there to answer it.
    static bool askInBox(const std::string& text);
    // The message, then the program ends with status 1 (sound closed first).
    [[noreturn]] void fatal(const std::string& text) override;
    // Web addresses as they are; anything else is a local file.
    bool openUrl(const std::string& url) override;

    // Someone can answer a box: a real screen, and VESTRAN_NONINTERACTIVE unset.
    static bool interactive();

private:
    int pauseDepth_ = 0;
    bool hurried_ = false;
};
