// One stack of creatures (`Troop`), the twenty creature kinds and the bandit groups.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/data/ShortString.h"

#pragma pack(push, 1)
struct Troop {
    ShortString picFile;  // picture under Resourse/Army/
    uint8_t active;       // battle only: 1 while the stack has the turn
    uint8_t movesLeft;    // battle only: steps left this round
    uint8_t pad258[2];
    uint32_t picture;  // battle only: runtime handle, meaningless when stored
    ShortString wavFile;
    uint8_t waited;  // battle only: 1 after waiting this round
    uint8_t pad521;
    int16_t count;  // 0 = empty slot
    uint8_t attack;
    uint8_t defence;
    uint8_t flies;
    uint8_t pad527;
    int16_t hitsMax;
    int16_t hits;  // hit points left of the top creature
    uint8_t luck;
    uint8_t morale;
    uint8_t reaction;
    uint8_t speed;
    int8_t shots;  // -1: never shoots
    uint8_t shotPower;
    uint8_t missileKind;  // 0 none, 1 arrows, 2 other missiles
    uint8_t pad539;
    int16_t price;
    int16_t leadership;
    ShortString name;  // plural name of the kind

    bool empty() const { return count == 0; }
};

struct EncounterGroup {
    Troop members[3];
    uint16_t rewardGold;
    uint16_t rewardAuthority;
};
#pragma pack(pop)

static_assert(sizeof(Troop) == 800);
static_assert(offsetof(Troop, active) == 256);
static_assert(offsetof(Troop, picture) == 260);
static_assert(offsetof(Troop, wavFile) == 264);
static_assert(offsetof(Troop, waited) == 520);
static_assert(offsetof(Troop, count) == 522);
static_assert(offsetof(Troop, attack) == 524);
static_assert(offsetof(Troop, flies) == 526);
static_assert(offsetof(Troop, hitsMax) == 528);
static_assert(offsetof(Troop, hits) == 530);
static_assert(offsetof(Troop, luck) == 532);
static_assert(offsetof(Troop, reaction) == 534);
static_assert(offsetof(Troop, speed) == 535);
static_assert(offsetof(Troop, shots) == 536);
static_assert(offsetof(Troop, missileKind) == 538);
static_assert(offsetof(Troop, price) == 540);
static_assert(offsetof(Troop, leadership) == 542);
static_assert(offsetof(Troop, name) == 544);
static_assert(sizeof(EncounterGroup) == 2404);
static_assert(offsetof(EncounterGroup, rewardGold) == 2400);
static_assert(offsetof(EncounterGroup, rewardAuthority) == 2402);

constexpr int kCreatureKinds = 20;
constexpr int kEncounterGroups = 44;

// Creature kinds by their table number (0..19).
enum CreatureKind : int {
    kBarbarians = 0,
    kTrolls = 1,
    kCentaurs = 2,
    kElves = 3,
    kFliers = 4,
    kLiches = 5,
    kBeasts = 6,
    kDragons = 7,
    kDwarfKnights = 8,
    kPhantoms = 9,
    kCrossbowmen = 10,
    kCatapults = 11,
    kDwarfArchers = 12,
    kGiants = 13,
    kPeasants = 14,
    kHounds = 15,
    kMilitia = 16,
    kKnights = 17,
    kAmazons = 18,
    kGorgs = 19,
};

// Built once at program start (FillTemplates) and read-only afterwards.
extern std::array<Troop, kCreatureKinds> CreatureTable;
extern std::array<EncounterGroup, kEncounterGroups> EncounterGroupTable;

// Fills CreatureTable and EncounterGroupTable exactly as the game defines them.
void FillTemplates();

// A stack: a whole copy of template `kind` with its head count.
Troop makeStack(int kind, int16_t count);
