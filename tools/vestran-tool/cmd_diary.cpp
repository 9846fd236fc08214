// vestran-tool diary: the diary of Nazg of a saved game, as its window shows it.
#include <cstdio>
#include <string>
#include <vector>

#include "core/adventure/Quest.h"
#include "core/data/GameState.h"
#include "tools/vestran-tool/Command.h"
#include "tools/vestran-tool/Options.h"

namespace {

const char* kHelp =
    "Usage: vestran-tool diary FILE [--all]\n"
    "Prints the diary of the saved game FILE exactly as the diary window shows it:\n"
    "letters not yet deciphered in a Knowledge Vault appear as \"?\" and the lines\n"
    "end in CR LF. With --all, the whole text, nothing hidden.\n";

int run(const std::vector<std::string>& args) {
    std::string file;
    bool all = false;
    CommandArgs cli("diary", kHelp);
    cli.flag("--all", all);
    cli.file(file, "more than one file given", "no save file given");
    if (auto end = cli.parse(args)) return *end;
    auto gs = loadSaveForTool(file, SaveUse::Show);
    if (!gs) return 1;
    const std::string text = all ? gs->diaryText.str() : maskedDiary(*gs);
    std::fwrite(text.data(), 1, text.size(), stdout);
    if (text.size() < 2 || text.compare(text.size() - 2, 2, "\r\n") != 0) std::fputs("\n", stdout);
    return 0;
}

const ToolCommandRegistrar reg({"diary", "the diary of a saved game, masked as in the game", run});

}  // namespace
