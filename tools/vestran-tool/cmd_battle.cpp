// vestran-tool battle: whole battles fought by the computer on both sides.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "core/battle/AutoBattle.h"
#include "core/data/GameState.h"
#include "core/data/Session.h"
#include "platform/Random.h"
#include "tools/vestran-tool/Command.h"
#include "tools/vestran-tool/Options.h"

namespace {

const char* kHelp =
    "Usage: vestran-tool battle --hero K:C,K:C,... --enemy K:C,... [--vault] [--seed S]\n"
    "                           [--runs N] [--quiet]\n"
    "Fights whole battles without a window. Both sides are played by the computer's\n"
    "battle logic (the hero's side by the same decisions with the roles swapped).\n"
    "K is the creature table's number (0..19), C the head count; up to 5 stacks a side,\n"
    "in slot order. A battle still running after 200 rounds is a draw.\n"
    "--vault    fight on a vault's field (walls in front of the defenders)\n"
    "--seed S   repeatable battles (each run draws its field from the seed's sequence)\n"
    "--runs N   number of battles (default 1, at most 1000000)\n"
    "--quiet    print only the summary\n"
    "Prints per run: 'run N: winner W, rounds R, hero K:C,..., enemy K:C,...' with the\n"
    "head counts left in each slot, then a summary line.\n";

const char* winnerWord(battle::Winner w) {
    switch (w) {
        case battle::Winner::Hero:
            return "hero";
        case battle::Winner::Enemy:
            return "enemy";
        default:
            return "draw";
    }
}

int run(const std::vector<std::string>& args) {
    std::optional<std::vector<StackArg>> hero, enemy;
    bool vault = false, quiet = false;
    std::optional<uint64_t> runsGiven, seed;
    CommandArgs cli("battle", kHelp, "unexpected argument");
    for (const char* side : {"--hero", "--enemy"}) {
        auto& list = std::string(side) == "--hero" ? hero : enemy;
        cli.option(
            side,
            [&cli, &list, side](const std::string& v) {
                std::string error;
                list = parseStackList(v, error);
                if (!list) cli.fail(std::string(side) + ": " + error);
            },
            std::string(side) + " needs a list of stacks");
    }
    cli.flag("--vault", vault);
    cli.flag("--quiet", quiet);
    cli.number("--runs", runsGiven, 1, 1000000, "--runs needs 1..1000000",
               "--runs needs 1..1000000");
    cli.number("--seed", seed, 0, 1000000000000000000ULL, "--seed needs a whole number",
               "--seed needs a whole number");
    if (auto end = cli.parse(args)) return *end;
    if (!hero || !enemy) return cli.error("give both --hero and --enemy");
    const long long runs = static_cast<long long>(runsGiven.value_or(1));

    auto gs = std::make_unique<GameState>();
    std::memset(static_cast<void*>(gs.get()), 0, sizeof(GameState));
    Random rnd;
    if (seed) rnd.useSeedSequence(static_cast<uint64_t>(*seed));
    battle::RecordingView view;
    view.keepLog = false;
    Session session;

    long long wins[3] = {0, 0, 0};  // hero, enemy, draw
    long long roundSum = 0;
    int minRounds = 0, maxRounds = 0;
    for (long long n = 1; n <= runs; ++n) {
        session.sides = BattleSides{};
        session.reward = BattleReward{};
        session.reward.vaultTown = vault ? 1 : 0;
        for (size_t k = 0; k < hero->size(); ++k)
            session.sides.heroStacks[k] =
                makeStack((*hero)[k].kind, static_cast<int16_t>((*hero)[k].count));
        for (size_t k = 0; k < enemy->size(); ++k)
            session.sides.enemyStacks[k] =
                makeStack((*enemy)[k].kind, static_cast<int16_t>((*enemy)[k].count));
        battle::AutoBattleResult r = battle::PlayAutoBattle(*gs, session, rnd, view);
        if (r.winner == battle::Winner::Draw) r.rounds = std::min(r.rounds, 200);
        ++wins[static_cast<int>(r.winner)];
        roundSum += r.rounds;
        if (n == 1 || r.rounds < minRounds) minRounds = r.rounds;
        if (r.rounds > maxRounds) maxRounds = r.rounds;
        if (!quiet)
            std::printf("run %lld: winner %s, rounds %d, hero %s, enemy %s\n", n,
                        winnerWord(r.winner), r.rounds,
                        stackListText(*hero, session.sides.heroStacks).c_str(),
                        stackListText(*enemy, session.sides.enemyStacks).c_str());
    }
    auto pct = [runs](long long v) {
        return 100.0 * static_cast<double>(v) / static_cast<double>(runs);
    };
    std::printf(
        "summary: runs %lld, hero %lld (%.1f%%), enemy %lld (%.1f%%), draw %lld (%.1f%%), "
        "rounds mean %.2f min %d max %d\n",
        runs, wins[0], pct(wins[0]), wins[1], pct(wins[1]), wins[2], pct(wins[2]),
        static_cast<double>(roundSum) / static_cast<double>(runs), minRounds, maxRounds);
    return 0;
}

const ToolCommandRegistrar reg({"battle", "whole battles played by the computer on both sides",
                                run});

}  // namespace
