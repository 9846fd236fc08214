// vestran-tool info: a readable (or JSON) summary of a saved game.
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "core/data/GameState.h"
#include "core/data/ShortString.h"
#include "core/towns/Relations.h"
#include "tools/vestran-tool/Command.h"
#include "tools/vestran-tool/Options.h"

namespace {

const char* kHelp =
    "Usage: vestran-tool info [--json] [--spoilers] FILE\n"
    "Prints a summary of the saved game FILE: its name, the hero's place and calendar,\n"
    "gold, Authority, army, relations, deciphered letters, spell tries and the sound\n"
    "options. Where the grave lies is the game's secret: it is shown only with\n"
    "--spoilers. With --json, one JSON object with the same facts, the grave included.\n";

// Numbers of the block as they are stored; a save from a damaged disk still prints.
std::string continentLabel(const GameState& gs, int c) {
    if (c < 1 || c > kContinents) return "?";
    return gs.continentName(c).str();
}

void printText(const GameState& gs, bool spoilers) {
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
    // Padded by letters, not bytes, as the names are Cyrillic; "Некроманты" has ten.
    for (int r = 1; r <= kRaces; ++r)
        std::printf("  %s %d (%s)\n", padLetters(gs.raceName(r).str(), 10).c_str(), gs.relation(r),
                    relationWord(gs.relation(r)).c_str());
    std::printf("Дешифрованные буквы:");
    int known = 0;
    for (int k = 1; k <= kLetters; ++k)
        if (gs.letter(k)) {
            std::printf(" %d", k);
            ++known;
        }
    std::printf(known ? " (%d из 30)\n" : " нет\n", known);
    if (spoilers)
        std::printf("Могила: континент %d (%s), X=%u Y=%u\n", gs.graveContinent,
                    continentLabel(gs, gs.graveContinent).c_str(), gs.graveX, gs.graveY);
    else
        std::printf("Могила: скрыта (покажет --spoilers)\n");
    std::printf("Попыток заклятья: %d\n", gs.spellTries);
    std::printf("Музыка: %s, звуки: %s\n", gs.musicOn ? "вкл" : "выкл",
                gs.soundOn ? "вкл" : "выкл");
}

void printJson(const GameState& gs) {
    nlohmann::ordered_json j;
    j["saveName"] = gs.saveName.str();
    j["heroX"] = gs.heroX;
    j["heroY"] = gs.heroY;
    j["continent"] = gs.continent;
    j["onShip"] = gs.onShip;
    j["steps"] = gs.steps;
    j["day"] = gs.day();
    j["week"] = gs.week();
    j["gold"] = gs.gold;
    j["authority"] = gs.authority;
    j["spellTries"] = gs.spellTries;
    j["musicOn"] = gs.musicOn;
    j["soundOn"] = gs.soundOn;
    j["relations"] = nlohmann::ordered_json::array();
    for (int r = 1; r <= kRaces; ++r) j["relations"].push_back(gs.relation(r));
    j["lettersKnown"] = nlohmann::ordered_json::array();
    for (int k = 1; k <= kLetters; ++k) j["lettersKnown"].push_back(gs.letter(k));
    j["grave"] = {{"continent", gs.graveContinent}, {"x", gs.graveX}, {"y", gs.graveY}};
    j["army"] = nlohmann::ordered_json::array();
    for (int s = 1; s <= kArmySlots; ++s) {
        const Troop& t = gs.slot(s);
        j["army"].push_back({{"slot", s}, {"name", t.name.str()}, {"count", t.count}});
    }
    // A name read from a damaged file is shown with its broken bytes replaced.
    std::printf("%s\n", j.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace).c_str());
}

int run(const std::vector<std::string>& args) {
    bool json = false, spoilers = false;
    std::string file;
    CommandArgs cli("info", kHelp);
    cli.flag("--json", json);
    cli.flag("--spoilers", spoilers);
    cli.file(file, "only one FILE may be given",
             "FILE is missing (see 'vestran-tool info --help')");
    if (auto end = cli.parse(args)) return *end;
    auto gs = loadSaveForTool(file, SaveUse::Show);
    if (!gs) return 1;
    json ? printJson(*gs) : printText(*gs, spoilers);
    return 0;
}
ToolCommandRegistrar reg({"info", "summary of a saved game (--json for machines)", run});

}  // namespace
