// The intro story's picture animation and text, without the window: what each
// tick of the 100 ms timer draws, and the story itself.
#pragma once

#include <string>
#include <vector>

// A rectangle given by its edges; right and bottom lie just outside it.
struct IntroRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const IntroRect&) const = default;
};

struct IntroFrame {
    enum class Kind {
        Finished,  // the animation is over: the picture control shows again
        Scroll,    // phase 1: `source` of the title picture, moved up
        Zoom,      // phase 2: the whole canvas, stretched to `target`
        Slide,     // phase 3: `source` of the canvas, stretched to `target`
    };
    Kind kind = Kind::Finished;
    // Phase 1 has just ended: the canvas takes the picture control's content
    // before this frame is drawn.
    bool takeCanvas = false;
    IntroRect source;
    IntroRect target;  // drawn both into the picture control and onto the window
};

// The three phases: the picture scrolls up until its bottom (plus ten pixels) has
// come into the window, then grows for 60 ticks, then slides out to the left for
// 40 ticks, and stays.
struct IntroAnimation {
    int phase = 1;  // 1, 2, 3
    int tag = 0;    // the timer's tag: the step counter of the phase
    int zoom = 0;   // the last growth reached in phase 2

    void start() {
        phase = 1;
        tag = 0;
    }
    IntroFrame tick(int windowHeight, int pictureWidth, int pictureHeight);
};

// The story as the window shows it: lines of at most 34 characters, hyphenated
// by hand.
const std::vector<std::string>& IntroStory();
// The same, joined with CR LF.
std::string IntroStoryText();
