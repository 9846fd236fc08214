// The three continents: the layout facts of their built-in map texts and the builder
// that turns a text into a continent grid with towns, treasure, bandits and an orb.
#pragma once

#include <array>
#include <string_view>

struct GameState;
class Random;
class Platform;

// A map text is 74 lines of 64 characters without line breaks; line k describes
// y = k + 4 and character i of a line x = i + 4. The three-cell frame is water.
constexpr int kMapTextW = 64;
constexpr int kMapTextH = 74;
constexpr int kMapTextLen = kMapTextW * kMapTextH;  // 4,736
constexpr int kMapTextX0 = 4;
constexpr int kMapTextY0 = 4;

struct CellXY {
    int x = 0;
    int y = 0;
    bool operator==(const CellXY&) const = default;
};

// How many of each letter the text of a continent holds (ten "T" and one "P" besides).
struct MapTextCounts {
    int spaces;
    int water;
    int forest;
    int rock;
};
const MapTextCounts& mapTextCounts(int c);

// Where the ten "T" and the "P" of continent c stand.
const std::array<CellXY, 10>& townCells(int c);
CellXY portalCell(int c);

// The hero's start cell and the town beside it, on continent 1; the first line of
// continent 1's text begins with kContinent1Prefix.
inline constexpr CellXY kHeroStart{6, 18};
inline constexpr CellXY kStartTown{4, 18};
inline constexpr std::string_view kContinent1Prefix = "WWWWWWWW LLLLLWWWWL WWWWWR  RWWLL";

// Index of (x, y) in a map text, or -1 outside the text area.
inline int mapTextIndex(int x, int y) {
    if (x < kMapTextX0 || x >= kMapTextX0 + kMapTextW || y < kMapTextY0 ||
        y >= kMapTextY0 + kMapTextH)
        return -1;
    return (y - kMapTextY0) * kMapTextW + (x - kMapTextX0);
}

// Overwrites every cell of continent c (1..3) from its built-in text, then places
// one orb, forty treasures and forty-five bandit groups on open ground. Reseeds the
// generator from the clock before the text and again before the objects.
void BuildContinent(GameState& gs, Random& rnd, Platform& platform, int c);

// The same from any text (a modder's map, a test). A character outside the legend
// reports "Error in MAP! " + c and leaves its cell water; so does an eleventh "T".
// Characters past 4,736 are ignored; a short text leaves the rest water.
void BuildContinentFromText(GameState& gs, Random& rnd, Platform& platform, int c,
                            std::string_view text);
