// The thirty towns: their record and their content at the start of a game.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/data/Creatures.h"

#pragma pack(push, 1)
struct TownRecord {
    ShortString name;
    uint8_t race;  // 1 humans, 2 dwarves, 3 elves, 4 necromancers, 5 orcs
    uint8_t pad257;
    uint16_t shipX;  // cell of the ship bought here; 0 until bought
    uint16_t shipY;
    uint8_t pad262[2];
    Troop recruit;  // the kind hired here (count unused)
    uint16_t vaultGold;
    uint16_t vaultAuthority;
    uint8_t vaultLetter;  // diary letter kept in the vault (= town number)
    uint8_t pad1069[3];
    Troop garrison[5];    // vault guards, stacks 1..5 at [0..4]
    uint8_t improves[5];  // race r at [r-1]: storming improves the relation
    uint8_t worsens[5];
    uint8_t visited;  // 1 once the town list knows the town
    uint8_t pad5083;

    Troop& guard(int k) { return garrison[k - 1]; }
    const Troop& guard(int k) const { return garrison[k - 1]; }
};
#pragma pack(pop)

static_assert(sizeof(TownRecord) == 5084);
static_assert(offsetof(TownRecord, race) == 256);
static_assert(offsetof(TownRecord, shipX) == 258);
static_assert(offsetof(TownRecord, shipY) == 260);
static_assert(offsetof(TownRecord, recruit) == 264);
static_assert(offsetof(TownRecord, vaultGold) == 1064);
static_assert(offsetof(TownRecord, vaultAuthority) == 1066);
static_assert(offsetof(TownRecord, vaultLetter) == 1068);
static_assert(offsetof(TownRecord, garrison) == 1072);
static_assert(offsetof(TownRecord, improves) == 5072);
static_assert(offsetof(TownRecord, worsens) == 5077);
static_assert(offsetof(TownRecord, visited) == 5082);

constexpr int kTowns = 30;

struct GameState;

// Writes all thirty town records as they stand at the start of a game.
void InitTowns(GameState& gs);
