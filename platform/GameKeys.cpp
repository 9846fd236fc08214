#include "platform/GameKeys.h"

KeyStep keyStep(GameKey key) {
    switch (key) {
        case GameKey::Right:
            return {1, 0};
        case GameKey::Left:
            return {-1, 0};
        case GameKey::Up:
            return {0, -1};
        case GameKey::Down:
            return {0, 1};
        case GameKey::PageUp:
            return {1, -1};
        case GameKey::PageDown:
            return {1, 1};
        case GameKey::Home:
            return {-1, -1};
        case GameKey::End:
            return {-1, 1};
        case GameKey::Space:
        case GameKey::None:
            break;
    }
    return {};
}

GameKey directionKey(int dx, int dy) {
    for (GameKey k : kDirectionKeys) {
        const KeyStep s = keyStep(k);
        if (s.dx == dx && s.dy == dy) return k;
    }
    return GameKey::None;
}

GameKey keypadDigitKey(int digit) {
    static constexpr GameKey keys[10] = {
        GameKey::None,  GameKey::End,   GameKey::Down, GameKey::PageDown, GameKey::Left,
        GameKey::Space, GameKey::Right, GameKey::Home, GameKey::Up,       GameKey::PageUp};
    return (digit >= 0 && digit <= 9) ? keys[digit] : GameKey::None;
}
