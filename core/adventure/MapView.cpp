#include "core/adventure/MapView.h"

#include <cstdlib>

#include "core/data/GameState.h"

namespace {

constexpr int kCell = 100;

bool water(int code) {
    return code >= 100 && code <= 110;
}

// Forest and rocks: the clump's family (55 or 65) when the code belongs to it.
bool sameFamily(int code, int base) {
    return code >= base && code <= base + 5;
}

void forestOrRock(const GameState& gs, const ViewCells& view, int x, int y, int code, int base,
                  std::vector<Blit>& out) {
    const int px = viewPixelX(gs, x, view), py = viewPixelY(gs, y, view);
    out.push_back({code, px, py});
    const int right = codeOrWater(gs, x + 1, y);
    const int lower = codeOrWater(gs, x, y + 1);
    const bool leftSame = sameFamily(codeOrWater(gs, x - 1, y), base);
    const bool rightSame = sameFamily(right, base);
    const bool upSame = sameFamily(codeOrWater(gs, x, y - 1), base);
    const bool lowSame = sameFamily(lower, base);
    // The end of a row or of a column is joined from its neighbour already.
    if (leftSame && !rightSame) return;
    if (upSame && !lowSame) return;
    int v = 50;
    if (!rightSame || !lowSame || codeOrWater(gs, x + 1, y + 1) == 100) {
        if (!rightSame) {
            if (lowSame) out.push_back({(code + lower) / 2, px + 6, py + 50});
            return;
        }
        v = -5;
    }
    out.push_back({(code + right) / 2, px + 55, py + v});
}

int armyFirstSlot(int code) {
    if (code >= 500 && code <= 510) return 70;
    if (code >= 520 && code <= 530) return 73;
    if (code >= 540 && code <= 550) return 76;
    return 0;
}

constexpr int kPhaseWater[5] = {0, 0, 1, 2, 1};
constexpr int kPhaseArmy[5] = {0, 1, 2, 3, 2};
constexpr int kPhaseStand[5] = {0, 91, 92, 93, 92};
constexpr int kPhaseSail[5] = {0, 98, 99, 100, 99};

int clampPhase(int phase) {
    return (phase >= 1 && phase <= 4) ? phase : 1;
}

// Whether a cell of the view is drawn: every cell on the map, or with the fog
// of the wider view only those the hero has explored.
bool shown(const GameState& gs, const ViewCells& view, int x, int y) {
    if (!GameState::onMap(x, y)) return false;
    return !view.fog || gs.explored(gs.continent, x, y) != 0;
}

// Calls f(x, y) for every cell of the surfaces, x ascending, then y ascending.
template <class F>
void eachCell(const GameState& gs, const ViewCells& view, F f) {
    const int left = gs.heroX - view.heroCol(), top = gs.heroY - view.heroRow();
    for (int x = left; x <= left + view.cols + 1; ++x)
        for (int y = top; y <= top + view.rows + 1; ++y) f(x, y);
}

}  // namespace

ViewCells widestView(int width, int height) {
    auto odd = [](int room) {
        int n = room / kCell;
        if (n % 2 == 0) --n;
        return n < 5 ? 5 : n;
    };
    ViewCells v;
    v.cols = odd(width);
    v.rows = odd(height);
    v.fog = v.cols > 5 || v.rows > 5;
    return v;
}

int viewPixelX(const GameState& gs, int x, const ViewCells& view) {
    return (x - gs.heroX + view.heroCol()) * kCell;
}
int viewPixelY(const GameState& gs, int y, const ViewCells& view) {
    return (y - gs.heroY + view.heroRow()) * kCell;
}

int codeOrWater(const GameState& gs, int x, int y) {
    return GameState::onMap(x, y) ? gs.here(x, y) : 100;
}

