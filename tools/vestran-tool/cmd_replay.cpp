// vestran-tool replay: a saved game played from a script of map keys and window
// answers, by the game's own rules and without a window, each window doing what
// it does in the game when it shows and when it is answered. The regression games
// of the tests are played with it.
#include <cstdio>
#include <deque>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/adventure/Encounters.h"
#include "core/battle/AutoBattle.h"
#include "core/battle/BanditRules.h"
#include "core/battle/Outcome.h"
#include "core/data/GameState.h"
#include "core/data/SaveImage.h"
#include "core/data/Session.h"
#include "core/flow/Handover.h"
#include "core/towns/TownRules.h"
#include "platform/GameKeys.h"
#include "platform/Random.h"
#include "tools/vestran-tool/Command.h"
#include "tools/vestran-tool/Options.h"
#include "tools/vestran-tool/ToolMap.h"

namespace {

const char* kHelp =
    "Usage: vestran-tool replay FILE SCRIPT [--out FILE2]\n"
    "Plays the saved game FILE by the lines of SCRIPT with the game's own rules and\n"
    "no window ('#' starts a comment):\n"
    "  seed N       the game's random sequence, as walk's --seed (before any key)\n"
    "  keys KEYS    map keys as walk reads them: 1..9 (the numeric keypad), L R U D,\n"
    "               '.' (Space); blanks between them are ignored\n"
    "A window a step opens waits for its answer on the next lines:\n"
    "  bandits      fight [BATTLE KEYS] | refuse\n"
    "  portal       jump | stay\n"
    "  town         hire N | temple | ship | storm [BATTLE KEYS] | leave\n"
    "               (the town stays open until leave, a ship or a lost storm)\n"
    "A treasure, a new week and an orb's town list are read and closed at once.\n"
    "BATTLE KEYS play the hero's turns one by one, as the battle window's keys: the\n"
    "map keys step or strike in their direction ('.' and 5 end the turn), w waits,\n"
    "x retreats; once they run out, the computer plays the hero's stacks to the end.\n"
    "Prints a line for every key and answer and, with --out, writes the game as it\n"
    "ends (never a half file). Stops with status 1 at a line the game cannot take.\n";

enum class Window { Bandit, Town, Portal, Treasure, TownList, NewWeek };

const char* windowName(Window w) {
    switch (w) {
        case Window::Bandit:
            return "bandit";
        case Window::Town:
            return "town";
        case Window::Portal:
            return "portal";
        default:
            return "";
    }
}

// The words after the first, run together: keys may be written in groups.
std::string joined(const std::vector<std::string>& words) {
    std::string all;
    for (const std::string& w : words) all += w;
    return all;
}

struct Failure {
    std::string why;
};

class Replay : public SilentMap {
public:
    Replay(GameState& gs, Random& rnd) : gs_(gs), rnd_(rnd), move_(gs, session_, *this) {}

    // Plays one script line (already split into words); throws Failure.
    void play(const std::string& word, const std::vector<std::string>& args);

private:
    // What each window does the moment it shows.
    void openBandit() override;
    void openTown() override;
    void openPortal() override;
    void openTreasure() override;
    void openTownList() override { opened(Window::TownList, "orb"); }
    void openNewWeek() override;
    void opened(Window w, const std::string& note);

    void keys(const std::string& keys);
    void answer(const std::string& word, const std::vector<std::string>& args);
    void townAnswer(const std::string& word, const std::vector<std::string>& args);
    void handOver(Handover h);
    bool townOpen() const { return !windows_.empty() && windows_.front() == Window::Town; }
    void closeReadWindows();
    void fight(const std::string& answer, const std::string& battleKeys);
    void print(const std::string& what);

