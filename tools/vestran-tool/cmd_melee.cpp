// vestran-tool melee / shot: trial exchanges between two stacks, as the battle
// computes them.
#include <cstdio>
#include <string>
#include <vector>

#include "core/battle/BattleEngine.h"
#include "platform/Random.h"
#include "tools/vestran-tool/Command.h"
#include "tools/vestran-tool/StackArgs.h"

namespace {

int trials(const char* name, const std::vector<std::string>& args, bool shot) {
    std::vector<StackArg> stacks;
    long long count = 1;
    std::optional<long long> seed;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            std::printf(
                "Usage: vestran-tool %s KIND:COUNT KIND:COUNT [--trials N] [--seed S]\n"
                "%s\n"
                "KIND is the creature table's number (0..19, see 'vestran-tool templates');\n"
                "each stack is a copy of that kind with COUNT creatures at full hits.\n"
                "Prints one line per trial:\n"
                "  attackersKilled attackerTopHits defendersKilled defenderTopHits\n"
                "%s"
                "--trials N  number of trials (default 1, at most 1000000)\n"
                "--seed S    a fixed seed, for repeatable results\n",
                name,
                shot ? "The first stack shoots at the second."
                     : "The first stack attacks the second, which strikes back at once.",
                shot
                    ? "(a shot is never returned: the attacker's two numbers stay 0 and its hits)\n"
                    : "");
            return 0;
        }
        if (a == "--trials") {
            auto v = optionValue(args, i);
            auto n = v ? parseNumber(*v, 1000000) : std::nullopt;
            if (!n || *n < 1) return toolError(std::string(name) + ": --trials needs 1..1000000");
            count = *n;
        } else if (a == "--seed") {
            auto v = optionValue(args, i);
            seed = v ? parseNumber(*v, 1000000000000000000LL) : std::nullopt;
            if (!seed) return toolError(std::string(name) + ": --seed needs a whole number");
        } else if (!a.empty() && a[0] == '-') {
            return toolError(std::string(name) + ": unknown option '" + a + "'");
        } else {
            std::string error;
            auto s = parseStack(a, error);
            if (!s) return toolError(std::string(name) + ": " + error);
            stacks.push_back(*s);
        }
    }
    if (stacks.size() != 2)
        return toolError(std::string(name) + ": give two stacks, KIND:COUNT KIND:COUNT");
    Random rnd;
    if (seed) rnd.setState(static_cast<uint64_t>(*seed));
    const Troop a = makeStack(stacks[0].kind, static_cast<int16_t>(stacks[0].count));
    const Troop b = makeStack(stacks[1].kind, static_cast<int16_t>(stacks[1].count));
    for (long long t = 0; t < count; ++t) {
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
