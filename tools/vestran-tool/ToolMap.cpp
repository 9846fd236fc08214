#include "tools/vestran-tool/ToolMap.h"

MapKey toolMapKey(char c) {
    switch (c) {
        case 'L':
        case 'l':
            return MapKey::Left;
        case 'R':
        case 'r':
            return MapKey::Right;
        case 'U':
        case 'u':
            return MapKey::Up;
        case 'D':
        case 'd':
            return MapKey::Down;
        case '.':
            return MapKey::Space;
        default:
            return (c >= '1' && c <= '9') ? keypadDigitKey(c - '0') : MapKey::None;
    }
}