    GameState& gs_;
    Random& rnd_;
    Session session_;
    HeroMovement move_;
    std::deque<Window> windows_;  // shown and not yet answered, in the order they opened
    TownScreen town_;
    std::vector<std::string> notes_;  // what the current line did
    bool started_ = false;
};

void Replay::opened(Window w, const std::string& note) {
    windows_.push_back(w);
    notes_.push_back(note);
}

void Replay::openBandit() {
    banditReward(session_.reward, banditGroup(session_.encounterCode));
    opened(Window::Bandit, "bandits " + std::to_string(session_.encounterCode) + " at " +
                               std::to_string(session_.reward.cellX) + "," +
                               std::to_string(session_.reward.cellY));
}

void Replay::openTown() {
    town_ = showTown(gs_, session_);
    if (town_.town != 0) opened(Window::Town, "town " + std::to_string(town_.town));
}

void Replay::openPortal() {
    session_.portalTarget = portalTargetOf(gs_);
    opened(Window::Portal, "portal to " + std::to_string(session_.portalTarget));
}

void Replay::openTreasure() {
    opened(Window::Treasure, "treasure " + std::to_string(takeTreasure(gs_, rnd_)) + " gold");
}

void Replay::openNewWeek() {
    rnd_.reseedFromClock();
    std::string text;
    for (char c : newWeekEvent(gs_, rnd_)) text += c == '\r' ? ' ' : c == '\n' ? '/' : c;
    opened(Window::NewWeek, "new week: " + text);
}

void Replay::print(const std::string& what) {
    std::string notes;
    for (const std::string& n : notes_) notes += (notes.empty() ? "" : ", ") + n;
    std::printf("%-10s X=%d Y=%d  gold %u%s%s\n", what.c_str(), gs_.heroX, gs_.heroY, gs_.gold,
                notes.empty() ? "" : "  ", notes.c_str());
    notes_.clear();
}

// A hand-over between windows as the game's runner carries it out, without the
// drawing: the map's Space step, the hero's landing, the outcome windows' shows,
// the town's rebuild or close. The battle itself is the caller's.
void Replay::handOver(Handover h) {
    for (HandoverStep step : handoverSteps(h)) {
        switch (step) {
            case HandoverStep::MapStep:
                move_.keyDown(MapKey::Space);
                break;
            case HandoverStep::LandHeroRandomly:
                placeHeroRandomly(gs_, rnd_);
                break;
            case HandoverStep::ShowVictory:
                applyVictory(gs_, session_.reward);
                break;
            case HandoverStep::ShowDefeat:
                applyDefeat(gs_);
                break;
            case HandoverStep::ReviveTown:
                if (townOpen()) town_ = showTown(gs_, session_);
                break;
            case HandoverStep::HideTown:
                if (townOpen()) windows_.pop_front();
                break;
            default:  // windows shown, hidden, focused and drawn: nothing without a screen
                break;
        }
    }
}

// The windows that only tell something are closed, in turn, as soon as they are
// at the front.
void Replay::closeReadWindows() {
    while (!windows_.empty() && windows_.front() != Window::Bandit &&
           windows_.front() != Window::Town && windows_.front() != Window::Portal) {
        const Window w = windows_.front();
        windows_.pop_front();
        if (w == Window::Treasure) handOver(Handover::Treasure);
        if (w == Window::NewWeek) handOver(Handover::NewWeek);
    }
}

void Replay::play(const std::string& word, const std::vector<std::string>& args) {
    if (word == "seed") {
        if (started_) throw Failure{"seed comes before the first key"};
        const auto n = args.size() == 1 ? parseNumber(args[0]) : std::nullopt;
        if (!n) throw Failure{"seed wants one whole number"};
        rnd_.useSeedSequence(*n);
        return;
    }
    started_ = true;
    if (word == "keys") {
        keys(joined(args));
    } else {
        answer(word, args);
    }
}

void Replay::keys(const std::string& keys) {
    if (keys.empty()) throw Failure{"keys wants at least one key"};
    for (char c : keys)
        if (toolMapKey(c) == MapKey::None) throw Failure{std::string("unknown key '") + c + "'"};
    for (char c : keys) {
        if (!windows_.empty())
            throw Failure{std::string("key '") + c + "' pressed while the " +
                          windowName(windows_.front()) + " window waits for an answer"};
        const bool moved = move_.keyDown(toolMapKey(c));
        notes_.insert(notes_.begin(), moved ? "step" : "blocked");
        closeReadWindows();
        print(std::string(1, c));
    }
}

void Replay::answer(const std::string& word, const std::vector<std::string>& args) {
    if (windows_.empty()) throw Failure{"'" + word + "' answers no window"};
    const Window w = windows_.front();
    auto wants = [&](const char* answers) {
        return Failure{std::string("the ") + windowName(w) + " window wants " + answers +
                       ", not '" + word + "'"};
    };
    switch (w) {
        case Window::Bandit:
            if (word == "fight") {
                windows_.pop_front();  // "Принять бой"
                banditSides(session_.sides, gs_, banditGroup(session_.encounterCode));
                fight(word, joined(args));
            } else if (word == "refuse" && args.empty()) {
                windows_.pop_front();  // "Отступить"
                print(word);
            } else {
                throw wants("fight [BATTLE KEYS] or refuse");
            }
            break;
        case Window::Portal:
            if (word == "jump" && args.empty()) {
                windows_.pop_front();
                portalJump(gs_, rnd_, session_.portalTarget);
                handOver(Handover::Portal);
            } else if (word == "stay" && args.empty()) {
                windows_.pop_front();  // "Остаться"
            } else {
                throw wants("jump or stay");
            }
            print(word);
            break;
        default:
            townAnswer(word, args);
            break;
    }
    closeReadWindows();
}

void Replay::townAnswer(const std::string& word, const std::vector<std::string>& args) {
    TownRecord& town = gs_.town(town_.town);
    std::string what = word;
    if (word == "hire" && args.size() == 1) {
        const auto n = parseNumber(args[0], 1000000);
        if (!n || *n == 0) throw Failure{"hire wants a head count, not '" + args[0] + "'"};
        const int count = static_cast<int>(*n);
        if (!town_.hireEnabled || count > town_.hire.limit ||
            !hireRecruits(gs_, town, town_.hire, count))
            throw Failure{"the town hires at most " +
                          std::to_string(town_.hireEnabled ? town_.hire.limit : 0) + " now"};
        what += " " + args[0];
        town_ = showTown(gs_, session_);
    } else if (word == "temple" && args.empty()) {
        if (!town_.templeEnabled) throw Failure{"the temple takes no gift now"};
        templeSacrifice(gs_, town);
        town_ = showTown(gs_, session_);
    } else if (word == "ship" && args.empty()) {
        if (!town_.shipEnabled || !buyShip(gs_, town)) throw Failure{"the town sells no ship now"};
        windows_.pop_front();
        handOver(Handover::ShipBought);
    } else if (word == "storm") {
        if (!town_.vaultEnabled) throw Failure{"the town has no vault to storm"};
        vaultText(gs_, town);  // the vault window's show
        fillVaultReward(session_.reward, town);
        setUpStorm(gs_, town, session_.sides);  // "Начать штурм"
        fight(word, joined(args));
        return;
    } else if (word == "leave" && args.empty()) {
        windows_.pop_front();  // "Покинуть город"
    } else {
        throw Failure{
            "the town window wants hire N, temple, ship, storm [BATTLE KEYS] or leave, "
            "not '" +
            word + "'"};
    }
    print(what);
}

// The battle window from its show to its outcome window, and the outcome window
// up to its close.
void Replay::fight(const std::string& answer, const std::string& battleKeys) {
    for (char c : battleKeys)
        if (c != 'w' && c != 'x' && toolMapKey(c) == MapKey::None)
            throw Failure{std::string("unknown battle key '") + c + "'"};
    size_t next = 0;
    const battle::HeroTurn player = [&](battle::BattleEngine& e) {
        if (next == battleKeys.size()) {
            e.SideTurn(battle::kHeroSide);
            return true;
        }
        const char c = battleKeys[next++];
        const GameKey k = toolMapKey(c);
        if (c == 'x') return false;  // the retreat label, then "Отступить"
        if (c == 'w') {
            e.HeroWait();
        } else if (k == GameKey::Space) {
            e.HeroEndTurn();
        } else {
            const KeyStep step = keyStep(k);
            e.HeroDirection(step.dx, step.dy);
        }
        return true;
    };
    handOver(Handover::Fight);
    battle::RecordingView view;
    view.keepLog = false;
    const battle::AutoBattleResult r =
        battle::PlayAutoBattle(gs_, session_, rnd_, view, 10000, true, player);
    const std::string rounds = " in round " + std::to_string(r.rounds);
    if (r.winner == battle::Winner::Hero) {
        handOver(Handover::BattleWon);
        notes_.push_back("won" + rounds);
        handOver(Handover::Victory);
    } else if (r.left || r.winner == battle::Winner::Enemy) {
        if (r.left) applyRetreat(gs_, session_.sides);  // "Отступить"
        handOver(r.left ? Handover::Retreat : Handover::BattleLost);
        notes_.push_back((r.left ? "retreated" : "lost") + rounds);
        handOver(Handover::Defeat);
    } else {
        throw Failure{"the battle went on past round 10000"};
    }
    print(battleKeys.empty() ? answer : answer + " " + battleKeys);
}

int run(const std::vector<std::string>& args) {
    std::vector<std::string> files;
    std::string out;
    CommandArgs cli("replay", kHelp);
    cli.option("--out", out, "--out needs a file name");
    cli.words(files);
    if (auto end = cli.parse(args)) return *end;
    if (files.size() > 2) return cli.error("more than a save file and a script given");
    const std::string file = files.empty() ? "" : files[0];
    const std::string script = files.size() < 2 ? "" : files[1];
    if (script.empty()) return toolError("replay: give a save file and a script");
    std::ifstream in(script);
    if (!in) return toolError("replay: cannot read the script " + script);
    auto gs = loadSaveForTool(file, SaveUse::Play);
    if (!gs) return 1;

    Replay replay(*gs, Random::process());
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        std::istringstream words(line.substr(0, line.find('#')));
        std::string word, w;
        std::vector<std::string> rest;
        if (!(words >> word)) continue;
        while (words >> w) rest.push_back(w);
        try {
            replay.play(word, rest);
        } catch (const Failure& f) {
            std::fflush(stdout);
            return toolError("replay: " + script + ":" + std::to_string(number) + ": " + f.why);
        }
    }
    std::printf("steps %u, %s\n", gs->steps, calendarText(*gs).c_str());
    if (!out.empty()) {
        const SaveResult r = writeSaveFile(out, *gs);
        if (!r.ok) return toolError("replay: " + r.error);
    }
    return 0;
}

const ToolCommandRegistrar reg({"replay", "play a saved game from a script of keys and answers",
                                run});

}  // namespace
