// The one block of persistent game variables. Its byte layout is the save format:
// 226,716 bytes, little-endian, no header. Every accessor is 1-based, as the game
// counts continents, towns, races, army slots, letters and map cells.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

#include "core/data/Creatures.h"
#include "core/data/ShortString.h"
#include "core/data/Towns.h"

static_assert(std::endian::native == std::endian::little,
              "the save format is the in-memory block; a big-endian port needs byte swaps");

constexpr int kMapW = 70;  // x 1..70, left to right
constexpr int kMapH = 80;  // y 1..80, top to bottom
constexpr int kContinents = 3;
constexpr int kRaces = 5;
constexpr int kArmySlots = 5;
constexpr int kLetters = 30;

// Cell codes of the continent grids.
namespace cell {
constexpr uint16_t kGround = 0;
constexpr uint16_t kForestFirst = 55;  // 55..59 placed, 55..60 drawn as forest
constexpr uint16_t kRockFirst = 65;    // 65..69 placed, 65..70 drawn as rock
constexpr uint16_t kPortal = 75;
constexpr uint16_t kTreasure = 76;
constexpr uint16_t kOrb = 77;
constexpr uint16_t kWater = 100;
constexpr uint16_t kShip = 110;
constexpr uint16_t kBanditFirst = 500;  // 500 + group index
constexpr uint16_t kTownBase = 700;     // 700 + town number

inline bool isWater(uint16_t c) {
    return c >= 100 && c <= 110;
}
inline bool isArmy(uint16_t c) {
    return c >= 500 && c <= 600;
}
inline bool isTown(uint16_t c) {
    return c >= 701 && c <= 730;
}
inline bool isForest(uint16_t c) {
    return c >= 55 && c <= 60;
}
inline bool isRock(uint16_t c) {
    return c >= 65 && c <= 70;
}
}  // namespace cell

#pragma pack(push, 1)
struct ArmyMove {
    uint16_t fromX, fromY, toX, toY;
};

struct GameState {
    ShortString saveName;
    uint16_t heroX;
    uint16_t heroY;
    uint8_t continent;
    uint8_t heroFacing;
    uint16_t heroSprite;
    int32_t stepShiftX;
    int32_t stepShiftY;
    uint8_t onShip;
    uint8_t pad273[3];
    uint32_t steps;
    uint16_t mapCells[kContinents][kMapW][kMapH];
    uint8_t mapExplored[kContinents][kMapW][kMapH];
    ShortString continentNames[kContinents];
    uint16_t groundVariant[kMapW][kMapH];
    uint32_t miniMapSurfaces[kContinents];
    ArmyMove armyMoves[10][10];  // [toX mod 10][toY mod 10]
    Troop army[kArmySlots];
    uint8_t unused67460[60];
    uint8_t relations[kRaces];
    ShortString raceNames[kRaces];
    uint8_t spellTries;
    ShortString diaryText;
    uint16_t graveX;
    uint16_t graveY;
    uint8_t graveContinent;
    uint8_t lettersKnown[kLetters];
    uint8_t pad69097[3];
    uint32_t gold;
    uint32_t authority;
    uint8_t unused69108[5084];
    TownRecord towns[kTowns];
    uint8_t musicOn;
    uint8_t soundOn;
    uint8_t pad226714[2];

