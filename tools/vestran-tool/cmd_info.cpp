// vestran-tool info: a readable (or JSON) summary of a saved game.
#include <cstdio>
#include <string>
#include <vector>

#include "core/data/GameState.h"
#include "core/towns/Relations.h"
#include "tools/vestran-tool/Command.h"
#include "tools/vestran-tool/SaveArgs.h"

namespace {

const char* kHelp =
    "Usage: vestran-tool info [--json] FILE\n"
    "Prints a summary of the saved game FILE: its name, the hero's place and calendar,\n"
    "gold, Authority, army, relations, deciphered letters, the grave, spell tries and\n"
    "the sound options. With --json, one JSON object with the same facts.\n";

// Numbers of the block as they are stored; a save from a damaged disk still prints.
std::string continentLabel(const GameState& gs, int c) {
    if (c < 1 || c > kContinents) return "?";
    return gs.continentName(c).str();
}

void printText(const GameState& gs) {
    std::printf("Имя сохранения: %s\n", gs.saveName.str().c_str());
    std::printf("Континент: %d (%s), герой X=%u Y=%u%s\n", gs.continent,
                continentLabel(gs, gs.continent).c_str(), gs.heroX, gs.heroY,
                gs.onShip ? ", на корабле" : "");
    std::printf("Ходов: %u (неделя %u, день %u)\n", gs.steps, gs.week(), gs.day());
    std::printf("Золото: %u\nАвторитет: %u\n", gs.gold, gs.authority);
    std::printf("Армия:\n");
    for (int s = 1; s <= kArmySlots; ++s) {
        const Troop& t = gs.slot(s);
        if (t.count == 0)
            std::printf("  %d. —\n", s);
        else
            std::printf("  %d. %s × %d\n", s, t.name.str().c_str(), t.count);
    }
    std::printf("Отношения:\n");
    for (int r = 1; r <= kRaces; ++r)
        std::printf("  %-12s %d (%s)\n", gs.raceName(r).str().c_str(), gs.relation(r),
                    relationWord(gs.relation(r)).c_str());
    std::printf("Дешифрованные буквы:");
    int known = 0;
    for (int k = 1; k <= kLetters; ++k)
        if (gs.letter(k)) {
            std::printf(" %d", k);
            ++known;
        }
    std::printf(known ? " (%d из 30)\n" : " нет\n", known);
    std::printf("Могила: континент %d (%s), X=%u Y=%u\n", gs.graveContinent,
                continentLabel(gs, gs.graveContinent).c_str(), gs.graveX, gs.graveY);
    std::printf("Попыток заклятья: %d\n", gs.spellTries);
    std::printf("Музыка: %s, звуки: %s\n", gs.musicOn ? "вкл" : "выкл",
                gs.soundOn ? "вкл" : "выкл");
}

void printJson(const GameState& gs) {
    std::string j = "{";
    auto num = [&](const char* key, long long v) {
        j += "\"" + std::string(key) + "\":" + std::to_string(v) + ",";
    };
    j += "\"saveName\":" + jsonString(gs.saveName.str()) + ",";
    num("heroX", gs.heroX);
    num("heroY", gs.heroY);
    num("continent", gs.continent);
    num("onShip", gs.onShip);
    num("steps", gs.steps);
    num("day", gs.day());
    num("week", gs.week());
    num("gold", gs.gold);
    num("authority", gs.authority);
    num("spellTries", gs.spellTries);
    num("musicOn", gs.musicOn);
    num("soundOn", gs.soundOn);
    j += "\"relations\":[";
    for (int r = 1; r <= kRaces; ++r) j += std::to_string(gs.relation(r)) + (r < kRaces ? "," : "");
    j += "],\"lettersKnown\":[";
    for (int k = 1; k <= kLetters; ++k)
        j += std::to_string(gs.letter(k)) + (k < kLetters ? "," : "");
    j += "],\"grave\":{\"continent\":" + std::to_string(gs.graveContinent) +
         ",\"x\":" + std::to_string(gs.graveX) + ",\"y\":" + std::to_string(gs.graveY) + "},";
    j += "\"army\":[";
    for (int s = 1; s <= kArmySlots; ++s) {
        const Troop& t = gs.slot(s);
        j += "{\"slot\":" + std::to_string(s) + ",\"name\":" + jsonString(t.name.str()) +
             ",\"count\":" + std::to_string(t.count) + "}" + (s < kArmySlots ? "," : "");
    }
    j += "]}";
    std::printf("%s\n", j.c_str());
}

int run(const std::vector<std::string>& args) {
    bool json = false;
    std::string file;
    for (const auto& a : args) {
        if (a == "--help" || a == "-h") {
            std::fputs(kHelp, stdout);
            return 0;
        }
        if (a == "--json")
            json = true;
        else if (!a.empty() && a[0] == '-')
            return toolError("info: unknown option '" + a + "'");
        else if (file.empty())
            file = a;
        else
            return toolError("info: only one FILE may be given");
    }
    if (file.empty()) return toolError("info: FILE is missing (see 'vestran-tool info --help')");
    auto gs = loadSaveForTool(file, SaveUse::Show);
    if (!gs) return 1;
    json ? printJson(*gs) : printText(*gs);
    return 0;
}

ToolCommandRegistrar reg({"info", "summary of a saved game (--json for machines)", run});

}  // namespace
