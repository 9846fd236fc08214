// vestran-tool week: ends a week in a saved game, as the new-week window does.
#include <cstdio>
#include <string>
#include <vector>

#include "core/data/SaveImage.h"
#include "core/towns/TownRules.h"
#include "platform/Random.h"
#include "tools/vestran-tool/Command.h"
#include "tools/vestran-tool/Options.h"

namespace {

const char* kHelp =
    "Usage: vestran-tool week FILE [--seed N] [--weeks K] [--out OUT]\n"
    "Draws the events of K weeks (1 by default) in the saved game FILE exactly as the\n"
    "new-week window does, and prints each report. With --seed the draws are\n"
    "reproducible. With --out the changed game is written to OUT (never a half file);\n"
    "without it nothing is written.\n";

int run(const std::vector<std::string>& args) {
    std::string file, out;
    std::optional<uint64_t> seed, weeks;
    CommandArgs cli("week", kHelp);
    cli.number("--seed", seed, 0, UINT64_MAX, "--seed needs a number", "--seed needs a number");
    cli.number("--weeks", weeks, 1, 100000, "--weeks needs a number 1..100000",
               "--weeks needs a number 1..100000");
    cli.option("--out", out, "--out needs a file name");
    cli.file(file, "only one FILE may be given",
             "FILE is missing (see 'vestran-tool week --help')");
    if (auto end = cli.parse(args)) return *end;
    auto gs = loadSaveForTool(file, SaveUse::Play);
    if (!gs) return 1;

    Random& rnd = Random::process();
    if (seed) rnd.useSeedSequence(*seed);
    const uint64_t count = weeks.value_or(1);
    for (uint64_t w = 0; w < count; ++w) {
        rnd.reseedFromClock();
        std::string text = newWeekEvent(*gs, rnd);
        std::string shown;
        for (char ch : text)
            if (ch != '\r') shown += ch;
        std::printf("%s\n", shown.c_str());
        if (w + 1 < count) std::printf("\n");
    }
    if (!out.empty()) {
        const SaveResult r = writeSaveFile(out, *gs);
        if (!r.ok) return toolError(r.error);
    }
    return 0;
}

ToolCommandRegistrar reg({"week", "draw a week's events in a saved game", run});

}  // namespace
