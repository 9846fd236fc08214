// vestran-tool diary: the diary of Nazg of a saved game, as its window shows it.
#include <cstdio>
#include <string>
#include <vector>

#include "core/adventure/Quest.h"
#include "core/data/GameState.h"
#include "tools/vestran-tool/Command.h"
#include "tools/vestran-tool/SaveArgs.h"

namespace {

const char* kHelp =
    "Usage: vestran-tool diary FILE [--all]\n"
    "Prints the diary of the saved game FILE exactly as the diary window shows it:\n"
    "letters not yet deciphered in a Knowledge Vault appear as \"?\" and the lines\n"
    "end in CR LF. With --all, the whole text, nothing hidden.\n";

int run(const std::vector<std::string>& args) {
    std::string file;
    bool all = false;
    for (const auto& a : args) {
        if (a == "--help" || a == "-h") {
            std::fputs(kHelp, stdout);
            return 0;
        }
        if (a == "--all")
            all = true;
        else if (!a.empty() && a[0] == '-')
            return toolError("diary: unknown option '" + a + "'");
        else if (file.empty())
            file = a;
        else
            return toolError("diary: more than one file given");
    }
    if (file.empty()) return toolError("diary: no save file given");
    auto gs = loadSaveForTool(file, SaveUse::Show);
    if (!gs) return 1;
    const std::string text = all ? gs->diaryText.str() : maskedDiary(*gs);
    std::fwrite(text.data(), 1, text.size(), stdout);
    if (text.size() < 2 || text.compare(text.size() - 2, 2, "\r\n") != 0) std::fputs("\n", stdout);
    return 0;
}

const ToolCommandRegistrar reg({"diary", "the diary of a saved game, masked as in the game", run});

}  // namespace
