// vestran-tool play: the play bot on a saved game (or a new one), checking the
// game after every step and every battle action.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/data/GameState.h"
#include "core/data/SaveImage.h"
#include "core/flow/NewGame.h"
#include "platform/Random.h"
#include "platform/headless/HeadlessPlatform.h"
#include "tools/bot/Bot.h"
#include "tools/vestran-tool/Command.h"
#include "tools/vestran-tool/SaveArgs.h"
#include "tools/vestran-tool/StackArgs.h"

namespace {

const char* kHelp =
    "Usage: vestran-tool play FILE --steps N [--seed S] [--out FILE] [--trials T] [--go-on] "
    "[--trace]\n"
    "       vestran-tool play --new --steps N [--seed S] [--out FILE] ...\n"
    "A bot plays the saved game FILE (or, with --new, a new game) with the game's own\n"
    "rules and no window: it walks towards unexplored land, treasures and towns, hires\n"
    "within gold and Authority, buys ships, takes portals, fights the bandits and storms\n"
    "the vaults it wins in trial battles, retreats from hopeless battles, and reads the\n"
    "spell on the grave once the deciphered letters name the place.\n"
    "After every step and every battle action it checks that the game is still whole\n"
    "(the hero's cell, counts, relations, flags, the armies' last steps, the battle\n"
    "field, the save check) and stops at the first fault with exit status 1.\n"
    "  --steps N    keys the bot presses on the map (at most 100000000)\n"
    "  --seed S     the game's random sequence and the bot's choices; without it, the clock\n"
    "  --out FILE   write the game as it ends (also after a fault) as a save file\n"
    "  --trials T   trial battles before each fight (1..100, default 6)\n"
    "  --go-on      keep playing after the game is won\n"
    "  --trace      one line per decision and event on stderr\n"
    "Prints a summary: steps, battles won and lost, retreats, letters, whether the game\n"
    "was won, steps and battles per second.\n";

int run(const std::vector<std::string>& args) {
    std::string file, out;
    bool fresh = false;
    std::optional<uint64_t> steps, seed, trials;
    bool goOn = false;
    bool trace = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            std::fputs(kHelp, stdout);
            return 0;
        }
        if (a == "--new") {
            fresh = true;
            continue;
        }
        if (a == "--go-on") {
            goOn = true;
            continue;
        }
        if (a == "--trace") {
            trace = true;
            continue;
        }
        if (a == "--steps" || a == "--seed" || a == "--out" || a == "--trials") {
            if (i + 1 >= args.size()) return toolError("play: " + a + " needs a value");
            const std::string& v = args[++i];
            if (a == "--out") {
                out = v;
            } else if (a == "--steps") {
                steps = parseNumber(v, 100000000);
                if (!steps) return toolError("play: --steps wants 0..100000000, not '" + v + "'");
            } else if (a == "--seed") {
                seed = parseNumber(v, UINT64_MAX);
                if (!seed) return toolError("play: --seed wants a whole number, not '" + v + "'");
            } else {
                trials = parseNumber(v, 100);
                if (!trials || *trials == 0)
                    return toolError("play: --trials wants 1..100, not '" + v + "'");
            }
            continue;
        }
        if (!a.empty() && a[0] == '-') return toolError("play: unknown option '" + a + "'");
        if (!file.empty()) return toolError("play: more than one FILE");
        file = a;
    }
    if (fresh == !file.empty()) return toolError("play: give either FILE or --new");
    if (!steps) return toolError("play: --steps N is missing");

    const uint64_t s =
        seed ? *seed
             : static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    Random& rnd = Random::process();
    rnd.useSeedSequence(s);

    std::unique_ptr<GameState> gs;
    if (fresh) {
        gs = std::make_unique<GameState>();
        HeadlessPlatform platform;
        platform.echo = true;
        NewGame(*gs, rnd, platform);
    } else {
        gs = loadSaveForTool(file, SaveUse::Play);
        if (!gs) return 1;
    }

    bot::Options o;
    o.steps = static_cast<long>(*steps);
    o.seed = s;
    if (trials) o.trials = static_cast<int>(*trials);
    o.stopWhenWon = !goOn;
    if (trace) o.trace = stderr;
    const bot::Stats st = bot::play(*gs, rnd, o);

    std::printf("seed: %llu\n%s", static_cast<unsigned long long>(s),
                bot::summary(st, *gs).c_str());
    if (!out.empty()) {
        const SaveResult r = writeSaveFile(out, *gs);
        if (!r.ok) return toolError(r.error);
    }
    std::fflush(stdout);
    if (!st.failure.empty()) return toolError("invariant broken: " + st.failure);
    return 0;
}

const ToolCommandRegistrar reg({"play", "a bot plays the game headless and checks it at every step",
                                run});

}  // namespace
