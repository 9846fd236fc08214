// vestran-tool walk: the hero's steps on a saved game, by the map's own rules.
#include <cstdio>
#include <string>
#include <vector>

#include "core/adventure/Encounters.h"
#include "core/data/GameState.h"
#include "core/data/SaveImage.h"
#include "core/data/Session.h"
#include "platform/Random.h"
#include "tools/vestran-tool/Command.h"
#include "tools/vestran-tool/Options.h"
#include "tools/vestran-tool/ToolMap.h"

namespace {

const char* kHelp =
    "Usage: vestran-tool walk FILE --keys KEYS [--out FILE2] [--seed N]\n"
    "Walks the hero of the saved game FILE, one key press per character of KEYS,\n"
    "with the adventure map's own rules (armies close in, ships are boarded and\n"
    "left, the map is uncovered, the calendar runs):\n"
    "  4 6 8 2   left, right, up, down (or L R U D)\n"
    "  7 9 1 3   up-left, up-right, down-left, down-right (the numeric keypad)\n"
    "  5 or .    stand still for a step (Space)\n"
    "Prints one line per key: the key, the hero's cell and what happened. A\n"
    "treasure is taken as its window does it (its gold, then the step its closing\n"
    "counts). The walk stops where the game would wait for the player: a town,\n"
    "bandits, a portal, the town list of an orb, a new week.\n"
    "With --out, the game as the walk left it is written to FILE2 (safely: never\n"
    "a half file). --seed N fixes the treasure amounts.\n";

// Records what a step opens instead of showing windows.
struct ToolView : SilentMap {
    std::vector<std::string> opened;
    void openBandit() override { opened.push_back("bandit"); }
    void openTown() override { opened.push_back("town"); }
    void openPortal() override { opened.push_back("portal"); }
    void openTreasure() override { opened.push_back("treasure"); }
    void openTownList() override { opened.push_back("orb"); }
    void openNewWeek() override { opened.push_back("new week"); }
};

int run(const std::vector<std::string>& args) {
    std::string file, out;
    std::optional<std::string> keys;
    std::optional<uint64_t> seed;
    CommandArgs cli("walk", kHelp);
    cli.option("--keys", [&keys](const std::string& v) { keys = v; });
    cli.option("--out", out, "--out needs a file name");
    cli.number("--seed", seed, 0, UINT64_MAX, "--seed needs a number, not '{}'",
               "--seed needs a number");
    cli.file(file, "more than one file given", "no save file given");
    if (auto end = cli.parse(args)) return *end;
    if (!keys) return cli.error("no --keys given");
    for (char c : *keys)
        if (toolMapKey(c) == MapKey::None)
            return toolError(std::string("walk: unknown key '") + c + "'");

    auto gs = loadSaveForTool(file, SaveUse::Play);
    if (!gs) return 1;
    Random& rnd = Random::process();
    if (seed) rnd.useSeedSequence(*seed);
    Session session;
    ToolView view;
    HeroMovement movement(*gs, session, view);

    for (char c : *keys) {
        view.opened.clear();
        const bool moved = movement.keyDown(toolMapKey(c));
        std::string what = moved ? "step" : "blocked";
        bool stop = false, treasure = false;
        auto report = [&](const std::vector<std::string>& opened) {
            for (const std::string& w : opened) {
                if (w == "treasure") {
                    treasure = true;
                    what += ", treasure " + std::to_string(takeTreasure(*gs, rnd)) + " gold";
                } else if (w == "town") {
                    what += ", town " + std::to_string(session.enteredTown.townNumber());
                    stop = true;
                } else if (w == "bandit") {
                    what += ", bandits " + std::to_string(session.encounterCode) + " at " +
                            std::to_string(session.reward.cellX) + "," +
                            std::to_string(session.reward.cellY);
                    stop = true;
                } else {
                    what += ", " + w;
                    stop = true;
                }
            }
        };
        report(std::vector<std::string>(view.opened));
        if (treasure) {
            // Closing the treasure window hands the map its refresh step.
            view.opened.clear();
            movement.keyDown(MapKey::Space);
            report(std::vector<std::string>(view.opened));
        }
        std::printf("%c  X=%d Y=%d  %s\n", c, gs->heroX, gs->heroY, what.c_str());
        if (stop) break;
    }
    std::printf("steps %u, %s\n", gs->steps, calendarText(*gs).c_str());

    if (!out.empty()) {
        const SaveResult r = writeSaveFile(out, *gs);
        if (!r.ok) return toolError("walk: " + r.error);
    }
    return 0;
}

const ToolCommandRegistrar reg({"walk", "walk the hero of a saved game, step by step", run});

}  // namespace
