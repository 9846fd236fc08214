// vestran-tool path: the presses the map would walk to a cell, by the game's own
// way-finding.
#include <cstdio>
#include <string>
#include <vector>

#include "core/adventure/PathFind.h"
#include "core/data/GameState.h"
#include "tools/vestran-tool/Command.h"
#include "tools/vestran-tool/Options.h"

namespace {

const char* kHelp =
    "Usage: vestran-tool path FILE X Y\n"
    "The shortest chain of key presses that takes the hero of the saved game FILE\n"
    "to the cell (X, Y) of his continent, as a click on the map walks it: one\n"
    "\"X Y\" line per press, the cell it aims at. Only explored cells are crossed;\n"
    "ships on the way are boarded and left. A town, bandits or a portal at (X, Y)\n"
    "end the chain with the press that meets them. Toward an unexplored cell the\n"
    "chain ends on the explored cell nearest it that the hero can stand on. Prints\n"
    "\"нет пути\" and exits with status 2 when the hero cannot get there, nor nearer.\n";

int run(const std::vector<std::string>& args) {
    std::vector<std::string> plain;
    CommandArgs cli("path", kHelp);
    cli.words(plain);
    if (auto end = cli.parse(args)) return *end;
    if (plain.size() != 3) return toolError("path: needs FILE X Y");
    const auto x = parseNumber(plain[1], 1000), y = parseNumber(plain[2], 1000);
    if (!x || !y)
        return toolError("path: X and Y are cell numbers, not '" + plain[1] + "' '" + plain[2] +
                         "'");
    auto gs = loadSaveForTool(plain[0], SaveUse::Play);
    if (!gs) return 1;
    const MapPath path = findPathToward(*gs, static_cast<int>(*x), static_cast<int>(*y));
    if (!path.found) {
        std::puts("нет пути");
        return 2;
    }
    for (const PathStep& s : path.presses) std::printf("%d %d\n", s.x, s.y);
    return 0;
}

const ToolCommandRegistrar reg({"path", "the presses that walk the hero to a cell", run});

}  // namespace
