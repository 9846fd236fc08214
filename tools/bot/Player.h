// The play bot's player, shared by the files that make it up: its state, its
// view of the map window, and the helpers more than one of them uses. Private to
// tools/bot; the rest of the program sees only Bot.h.
//
// Where each part of the player lives:
//   Bot.cpp       a turn on the map, the whole run, the summary
//   Windows.cpp   pressing keys, checking the game, answering the windows
//   Battles.cpp   fighting a real battle and its outcome windows
//   Trials.cpp    trial battles on copies: whether to fight, which move to make
//   Hiring.cpp    what to hire, what the army and the towns are worth
//   Planning.cpp  the way to the most worthwhile goal of the continent
//   Escape.cpp    keeping away from the bands it would not fight
#pragma once

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <deque>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/adventure/Movement.h"
#include "core/battle/BattleEngine.h"
#include "core/data/GameState.h"
#include "core/data/Session.h"
#include "core/towns/TownRules.h"
#include "platform/GameKeys.h"
#include "platform/Random.h"
#include "tools/bot/Bot.h"
#include "tools/bot/GraveReader.h"
#include "tools/bot/Invariants.h"

namespace bot {

using Clock = std::chrono::steady_clock;

// The first broken invariant: the run stops here.
struct Broken : std::runtime_error {
    using std::runtime_error::runtime_error;
};

enum class Window { Bandit, Town, Portal, Treasure, TownList, NewWeek };
// What the bot means to do with the window a bump opens.
enum class Intent { None, Town, BuyShip, Portal, Army };

// Gold kept back from hiring for a ship.
constexpr uint32_t kReserve = kShipPrice;
// A battle still going after this many rounds is left.
constexpr int kMaxRounds = 200;
// The bot fights when it won at least this share of its trial battles.
constexpr double kFightChance = 0.85;
// ... and kept at least this share of its army's worth on average.
constexpr double kKeepForBandits = 0.4;
constexpr double kKeepForVaults = 0.5;
constexpr double kKeepForBlockers = 0.0;
// It leaves a battle when fewer than this share of trial continuations end well.
constexpr double kHopeChance = 0.25;
constexpr long kReplanEvery = 40;

inline double since(Clock::time_point t0) {
    return std::chrono::duration<double>(Clock::now() - t0).count();
}

inline uint64_t mix(uint64_t h, uint64_t v) {
    h ^= v + 0x9E3779B97F4A7C15ULL + (h << 6) + (h >> 2);
    return h * 0xFF51AFD7ED558CCDULL;
}

inline uint64_t stacksKey(const Troop* stacks, int n) {
    uint64_t h = 0x5EED;
    for (int k = 0; k < n; ++k) {
        const Troop& t = stacks[k];
        h = mix(h, static_cast<uint64_t>(static_cast<uint16_t>(t.count)));
        if (t.count <= 0) continue;
        h = mix(h, static_cast<uint64_t>(static_cast<uint16_t>(t.hits)));
        for (char c : t.name.bytes()) h = mix(h, static_cast<unsigned char>(c));
    }
    return h;
}

// A stack's worth in gold: what its kind costs to hire.
inline long long worth(const Troop& t) {
    return t.count > 0 ? static_cast<long long>(t.count) * std::max<int>(t.price, 1) : 0;
}

// One input of the player for the hero's stack that has the turn.
struct HeroMove {
    enum Kind { Computer, End, Wait, Direction, Click } kind;
    battle::Cell cell;  // the direction (dx, dy), or the clicked cell
};

// Makes move `m` through the engine's own player input, as the battle window's
// keys and clicks do (or lets the computer play the stack).
void applyMove(battle::BattleEngine& e, const HeroMove& m);

class Player;

// The map window as the bot sees it: nothing to draw, every window it opens is
// handed to the player.
class MapScreen : public NullStepView {
public:
    explicit MapScreen(Player& p) : p_(p) {}
    void openBandit() override;
    void openTown() override;
    void openPortal() override;
    void openTreasure() override;
    void openTownList() override;
    void openNewWeek() override;

private:
    Player& p_;
};

struct HireChoice {
    int count = 0;        // how many to hire
    long long gain = 0;   // their worth, less that of a stack dismissed for them
    int dismiss = 0;      // army slot to empty first (no room otherwise)
    bool temple = false;  // the town's race must be won over first
};

// What trial battles say about a fight: how often it is won, and what share of
// the army's worth is left on average.
struct Judgement {
    double win = 0;
    double kept = 0;
    bool worthIt(double keep) const { return win >= kFightChance && kept >= keep; }
};

struct PathStep {
    MapKey key;
    int x, y, ship;  // where the hero stands before the key
    Intent intent;
};

class Player {
public:
    Player(GameState& gs, Random& rnd, const Options& o)
        : gs_(gs),
          rnd_(rnd),
          o_(o),
          screen_(*this),
          move_(gs, session_, screen_),
          inv_(gs),
          own_(o.seed ^ 0xB07B07ULL),
          scratch_(std::make_unique<GameState>()),
          sim_(std::make_unique<GameState>()) {
        std::memset(static_cast<void*>(scratch_.get()), 0, sizeof(GameState));
        std::memset(static_cast<void*>(sim_.get()), 0, sizeof(GameState));
    }

