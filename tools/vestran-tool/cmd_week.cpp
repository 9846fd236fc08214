// vestran-tool week: ends a week in a saved game, as the new-week window does.
#include <cstdio>
#include <string>
#include <vector>

#include "core/data/SaveImage.h"
#include "core/towns/TownRules.h"
#include "platform/Random.h"
#include "tools/vestran-tool/Command.h"
#include "tools/vestran-tool/SaveArgs.h"
#include "tools/vestran-tool/StackArgs.h"

namespace {

const char* kHelp =
    "Usage: vestran-tool week FILE [--seed N] [--weeks K] [--out OUT]\n"
    "Draws the events of K weeks (1 by default) in the saved game FILE exactly as the\n"
    "new-week window does, and prints each report. With --seed the draws are\n"
    "reproducible. With --out the changed game is written to OUT (never a half file);\n"
    "without it nothing is written.\n";

int run(const std::vector<std::string>& args) {
    std::string file, out;
    unsigned long long seed = 0, weeks = 1;
    bool seeded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            std::fputs(kHelp, stdout);
            return 0;
        }
        const bool hasValue = i + 1 < args.size();
        if (a == "--seed") {
            const auto n = hasValue ? parseNumber(args[++i]) : std::nullopt;
            if (!n) return toolError("week: --seed needs a number");
            seed = *n;
            seeded = true;
        } else if (a == "--weeks") {
            const auto n = hasValue ? parseNumber(args[++i], 100000) : std::nullopt;
            if (!n || *n < 1) return toolError("week: --weeks needs a number 1..100000");
            weeks = *n;
        } else if (a == "--out") {
            if (!hasValue) return toolError("week: --out needs a file name");
            out = args[++i];
        } else if (!a.empty() && a[0] == '-') {
            return toolError("week: unknown option '" + a + "'");
        } else if (file.empty()) {
            file = a;
        } else {
            return toolError("week: only one FILE may be given");
        }
    }
    if (file.empty()) return toolError("week: FILE is missing (see 'vestran-tool week --help')");
    auto gs = loadSaveForTool(file, SaveUse::Play);
    if (!gs) return 1;

    Random& rnd = Random::process();
    if (seeded) rnd.useSeedSequence(seed);
    for (unsigned long long w = 0; w < weeks; ++w) {
        rnd.reseedFromClock();
        std::string text = newWeekEvent(*gs, rnd);
        std::string shown;
        for (char ch : text)
            if (ch != '\r') shown += ch;
        std::printf("%s\n", shown.c_str());
        if (w + 1 < weeks) std::printf("\n");
    }
    if (!out.empty()) {
        const SaveResult r = writeSaveFile(out, *gs);
        if (!r.ok) return toolError(r.error);
    }
    return 0;
}

ToolCommandRegistrar reg({"week", "draw a week's events in a saved game", run});

}  // namespace
