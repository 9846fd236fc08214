#include "platform/PadMap.h"

#include <cmath>

namespace {

using Kind = PadPress::Kind;

PadPress game(GameKey k) {
    return {Kind::Game, k, 0, 0};
}
PadPress letter(char c) {
    return {Kind::Letter, GameKey::None, c, 0};
}
PadPress just(Kind k) {
    return {k, GameKey::None, 0, 0};
}

GameKey dpadKey(PadButton b) {
    switch (b) {
        case PadButton::Up:
            return GameKey::Up;
        case PadButton::Down:
            return GameKey::Down;
        case PadButton::Left:
            return GameKey::Left;
        case PadButton::Right:
            return GameKey::Right;
        default:
            return GameKey::None;
    }
}

}  // namespace

PadPress padPress(PadScreen screen, PadButton b) {
    const GameKey dir = dpadKey(b);
    if (screen == PadScreen::Dialog) {
        if (dir != GameKey::None) return {Kind::Focus, dir, 0, 0};
        switch (b) {
            case PadButton::A:
                return just(Kind::Enter);
            case PadButton::B:
                return just(Kind::Escape);
            case PadButton::LeftShoulder:
                return {Kind::Step, GameKey::None, 0, -10};
            case PadButton::RightShoulder:
                return {Kind::Step, GameKey::None, 0, 10};
            default:
                return {};
        }
    }
    if (dir != GameKey::None) return game(dir);
    if (b == PadButton::A) return game(GameKey::Space);
    if (screen == PadScreen::Battle) {
        switch (b) {
            case PadButton::B:
                return just(Kind::Retreat);
            case PadButton::X:
                return letter('W');  // wait
            case PadButton::Y:
                return letter('A');  // the computer plays the hero's side
            case PadButton::LeftShoulder:
                return letter('L');  // the battle log
            default:
                return {};
        }
    }
    // The map's command labels by their keys.
    switch (b) {
        case PadButton::B:
            return just(Kind::Escape);  // any key stops a walk; Escape does nothing else
        case PadButton::Y:
            return letter('F');  // АРМИЯ
        case PadButton::X:
            return letter('Y');  // ДНЕВНИК
        case PadButton::LeftShoulder:
            return letter('U');  // ГОРОДА
        case PadButton::RightShoulder:
            return letter('P');  // ЗАКЛЯТЬЕ
        case PadButton::Start:
            return letter('J');  // ОПЦИИ
        case PadButton::Back:
            return just(Kind::Help);
        default:
            return {};
    }
}

const char* padButtonName(PadButton b) {
    switch (b) {
        case PadButton::A:
            return "A";
        case PadButton::B:
            return "B";
        case PadButton::X:
            return "X";
        case PadButton::Y:
            return "Y";
        case PadButton::Back:
            return "Back";
        case PadButton::Start:
            return "Start";
        case PadButton::LeftShoulder:
            return "LB";
        case PadButton::RightShoulder:
            return "RB";
        case PadButton::Up:
            return "крестовина вверх";
        case PadButton::Down:
            return "крестовина вниз";
        case PadButton::Left:
            return "крестовина влево";
        case PadButton::Right:
            return "крестовина вправо";
        case PadButton::Count:
            break;
    }
    return "";
}

PadButton padButtonForLetter(PadScreen screen, char c) {
    for (int i = 0; i < static_cast<int>(PadButton::Count); ++i) {
        const auto b = static_cast<PadButton>(i);
        const PadPress p = padPress(screen, b);
        if (p.kind == Kind::Letter && p.letter == c) return b;
    }
    return PadButton::Count;
}

GameKey padDirection(bool up, bool down, bool left, bool right) {
    const int dx = (right ? 1 : 0) - (left ? 1 : 0);
    const int dy = (down ? 1 : 0) - (up ? 1 : 0);
    return directionKey(dx, dy);
}

GameKey stickDirection(int x, int y, int deadZonePercent, bool eight) {
    const double fx = x / 32768.0, fy = y / 32768.0;
    const double zone = deadZonePercent / 100.0;
    if (fx * fx + fy * fy <= zone * zone) return GameKey::None;
    // Sectors of 45 degrees (90 with four) centred on the directions.
    const double sectors = eight ? 8.0 : 4.0;
    const double turn = std::atan2(fy, fx) / (2 * M_PI);  // -0.5 .. 0.5, 0 to the right
    const int sector = static_cast<int>(std::lround(turn * sectors + sectors)) % (eight ? 8 : 4);
    const int step = eight ? sector : sector * 2;  // in eighths of a turn
    static constexpr int kDx[8] = {1, 1, 0, -1, -1, -1, 0, 1};
    static constexpr int kDy[8] = {0, 1, 1, 1, 0, -1, -1, -1};
    return directionKey(kDx[step], kDy[step]);
}