void groundLayerBlits(const GameState& gs, std::vector<Blit>& out, const ViewCells& view) {
    out.clear();
    eachCell(gs, view, [&](int x, int y) {
        if (!shown(gs, view, x, y)) return;
        const int code = gs.here(x, y);
        if (water(code)) return;
        const int s =
            (code <= 11 || cell::isArmy(static_cast<uint16_t>(code))) ? gs.ground(x, y) : 1;
        out.push_back({s, viewPixelX(gs, x, view), viewPixelY(gs, y, view)});
    });
    eachCell(gs, view, [&](int x, int y) {
        if (!shown(gs, view, x, y)) return;
        const int code = gs.here(x, y);
        if (code == 0) return;
        const int px = viewPixelX(gs, x, view), py = viewPixelY(gs, y, view);
        if (cell::isTown(static_cast<uint16_t>(code)))
            out.push_back({slot::kTownBase + gs.town(code - 700).race, px, py});
        else if (code == cell::kPortal)
            out.push_back({slot::kPortal, px, py});
        else if (code == cell::kOrb)
            out.push_back({slot::kOrb, px, py});
        else if (code == cell::kTreasure)
            out.push_back({slot::kTreasure, px, py});
        else if (sameFamily(code, cell::kForestFirst))
            forestOrRock(gs, view, x, y, code, cell::kForestFirst, out);
        else if (sameFamily(code, cell::kRockFirst))
            forestOrRock(gs, view, x, y, code, cell::kRockFirst, out);
    });
    // Last, so that no join of a clump reaches into a dark cell.
    if (view.fog)
        eachCell(gs, view, [&](int x, int y) {
            if (!shown(gs, view, x, y))
                out.push_back({slot::kDark, viewPixelX(gs, x, view), viewPixelY(gs, y, view)});
        });
}

int waterSlot(const GameState& gs, int x, int y, int phase) {
    auto dry = [&](int cx, int cy) { return !water(gs.here(cx, cy)); };
    int w = 11;
    if (y > 1 && dry(x, y - 1)) w = 14;
    if (y < kMapH && dry(x, y + 1)) w = 17;
    if (x > 1 && dry(x - 1, y)) w = 20;
    if (x < kMapW && dry(x + 1, y)) w = 23;
    if (x > 1 && x < kMapW && y > 1 && y < kMapH) {
        const bool up = dry(x, y - 1), down = dry(x, y + 1);
        const bool left = dry(x - 1, y), right = dry(x + 1, y);
        if (right && up) w = 26;
        if (left && up) w = 29;
        if (left && down) w = 32;
        if (right && down) w = 35;
        if (dry(x + 1, y - 1) && !up && !right) w = 38;
        if (dry(x - 1, y - 1) && !up && !left) w = 41;
        if (dry(x - 1, y + 1) && !down && !left) w = 44;
        if (dry(x + 1, y + 1) && !down && !right) w = 47;
    }
    return w + kPhaseWater[clampPhase(phase)];
}

namespace {
// The water pictures of the shore pieces (first frames), bit by bit.
constexpr int kShorePieceWater[slot::kShorePieces] = {14, 17, 20, 23, 38, 41, 44, 47};
constexpr unsigned kUp = 1, kDown = 2, kLeft = 4, kRight = 8, kUpRight = 16, kUpLeft = 32,
                   kDownLeft = 64, kDownRight = 128;
}  // namespace

int shorePieceWater(int piece) {
    return piece >= 0 && piece < slot::kShorePieces ? kShorePieceWater[piece] : slot::kWater;
}

unsigned shoreOverlays(const GameState& gs, int x, int y) {
    auto dry = [&](int cx, int cy) { return GameState::onMap(cx, cy) && !water(gs.here(cx, cy)); };
    const bool up = dry(x, y - 1), down = dry(x, y + 1), left = dry(x - 1, y),
               right = dry(x + 1, y);
    unsigned wanted =
        (up ? kUp : 0) | (down ? kDown : 0) | (left ? kLeft : 0) | (right ? kRight : 0);
    // A corner of land shows only where both sides beside it are water.
    if (dry(x + 1, y - 1) && !up && !right) wanted |= kUpRight;
    if (dry(x - 1, y - 1) && !up && !left) wanted |= kUpLeft;
    if (dry(x - 1, y + 1) && !down && !left) wanted |= kDownLeft;
    if (dry(x + 1, y + 1) && !down && !right) wanted |= kDownRight;
    unsigned shown = 0;
    switch (waterSlot(gs, x, y, 1)) {
        case 14:
            shown = kUp;
            break;
        case 17:
            shown = kDown;
            break;
        case 20:
            shown = kLeft;
            break;
        case 23:
            shown = kRight;
            break;
        case 26:
            shown = kUp | kRight;
            break;
        case 29:
            shown = kUp | kLeft;
            break;
        case 32:
            shown = kDown | kLeft;
            break;
        case 35:
            shown = kDown | kRight;
            break;
        case 38:
            shown = kUpRight;
            break;
        case 41:
            shown = kUpLeft;
            break;
        case 44:
            shown = kDownLeft;
            break;
        case 47:
            shown = kDownRight;
            break;
        default:
            break;
    }
    return wanted & ~shown;
}

