// How fast the game's animations run: one process-wide setting that every
// animation wait of the map, the battle and the intro story consults. Only the
// waits change; what happens, and in which order, stays the same at every speed.
#pragma once

enum class AnimSpeed : int {
    Normal = 0,    // обычная
    Fast = 1,      // быстрая, twice as fast
    VeryFast = 2,  // очень быстрая, four times as fast
    None = 3,      // без анимации: no waits, results at once
};
constexpr int kAnimSpeeds = 4;

AnimSpeed animationSpeed();
void setAnimationSpeed(AnimSpeed speed);
// A stored number as a speed: values outside 0..3 are clamped into it.
AnimSpeed animSpeedFromNumber(long long n);
// The name the options window shows ("обычная", "быстрая (×2)", ...), UTF-8.
const char* animSpeedName(AnimSpeed speed);

// An animation wait of `ms` milliseconds at the current speed: ms, ms / 2,
// ms / 4, or 0 without animation.
int animationWait(int ms);
// Whether animation frames are shown at all (false without animation).
bool animationShown();
