#include "platform/AssetNames.h"

namespace assets {

namespace {
std::vector<MapSlot> buildSlots() {
    std::vector<MapSlot> s(111);
    auto set = [&](int i, std::string f, bool tr) { s[i] = MapSlot{std::move(f), tr, 0}; };
    auto mirror = [&](int i, int from) { s[i] = MapSlot{s[from].file, s[from].transparent, from}; };
    for (int i = 1; i <= 8; ++i) set(i, "FreeT/grass" + std::to_string(i) + ".pic", false);
    set(9, "gold.pic", true);
    set(10, "portal.pic", true);
    const char* water[] = {"water", "u",  "d",   "l",   "r",   "ur", "ul",
                           "dl",    "dr", "urk", "ulk", "dlk", "drk"};
    int slot = 11;
    for (const char* w : water)
        for (int f = 1; f <= 3; ++f)
            set(slot++, std::string("Water/") + w + std::to_string(f) + ".pic", false);
    const char* towns[] = {"humantw", "dwarwtw", "elftw", "necrotw", "orctw"};
    for (int r = 0; r < 5; ++r) set(50 + r, std::string("Town/") + towns[r] + ".pic", true);
    for (int v = 0; v < 3; ++v) {
        set(55 + 2 * v, "NFreeT/forest" + std::to_string(v + 1) + ".pic", true);
        mirror(56 + 2 * v, 55 + 2 * v);
        set(65 + 2 * v, "NFreeT/rock" + std::to_string(v + 1) + ".pic", true);
        mirror(66 + 2 * v, 65 + 2 * v);
    }
    const char* enemies[] = {"dev", "skel", "mag"};
    for (int e = 0; e < 3; ++e)
        for (int f = 1; f <= 3; ++f)
            set(70 + 3 * e + f, std::string("Enemy/") + enemies[e] + std::to_string(f) + ".pic",
                true);
    set(90, "orb.pic", true);
    for (int f = 1; f <= 3; ++f) set(90 + f, "Hero/hero" + std::to_string(f) + ".pic", true);
    set(94, "Hero/herost1.pic", true);
    set(95, "Hero/herost2.pic", true);
    set(96, "Hero/ship1.pic", true);
    set(97, "Hero/ship2.pic", true);
    for (int f = 1; f <= 3; ++f) set(97 + f, "Hero/Hship" + std::to_string(f) + ".pic", true);
    for (int i = 0; i < 5; ++i) mirror(101 + i, 91 + i);
    for (int i = 0; i < 3; ++i) mirror(108 + i, 98 + i);
    return s;
}
}  // namespace

const std::vector<MapSlot>& mapSlots() {
    static const std::vector<MapSlot> s = buildSlots();
    return s;
}

const char* townView(int race) {
    static const char* v[] = {"Town/THuman.bmp", "Town/TDwarw.bmp", "Town/TElf.bmp",
                              "Town/TNecro.bmp", "Town/TOrc.bmp"};
    return (race >= 1 && race <= 5) ? v[race - 1] : v[0];
}

std::string battleBackground(int n) {
    return "free" + std::to_string(n) + ".pic";
}

std::vector<std::string> battlePictures() {
    std::vector<std::string> v;
    for (int n = 1; n <= 5; ++n) v.push_back(battleBackground(n));
    for (const char* f :
         {"water1.pic", "water2.pic", "water3.pic", "rock.pic", "dead.pic", "pit.pic", "bog.pic",
          "wall.pic", "lake1.pic", "lake2.pic", "tree1.pic", "tree2.pic"})
        v.emplace_back(f);
    for (int n = 1; n <= 4; ++n) {
        v.push_back("boom" + std::to_string(n) + ".pic");
        v.push_back("shot" + std::to_string(n) + ".pic");
    }
    for (int n = 1; n <= 3; ++n) v.push_back("skull" + std::to_string(n) + ".pic");
    return v;
}

std::string mapMusic(int n) {
    return std::string(kMusic) + "Mel" + std::to_string(n) + ".mid";
}

std::vector<std::string> windowPictures() {
    return {kWinTitle,   kWinIntro,       kWinBandits, kWinTreasure, kWinPortal,  kWinDiary,
            kWinSpell,   kWinSpellFailed, kWinGameWon, kWinVault,    kWinVictory, kWinDefeat,
            kWinRetreat, kWinNewWeek,     kWinDismiss, kGlyphUp,     kGlyphDown,  kGlyphDismiss};
}

}  // namespace assets
