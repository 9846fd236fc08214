// vestran-tool town-list: the town list of a saved game, as the game's list shows it.
#include <cstdio>
#include <string>
#include <vector>

#include "core/towns/TownRules.h"
#include "tools/vestran-tool/Command.h"
#include "tools/vestran-tool/Options.h"

namespace {

const char* kHelp =
    "Usage: vestran-tool town-list [--all] FILE\n"
    "Prints the town list of the saved game FILE: per continent a line of hyphens,\n"
    "then for each town the hero knows its name, place, race, recruits and whether its\n"
    "vault has been taken, in map order (x, then y). With --all, every town is listed\n"
    "as if known.\n";

int run(const std::vector<std::string>& args) {
    std::string file;
    bool all = false;
    CommandArgs cli("town-list", kHelp);
    cli.flag("--all", all);
    cli.file(file, "only one FILE may be given",
             "FILE is missing (see 'vestran-tool town-list --help')");
    if (auto end = cli.parse(args)) return *end;
    auto gs = loadSaveForTool(file, SaveUse::Play);
    if (!gs) return 1;
    if (all)
        for (int t = 1; t <= kTowns; ++t) gs->town(t).visited = 1;
    for (const std::string& line : townListLines(*gs)) std::printf("%s\n", line.c_str());
    return 0;
}

ToolCommandRegistrar reg({"town-list", "the town list of a saved game, as the game shows it", run});

}  // namespace
