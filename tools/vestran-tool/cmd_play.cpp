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
#include "tools/vestran-tool/Options.h"

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
    bool fresh = false, goOn = false, trace = false;
    std::optional<uint64_t> steps, seed, trials;
    CommandArgs cli("play", kHelp);
    cli.flag("--new", fresh);
    cli.flag("--go-on", goOn);
    cli.flag("--trace", trace);
    cli.number("--steps", steps, 0, 100000000, "--steps wants 0..100000000, not '{}'");
    cli.number("--seed", seed, 0, UINT64_MAX, "--seed wants a whole number, not '{}'");
    cli.option("--out", out);
    cli.number("--trials", trials, 1, 100, "--trials wants 1..100, not '{}'");
    cli.file(file, "more than one FILE");
    if (auto end = cli.parse(args)) return *end;
    if (fresh == !file.empty()) return cli.error("give either FILE or --new");
    if (!steps) return cli.error("--steps N is missing");

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
