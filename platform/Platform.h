// What the game logic needs from the machine it runs on. The game implements it
// with Qt and SDL (platform/qt); tests and vestran-tool use the headless one.
#pragma once

#include <string>

class Platform {
public:
    virtual ~Platform() = default;

    // Blocks for `ms` milliseconds (the game keeps handling events meanwhile);
    // pausing() is true for its duration.
    virtual void pause(int ms) = 0;
    virtual bool pausing() const = 0;
    // The game is about to end: the pauses running now end early and later ones
    // return at once, so that the step in progress is over quickly.
    virtual void hurry() {}

    // Plays a sound file that is known to exist; async returns at once.
    virtual void playSound(const std::string& path, bool async) = 0;

    // A plain message box (UTF-8 text).
    virtual void message(const std::string& text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool askYesNo(const std::string& text) = 0;
    // A message, then the program ends cleanly. Does not return in the game.
    [[noreturn]] virtual void fatal(const std::string& text) = 0;

    virtual bool fileExists(const std::string& path) const;
    // Opens a web address or a local file in the user's browser; false when no
    // browser could be started.
    virtual bool openUrl(const std::string& url) = 0;
};