    // ---- 1-based addressing -------------------------------------------------
    uint16_t& cell(int c, int x, int y) { return mapCells[c - 1][x - 1][y - 1]; }
    uint16_t cell(int c, int x, int y) const { return mapCells[c - 1][x - 1][y - 1]; }
    // Cell of the hero's own continent.
    uint16_t& here(int x, int y) { return cell(continent, x, y); }
    uint16_t here(int x, int y) const { return cell(continent, x, y); }
    uint8_t& explored(int c, int x, int y) { return mapExplored[c - 1][x - 1][y - 1]; }
    uint8_t explored(int c, int x, int y) const { return mapExplored[c - 1][x - 1][y - 1]; }
    uint16_t& ground(int x, int y) { return groundVariant[x - 1][y - 1]; }
    uint16_t ground(int x, int y) const { return groundVariant[x - 1][y - 1]; }
    ArmyMove& move(int toX, int toY) { return armyMoves[toX % 10][toY % 10]; }
    const ArmyMove& move(int toX, int toY) const { return armyMoves[toX % 10][toY % 10]; }
    Troop& slot(int s) { return army[s - 1]; }
    const Troop& slot(int s) const { return army[s - 1]; }
    TownRecord& town(int t) { return towns[t - 1]; }
    const TownRecord& town(int t) const { return towns[t - 1]; }
    uint8_t& relation(int race) { return relations[race - 1]; }
    uint8_t relation(int race) const { return relations[race - 1]; }
    ShortString& raceName(int race) { return raceNames[race - 1]; }
    const ShortString& raceName(int race) const { return raceNames[race - 1]; }
    ShortString& continentName(int c) { return continentNames[c - 1]; }
    const ShortString& continentName(int c) const { return continentNames[c - 1]; }
    uint8_t& letter(int k) { return lettersKnown[k - 1]; }
    uint8_t letter(int k) const { return lettersKnown[k - 1]; }

    // ---- derived calendar: thirty steps a day, seven days a week ---------------
    uint32_t day() const { return (steps / 30) % 7 + 1; }
    uint32_t week() const { return steps / 210 + 1; }

    static bool onMap(int x, int y) { return x >= 1 && x <= kMapW && y >= 1 && y <= kMapH; }
};
#pragma pack(pop)

constexpr size_t kGameStateSize = 226716;
static_assert(sizeof(GameState) == kGameStateSize);
static_assert(offsetof(GameState, heroX) == 256);
static_assert(offsetof(GameState, heroY) == 258);
static_assert(offsetof(GameState, continent) == 260);
static_assert(offsetof(GameState, heroFacing) == 261);
static_assert(offsetof(GameState, heroSprite) == 262);
static_assert(offsetof(GameState, stepShiftX) == 264);
static_assert(offsetof(GameState, stepShiftY) == 268);
static_assert(offsetof(GameState, onShip) == 272);
static_assert(offsetof(GameState, steps) == 276);
static_assert(offsetof(GameState, mapCells) == 280);
static_assert(offsetof(GameState, mapExplored) == 33880);
static_assert(offsetof(GameState, continentNames) == 50680);
static_assert(offsetof(GameState, groundVariant) == 51448);
static_assert(offsetof(GameState, miniMapSurfaces) == 62648);
static_assert(offsetof(GameState, armyMoves) == 62660);
static_assert(offsetof(GameState, army) == 63460);
static_assert(offsetof(GameState, relations) == 67520);
static_assert(offsetof(GameState, raceNames) == 67525);
static_assert(offsetof(GameState, spellTries) == 68805);
static_assert(offsetof(GameState, diaryText) == 68806);
static_assert(offsetof(GameState, graveX) == 69062);
static_assert(offsetof(GameState, graveY) == 69064);
static_assert(offsetof(GameState, graveContinent) == 69066);
static_assert(offsetof(GameState, lettersKnown) == 69067);
static_assert(offsetof(GameState, gold) == 69100);
static_assert(offsetof(GameState, authority) == 69104);
static_assert(offsetof(GameState, towns) == 74192);
static_assert(offsetof(GameState, musicOn) == 226712);
static_assert(offsetof(GameState, soundOn) == 226713);

// Byte offsets of map cells and other 1-based elements, for tools and tests that
// read a save image without the struct.
constexpr size_t cellOffset(int c, int x, int y) {
    return 280 + ((static_cast<size_t>(c) - 1) * 5600 + (static_cast<size_t>(x) - 1) * 80 +
                  (static_cast<size_t>(y) - 1)) *
                     2;
}
static_assert(cellOffset(1, 1, 1) == 280);
static_assert(cellOffset(3, 70, 80) == 33878);
