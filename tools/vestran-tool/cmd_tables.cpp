// vestran-tool templates / towns: the built-in creature table and the thirty towns.
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "core/data/GameState.h"
#include "tools/vestran-tool/Command.h"
#include "tools/vestran-tool/Options.h"

namespace {

int templates(const std::vector<std::string>& args) {
    CommandArgs cli("templates",
                    "Usage: vestran-tool templates\n"
                    "Prints the twenty creature kinds with their numbers, values and files.\n",
                    "unexpected argument");
    if (auto end = cli.parse(args)) return *end;
    // Column heads padded by letters, as the rows are.
    const char* heads[] = {"Атк",  "Защ",   "Лет",  "Хиты", "Удач", "Мор",  "Реак",
                           "Скор", "Выстр", "Сила", "Снар", "Цена", "Лидер"};
    const int widths[] = {4, 4, 3, 5, 4, 4, 4, 4, 5, 5, 4, 5, 5};
    std::string head = "#   " + padLetters("Имя", 14);
    for (int i = 0; i < 13; ++i) head += " " + padLetters(heads[i], widths[i], true);
    std::printf("%s  Файлы\n", head.c_str());
    for (int k = 0; k < kCreatureKinds; ++k) {
        const Troop& t = CreatureTable[k];
        std::string name = padLetters(t.name.str(), 14);
        std::printf("%-3d %s %4d %4d %3d %5d %4d %4d %4d %4d %5d %5d %4d %5d %5d  %s %s\n", k,
                    name.c_str(), t.attack, t.defence, t.flies, t.hitsMax, t.luck, t.morale,
                    t.reaction, t.speed, t.shots, t.shotPower, t.missileKind, t.price, t.leadership,
                    t.picFile.str().c_str(), t.wavFile.str().c_str());
    }
    return 0;
}

std::string raceList(const GameState& gs, const uint8_t* flags) {
    std::string s;
    for (int r = 1; r <= kRaces; ++r)
        if (flags[r - 1]) s += (s.empty() ? "" : ", ") + gs.raceName(r).str();
    return s.empty() ? "—" : s;
}

int towns(const std::vector<std::string>& args) {
    std::string file;
    CommandArgs cli("towns",
                    "Usage: vestran-tool towns [FILE]\n"
                    "Prints the thirty towns of the saved game FILE, or as they stand at the\n"
                    "start of a game when no FILE is given.\n");
    cli.file(file, "only one FILE may be given");
    if (auto end = cli.parse(args)) return *end;
    std::unique_ptr<GameState> gs;
    if (!file.empty()) {
        gs = loadSaveForTool(file, SaveUse::Show);
        if (!gs) return 1;
    } else {
        gs = std::make_unique<GameState>();
        std::memset(gs.get(), 0, sizeof(GameState));
        InitTowns(*gs);
        const char* races[] = {"Люди", "Гномы", "Эльфы", "Некроманты", "Орки"};
        for (int r = 1; r <= kRaces; ++r) gs->raceName(r).set(races[r - 1]);
    }
    for (int t = 1; t <= kTowns; ++t) {
        const TownRecord& town = gs->town(t);
        int race = town.race;
        std::string raceName = (race >= 1 && race <= kRaces) ? gs->raceName(race).str() : "?";
        std::printf("%2d. %s — континент %d, раса %s, рекруты: %s%s\n", t, town.name.str().c_str(),
                    (t - 1) / 10 + 1, raceName.c_str(), town.recruit.name.str().c_str(),
                    town.visited ? ", известен" : "");
        std::printf(
            "    хранилище: золото %u, авторитет %u, буква %d%s\n", town.vaultGold,
            town.vaultAuthority, town.vaultLetter,
            (town.vaultLetter >= 1 && town.vaultLetter <= kLetters && gs->letter(town.vaultLetter))
                ? " (взято)"
                : "");
        std::printf("    охрана:");
        for (int k = 1; k <= 5; ++k)
            std::printf("%s %s × %d", k > 1 ? ";" : "", town.guard(k).name.str().c_str(),
                        town.guard(k).count);
        std::printf("\n    улучшит: %s; ухудшит: %s\n", raceList(*gs, town.improves).c_str(),
                    raceList(*gs, town.worsens).c_str());
    }
    return 0;
}

ToolCommandRegistrar regT({"templates", "the twenty creature kinds", templates});
ToolCommandRegistrar regW({"towns", "the thirty towns of a save, or as they start", towns});

}  // namespace