void armySlide(const GameState& gs, int x, int y, int& dx, int& dy) {
    dx = dy = 0;
    if (gs.stepShiftX == 0 && gs.stepShiftY == 0) return;
    const int f = 100 - (gs.stepShiftX != 0 ? std::abs(gs.stepShiftX) : std::abs(gs.stepShiftY));
    const ArmyMove& m = gs.move(x, y);
    if (m.toX != x || m.toY != y) return;
    dx = -(m.toX - m.fromX) * f;
    dy = -(m.toY - m.fromY) * f;
}

int heroSlot(GameState& gs, int phase) {
    phase = clampPhase(phase);
    if (gs.onShip == 1)
        gs.heroSprite = static_cast<uint16_t>(kPhaseSail[phase]);
    else if (gs.stepShiftX == 0 && gs.stepShiftY == 0)
        gs.heroSprite = static_cast<uint16_t>(kPhaseStand[phase]);
    return gs.heroSprite + (gs.heroFacing == 1 ? slot::kMirrored : 0);
}

void frameBlits(GameState& gs, int phase, std::vector<Blit>& out, const ViewCells& view) {
    out.clear();
    phase = clampPhase(phase);
    eachCell(gs, view, [&](int x, int y) {
        if (!shown(gs, view, x, y)) return;
        const int code = gs.here(x, y);
        if (!water(code)) return;
        const int px = viewPixelX(gs, x, view), py = viewPixelY(gs, y, view);
        out.push_back({waterSlot(gs, x, y, phase), px, py});
        const unsigned missing = shoreOverlays(gs, x, y);
        for (int piece = 0; piece < slot::kShorePieces; ++piece)
            if (missing & (1u << piece))
                out.push_back({slot::kShoreOverlay + 3 * piece + kPhaseWater[phase], px, py});
        if (code == cell::kShip) out.push_back({phase <= 2 ? 96 : 97, px, py});
    });
    eachCell(gs, view, [&](int x, int y) {
        if (!shown(gs, view, x, y)) return;
        const int first = armyFirstSlot(gs.here(x, y));
        if (first == 0) return;
        int dx = 0, dy = 0;
        armySlide(gs, x, y, dx, dy);
        out.push_back({first + kPhaseArmy[phase], viewPixelX(gs, x, view) + dx,
                       viewPixelY(gs, y, view) + dy});
    });
    const int hero = heroSlot(gs, phase);
    const int left = view.heroCol() * kCell, top = view.heroRow() * kCell;
    const int lift = (gs.onShip == 1 && phase <= 2) ? 1 : 0;
    out.push_back({hero, left + gs.stepShiftX, top - lift + gs.stepShiftY});
}

uint32_t cellColour(int code) {
    if (code == 0) return 0x00FF00;
    if (code >= 55 && code <= 60) return 0x008000;
    if (code >= 65 && code <= 70) return 0x004080;
    if (code == 75) return 0x0080FF;
    if (code == 76 || code == 77) return 0x00FFFF;
    if (code == 100) return 0xFF0000;
    if (code == 110) return 0xE88A17;
    if (code >= 500 && code <= 600) return 0xFF00FF;
    if (code >= 700 && code <= 730) return 0xFFFFFF;
    return 0;
}

void nearbyDots(const GameState& gs, int phase, std::vector<Dot>& out) {
    out.clear();
    const int hx = gs.heroX, hy = gs.heroY;
    for (int x = hx - 4; x <= hx + 4; ++x)
        for (int y = hy - 4; y <= hy + 4; ++y) {
            if (!GameState::onMap(x, y) || gs.explored(gs.continent, x, y) == 0) continue;
            const bool blink = x == hx && y == hy && (phase == 1 || phase == 3);
            out.push_back({3 * x, 3 * y, blink ? kHeroDot : cellColour(gs.here(x, y))});
        }
}

void allDots(const GameState& gs, std::vector<Dot>& out) {
    out.clear();
    out.reserve(kMapW * kMapH);
    for (int x = 1; x <= kMapW; ++x)
        for (int y = 1; y <= kMapH; ++y) {
            uint32_t c = 0;
            if (x == gs.heroX && y == gs.heroY)
                c = kHeroDot;
            else if (gs.explored(gs.continent, x, y) != 0)
                c = cellColour(gs.here(x, y));
            out.push_back({3 * x, 3 * y, c});
        }
}
