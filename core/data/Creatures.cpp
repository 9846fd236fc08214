#include "core/data/Creatures.h"

#include <cstring>

std::array<Troop, kCreatureKinds> CreatureTable;
std::array<EncounterGroup, kEncounterGroups> EncounterGroupTable;

namespace {

struct Row {
    const char* name;
    const char* pic;
    const char* wav;
    int att, def, flies, hits, luck, morale, reaction, speed, shots, shotPower, missile, price,
        lead;
};

// The creature kinds, by table number.
constexpr Row kRows[kCreatureKinds] = {
    {"Варвары", "Barbar.pic", "Barbar.wav", 18, 18, 0, 55, 5, 4, 55, 4, -1, 0, 0, 80, 30},
    {"Тролли", "Troll.pic", "Troll.wav", 35, 36, 0, 310, 3, 3, 50, 3, -1, 0, 0, 150, 45},
    {"Кентавры", "Kent.pic", "Kent.wav", 56, 57, 0, 510, 3, 4, 65, 4, -1, 10, 0, 380, 75},
    {"Эльфы", "Elf.pic", "Elf.wav", 21, 19, 0, 45, 4, 4, 75, 2, 20, 20, 1, 100, 35},
    {"Летуны", "Flyer.pic", "flyer.wav", 11, 13, 1, 20, 3, 4, 85, 1, -1, 0, 0, 35, 15},
    {"Покойники", "Lich.pic", "Lich.wav", 38, 35, 0, 295, 5, 1, 80, 2, 5, 38, 2, 200, 50},
    {"Твари", "Beast.pic", "Beast.wav", 70, 67, 0, 690, 5, 5, 100, 3, -1, 0, 0, 800, 95},
    {"Драконы", "Dragon.pic", "Dragon.wav", 78, 80, 1, 750, 7, 5, 95, 1, -1, 0, 0, 900, 100},
    {"Гномы-рыцари", "GKav.pic", "GKav.wav", 63, 63, 0, 590, 5, 3, 80, 5, -1, 0, 0, 450, 80},
    {"Фантомы", "Fant.pic", "Fant.wav", 43, 40, 1, 350, 7, 1, 75, 1, -1, 0, 0, 250, 65},
    {"Арбалетчики", "Arch.pic", "Arch.wav", 40, 38, 0, 310, 5, 4, 75, 2, 20, 42, 1, 250, 60},
    {"Катапульты", "Catap.pic", "Catap.wav", 63, 25, 0, 350, 5, 2, 80, 1, 5, 65, 2, 500, 85},
    {"Гномы-лучники", "GArch.pic", "GArch.wav", 10, 9, 0, 15, 5, 3, 75, 2, 15, 6, 1, 40, 10},
    {"Гиганты", "Giant.pic", "Giant.wav", 66, 66, 0, 640, 5, 4, 50, 4, -1, 0, 0, 650, 90},
    {"Крестьяне", "Peasant.pic", "Peasant.wav", 8, 8, 0, 12, 3, 3, 70, 3, -1, 0, 0, 20, 5},
    {"Псы", "Wolf.pic", "Wolf.wav", 15, 16, 0, 35, 5, 4, 68, 4, -1, 0, 0, 65, 25},
    {"Ополченцы", "Polk.pic", "Polk.wav", 13, 13, 0, 28, 7, 2, 60, 3, -1, 0, 0, 55, 20},
    {"Витязи", "Vityaz.pic", "Vityaz.wav", 40, 40, 0, 320, 5, 2, 70, 4, -1, 0, 0, 200, 55},
    {"Амазонки", "Amazon.pic", "Amazon.wav", 52, 49, 0, 410, 3, 3, 70, 4, -1, 0, 0, 300, 70},
    {"Горги", "George.pic", "George.wav", 32, 32, 1, 280, 5, 3, 65, 1, -1, 0, 0, 120, 40},
};

struct GroupRow {
    int index;
    int kind[3];
    int count[3];
    int gold, authority;
};

constexpr GroupRow kGroups[] = {
    {0, {kPeasants, kDwarfArchers, kBarbarians}, {20, 10, 6}, 900, 20},
    {1, {kElves, kFliers, kMilitia}, {6, 10, 10}, 940, 20},
    {2, {kHounds, kElves, kPeasants}, {8, 6, 20}, 1000, 20},
    {3, {kDwarfArchers, kFliers, kBarbarians}, {10, 12, 6}, 920, 20},
    {20, {kGorgs, kCrossbowmen, kKnights}, {18, 10, 14}, 3000, 30},
    {21, {kPhantoms, kLiches, kTrolls}, {13, 10, 13}, 4000, 30},
    {22, {kGorgs, kAmazons, kPhantoms}, {15, 8, 12}, 3000, 30},
    {23, {kKnights, kCrossbowmen, kTrolls}, {10, 10, 15}, 4000, 30},
    {40, {kBeasts, kCatapults, kGiants}, {20, 24, 22}, 6000, 45},
    {41, {kDwarfKnights, kElves, kGiants}, {18, 20, 22}, 5700, 45},
    {42, {kDragons, kCatapults, kCentaurs}, {18, 22, 30}, 6300, 45},
    {43, {kDragons, kCentaurs, kDwarfKnights}, {18, 30, 24}, 7000, 45},
};

}  // namespace

void FillTemplates() {
    for (int k = 0; k < kCreatureKinds; ++k) {
        const Row& r = kRows[k];
        Troop& t = CreatureTable[k];
        std::memset(&t, 0, sizeof t);
        t.name.set(r.name);
        t.picFile.set(r.pic);
        t.wavFile.set(r.wav);
        t.attack = static_cast<uint8_t>(r.att);
        t.defence = static_cast<uint8_t>(r.def);
        t.flies = static_cast<uint8_t>(r.flies);
        t.hitsMax = static_cast<int16_t>(r.hits);
        t.hits = static_cast<int16_t>(r.hits);
        t.luck = static_cast<uint8_t>(r.luck);
        t.morale = static_cast<uint8_t>(r.morale);
        t.reaction = static_cast<uint8_t>(r.reaction);
        t.speed = static_cast<uint8_t>(r.speed);
        t.shots = static_cast<int8_t>(r.shots);
        t.shotPower = static_cast<uint8_t>(r.shotPower);
        t.missileKind = static_cast<uint8_t>(r.missile);
        t.price = static_cast<int16_t>(r.price);
        t.leadership = static_cast<int16_t>(r.lead);
    }
    std::memset(EncounterGroupTable.data(), 0, sizeof(EncounterGroup) * EncounterGroupTable.size());
    for (const GroupRow& g : kGroups) {
        EncounterGroup& e = EncounterGroupTable[g.index];
        for (int m = 0; m < 3; ++m)
            e.members[m] = makeStack(g.kind[m], static_cast<int16_t>(g.count[m]));
        e.rewardGold = static_cast<uint16_t>(g.gold);
        e.rewardAuthority = static_cast<uint16_t>(g.authority);
    }
}

Troop makeStack(int kind, int16_t count) {
    Troop t = CreatureTable.at(static_cast<size_t>(kind));
    t.count = count;
    return t;
}
