// vestran-tool melee / shot: trial exchanges between two stacks, as the battle
// computes them.
#include <cstdio>
#include <string>
#include <vector>

#include "core/battle/BattleEngine.h"
#include "platform/Random.h"
#include "tools/vestran-tool/Command.h"
#include "tools/vestran-tool/Options.h"

namespace {

std::string help(const char* name, bool shot) {
    return std::string("Usage: vestran-tool ") + name +
           " KIND:COUNT KIND:COUNT [--trials N] [--seed S]\n" +
           (shot ? "The first stack shoots at the second.\n"
                 : "The first stack attacks the second, which strikes back at once.\n") +
           "KIND is the creature table's number (0..19, see 'vestran-tool templates');\n"
           "each stack is a copy of that kind with COUNT creatures at full hits.\n"
           "Prints one line per trial:\n"
           "  attackersKilled attackerTopHits defendersKilled defenderTopHits\n" +
           (shot ? "(a shot is never returned: the attacker's two numbers stay 0 and its hits)\n"
                 : "") +
           "--trials N  number of trials (default 1, at most 1000000)\n"
           "--seed S    a fixed seed, for repeatable results\n";
}

int trials(const char* name, const std::vector<std::string>& args, bool shot) {
    std::vector<std::string> words;
    std::optional<uint64_t> count, seed;
    CommandArgs cli(name, help(name, shot));
    cli.number("--trials", count, 1, 1000000, "--trials needs 1..1000000",
               "--trials needs 1..1000000");
    cli.number("--seed", seed, 0, 1000000000000000000ULL, "--seed needs a whole number",
               "--seed needs a whole number");
    cli.words(words);
    if (auto end = cli.parse(args)) return *end;
    std::vector<StackArg> stacks;
    for (const std::string& w : words) {
        std::string error;
        auto s = parseStack(w, error);
        if (!s) return cli.error(error);
        stacks.push_back(*s);
    }
    if (stacks.size() != 2) return cli.error("give two stacks, KIND:COUNT KIND:COUNT");
    Random rnd;
    if (seed) rnd.setState(static_cast<uint64_t>(*seed));
    const Troop a = makeStack(stacks[0].kind, static_cast<int16_t>(stacks[0].count));
    const Troop b = makeStack(stacks[1].kind, static_cast<int16_t>(stacks[1].count));
    for (uint64_t t = 0; t < count.value_or(1); ++t) {
        battle::FightResult r =
            shot ? battle::ShotResult(a, b, rnd) : battle::MeleeResult(a, b, rnd);
        std::printf("%u %u %u %u\n", r.attackersKilled, r.attackerTopHits, r.defendersKilled,
                    r.defenderTopHits);
    }
    return 0;
}

int melee(const std::vector<std::string>& args) {
    return trials("melee", args, false);
}

const ToolCommandRegistrar reg({"melee", "trial melee exchanges between two stacks", melee});

}  // namespace

// The shot command shares the trials above; it lives in cmd_shot.cpp.
int runShotTrials(const std::vector<std::string>& args) {
    return trials("shot", args, true);
}