    Stats run();
    void opened(Window w);

private:
    // ---- keys and windows (Windows.cpp) ------------------------------------
    template <class... A>
    void trace(const char* fmt, A... a) {
        if (!o_.trace) return;
        std::fprintf(o_.trace, "[%ld c%d %d,%d%s g%u a%u] ", st_.steps, gs_.continent, gs_.heroX,
                     gs_.heroY, gs_.onShip ? " ship" : "", gs_.gold, gs_.authority);
        if constexpr (sizeof...(A) == 0)
            std::fputs(fmt, o_.trace);
        else
            std::fprintf(o_.trace, fmt, a...);
        std::fputc('\n', o_.trace);
    }
    void press(MapKey k, const char* what);
    void verify(const std::string& after);
    void settle();
    void answer(Window w);
    void banditWindow();
    void townWindow();
    void portalWindow();
    void readTheSpell();

    // ---- battles (Battles.cpp) ----------------------------------------------
    enum class End { Won, Lost, Retreated };
    End fight();
    void victory();
    void defeat();
    bool weaker() const;
    bool stronger() const;

    // ---- trial battles (Trials.cpp) -----------------------------------------
    Judgement judge(const BattleSides& sides, const BattleReward& reward, uint64_t key);
    Judgement banditJudgement(uint16_t code);
    Judgement vaultJudgement(int town);
    HeroMove chooseMove(const battle::BattleEngine& e, bool mayFly, double& winRate);

    // ---- hiring and worth (Hiring.cpp) ---------------------------------------
    HireChoice hireChoice(const TownRecord& town) const;
    double townValue(int t);
    long long armyWorth() const;
    std::string armyText() const;
    double capacity() const;
    std::vector<std::pair<double, std::string_view>> kindsHere() const;
    std::vector<std::string_view> bestKinds() const;
    uint64_t stateKey() const;

    // ---- keeping away from bands (Escape.cpp) --------------------------------
    bool refused(uint16_t code);
    // refused() for the bands of the hero's continent, as the army stands at
    // the start of a look ahead.
    void fillRefused() {
        for (int g = 0; g < 4; ++g)
            refusedNow_[g] =
                refused(static_cast<uint16_t>(cell::kBanditFirst + (gs_.continent - 1) * 20 + g));
    }
    bool refusedNow(uint16_t code) const {
        const int g = code - cell::kBanditFirst - (gs_.continent - 1) * 20;
        return cell::isArmy(code) && (g < 0 || g > 3 || refusedNow_[g]);
    }
    bool threatened(const GameState& g, int x, int y);
    int escapeScore(int hx, int hy, int depth, int limit, int& nodes);
    bool escape();
    void updateGoalDistance();
    bool pathSafe(size_t steps);

    // ---- planning (Planning.cpp) and the turn (Bot.cpp) ----------------------
    bool readyFor(int continent);
    bool blocked(int x, int y) const {
        const auto it = blockedGoals_.find(x * (kMapH + 1) + y + gs_.continent * 100000);
        return it != blockedGoals_.end() && it->second > st_.steps;
    }
    void turn();
    void plan();
    struct Search;
    std::vector<int> dangerMap();
    double reachValue(int x, int y, int unexplored) const;
    void offerShips(Search& s, int from, int townX, int townY, int cost, MapKey dir);
    void searchWays(Search& s, const std::vector<int>& danger);
    void chooseBump(Search& s);
    void followBack(const Search& s);
    bool onCourse() const;
    void updateGrave();

    GameState& gs_;
    Random& rnd_;
    Options o_;
    Session session_{};
    MapScreen screen_;
    HeroMovement move_;
    Invariants inv_;
    Random own_;
    Stats st_;
    std::unique_ptr<GameState> scratch_;

    std::deque<Window> windows_;
    long windowsOpened_ = 0;
    TownScreen town_;
    bool townOpen_ = false;
    Intent intent_ = Intent::None;
    int pendingDismiss_ = 0;

    std::unordered_map<uint64_t, Judgement> judged_;
    std::unordered_map<int, uint64_t> quietVisit_;  // town -> state of a visit that did nothing
    std::vector<PathStep> path_;
    size_t next_ = 0;
    long plannedAt_ = 0;
    int plannedContinent_ = 0;
    long lastPortal_ = 0;
    long restUntil_ = 0;
    int goal_ = -1;  // the cell the way leads to (x * (kMapH + 1) + y)
    int goalDistFor_ = -2;
    std::vector<int> goalDist_;
    std::deque<int> recent_;  // the hero's last cells
    int escapeNodes_ = 3000;
    long deepAgain_ = 0;
    int idle_ = 0;               // plans in a row that found nothing worth a step
    int heldAt_ = 0, held_ = 0;  // the hero's cell and how many keys he stayed there
    std::array<bool, 4> refusedNow_{};
    std::unordered_map<int, long> blockedGoals_;  // goals a band keeps the hero from, until
    bool mustFight_ = false;                      // no step gets away: fight the band met
    std::unique_ptr<GameState> sim_;              // the map on which the escape tries its steps
    std::deque<long> declined_;                   // steps at which a band was refused

    std::optional<GravePlace> grave_;
    uint32_t graveLetters_ = 0xFFFFFFFFu;
};

}  // namespace bot
