// What the adventure map draws, decided without any drawing back-end: which
// picture slot goes where on the two surfaces (700 x 700 for the 5 x 5 view),
// the mini-map colours and the panel texts. The map window turns these lists
// into pixels.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct GameState;

// Picture slots of the map window (1..110; 111 and 112 are the surfaces).
namespace slot {
constexpr int kTreasure = 9;
constexpr int kPortal = 10;
constexpr int kWater = 11;
constexpr int kTownBase = 49;  // + race
constexpr int kOrb = 90;
constexpr int kHeroStand = 91;
constexpr int kHeroWalk = 94;
constexpr int kShip = 96;
constexpr int kHeroShip = 98;
constexpr int kMirrored = 10;  // added when the hero faces right
constexpr int kCount = 110;
constexpr int kDark = -1;  // not a picture: a black cell the wider view keeps dark
// The shore pieces drawn over a water picture that leaves them out: 113 + 3 x
// piece + frame, pieces in the order of shoreOverlays() (the surfaces are 111, 112).
constexpr int kShoreOverlay = 113;
constexpr int kShorePieces = 8;
constexpr int kAllSlots = kShoreOverlay + 3 * kShorePieces;  // slots 0..kAllSlots - 1
// Whether a slot names something to draw: a picture or a shore piece.
constexpr bool drawable(int s) {
    return (s >= 1 && s <= kCount) || (s >= kShoreOverlay && s < kAllSlots);
}
}  // namespace slot

// The cells the view shows: 5 x 5 around the hero, or in the wider view as many
// as fit (odd numbers, the hero in the middle). The surfaces hold one more cell on
// every side, which a step's slide scrolls in. `fog`: the wider view draws only
// what the mini-map shows: unexplored cells and cells off the map are black, and
// nothing stands on them.
struct ViewCells {
    int cols = 5;
    int rows = 5;
    bool fog = false;
    // The hero's cell on the surfaces, counted from their left and top edges.
    int heroCol() const { return (cols + 1) / 2; }
    int heroRow() const { return (rows + 1) / 2; }
    int surfaceWidth() const { return (cols + 2) * 100; }
    int surfaceHeight() const { return (rows + 2) * 100; }
    bool operator==(const ViewCells&) const = default;
};

// The wider view in `width` x `height` pixels of room: as many whole cells as fit
// across and down, odd numbers so that the hero stands in the middle, and never
// fewer than 5 x 5. Larger than 5 x 5 it has the fog; exactly that, it is the
// map's own view.
ViewCells widestView(int width, int height);

// One picture drawn at a pixel position of a surface.
struct Blit {
    int slot;
    int x;
    int y;
    bool operator==(const Blit&) const = default;
};

// Top-left pixel of map cell (x, y) on the surfaces: for the 5 x 5 view the 7 x 7
// cells around the hero, the hero's cell at (300, 300).
int viewPixelX(const GameState& gs, int x, const ViewCells& view = {});
int viewPixelY(const GameState& gs, int y, const ViewCells& view = {});

// Cell code of the hero's continent; cells off the map read as water.
int codeOrWater(const GameState& gs, int x, int y);

// The static layer: grass under every land cell, then towns, objects, forests
// and rocks (with the half-cell joins between neighbouring clumps).
void groundLayerBlits(const GameState& gs, std::vector<Blit>& out, const ViewCells& view = {});

// The water picture of a water cell for an animation phase 1..4: open water,
// or the shore piece matching the land around it.
int waterSlot(const GameState& gs, int x, int y, int phase);

// The shores the water picture of cell (x, y) leaves out. The picture rule keeps
// only the last of its tests that holds, so a cell with land on an edge and at
// an opposite corner, or on two opposite sides, shows one of them as a bare edge.
// Bits in the order of the pieces: up, down, left, right, then the corners
// up-right, up-left, down-left, down-right; each drawn over the cell as the
// slot::kShoreOverlay piece of the same frame.
unsigned shoreOverlays(const GameState& gs, int x, int y);
// The water picture of a shore piece (bit 0..7 above), first frame.
int shorePieceWater(int piece);

// Pixel shift of an army drawn at cell (x, y) while the hero's step slides
// the view: armies that moved this step glide from their old cell.
void armySlide(const GameState& gs, int x, int y, int& dx, int& dy);

// Picture of the hero for a phase; also stores it in `heroSprite` as the frame
// does (standing frames only at rest; the ship rocks during a step too).
int heroSlot(GameState& gs, int phase);

// Everything drawn over the ground layer for one frame, in order: water with
// the shores its picture leaves out, moored ships, roaming armies, the hero.
void frameBlits(GameState& gs, int phase, std::vector<Blit>& out, const ViewCells& view = {});

// Mini-map colour of a cell code, 0x00BBGGRR.
uint32_t cellColour(int code);
constexpr uint32_t kHeroDot = 0x0000FF;

// One dot of the mini-map: at (3x, 3y) of the 214 x 244 surface.
struct Dot {
    int x;
    int y;
    uint32_t colour;
};
// The dots a frame refreshes: explored cells within four of the hero, his own
// cell red in phases 1 and 3.
void nearbyDots(const GameState& gs, int phase, std::vector<Dot>& out);
// Every cell of the continent: unexplored black, the hero red.
void allDots(const GameState& gs, std::vector<Dot>& out);
