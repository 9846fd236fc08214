#include "platform/AnimationSpeed.h"

namespace {
AnimSpeed current = AnimSpeed::Normal;
}  // namespace

AnimSpeed animationSpeed() {
    return current;
}

void setAnimationSpeed(AnimSpeed speed) {
    current = animSpeedFromNumber(static_cast<int>(speed));
}

AnimSpeed animSpeedFromNumber(long long n) {
    if (n < 0) n = 0;
    if (n >= kAnimSpeeds) n = kAnimSpeeds - 1;
    return static_cast<AnimSpeed>(n);
}

const char* animSpeedName(AnimSpeed speed) {
    switch (speed) {
        case AnimSpeed::Normal:
            return "обычная";
        case AnimSpeed::Fast:
            return "быстрая (×2)";
        case AnimSpeed::VeryFast:
            return "очень быстрая (×4)";
        case AnimSpeed::None:
            return "без анимации";
    }
    return "обычная";
}

int animationWait(int ms) {
    if (ms <= 0) return 0;
    switch (current) {
        case AnimSpeed::Normal:
            return ms;
        case AnimSpeed::Fast:
            return ms / 2;
        case AnimSpeed::VeryFast:
            return ms / 4;
        case AnimSpeed::None:
            return 0;
    }
    return ms;
}

bool animationShown() {
    return current != AnimSpeed::None;
}
