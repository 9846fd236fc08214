// vestran-tool new-game: a fresh game written as a save file, set up exactly as the
// start window's "НОВАЯ ИГРА" sets it up.
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
#include "tools/vestran-tool/Command.h"
#include "tools/vestran-tool/Options.h"

namespace {

const char* kHelp =
    "Usage: vestran-tool new-game [--seed N] [--name TEXT] --out FILE\n"
    "Sets up a new game as the game does and writes it to FILE as a save image\n"
    "(loadable from the game's load window when FILE is one of its Save/<n>.psv).\n"
    "  --seed N     every reseed of the random generator draws from a sequence derived\n"
    "               from N, so the same N gives the same game; without it, the clock\n"
    "  --name TEXT  the save name the load window shows (at most 255 characters)\n"
    "FILE is written whole or not at all.\n";

int run(const std::vector<std::string>& args) {
    std::optional<uint64_t> seed;
    std::optional<std::string> name;
    std::string out;
    CommandArgs cli("new-game", kHelp, "unexpected argument");
    cli.number("--seed", seed, 0, UINT64_MAX, "--seed wants a whole number, not '{}'");
    cli.option("--name", [&name](const std::string& v) { name = v; });
    cli.option("--out", out);
    if (auto end = cli.parse(args)) return *end;
    if (out.empty()) return cli.error("--out FILE is missing");

    auto gs = std::make_unique<GameState>();
    std::memset(static_cast<void*>(gs.get()), 0, sizeof(GameState));
    Random& rnd = Random::process();
    if (seed) rnd.useSeedSequence(*seed);
    HeadlessPlatform platform;
    platform.echo = true;
    NewGame(*gs, rnd, platform);
    if (name) gs->saveName.set(*name);

    const SaveResult r = writeSaveFile(out, *gs);
    if (!r.ok) return toolError(r.error);
    std::printf("%s\n", out.c_str());
    return 0;
}

const ToolCommandRegistrar reg({"new-game", "set up a new game and write it as a save file", run});

}  // namespace
