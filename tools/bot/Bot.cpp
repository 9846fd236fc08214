#include "tools/bot/Bot.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <queue>
#include <stdexcept>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "adventure/Encounters.h"
#include "adventure/Hero.h"
#include "adventure/Movement.h"
#include "battle/AutoBattle.h"
#include "battle/BanditRules.h"
#include "battle/BattleEngine.h"
#include "data/GameState.h"
#include "data/Session.h"
#include "platform/Random.h"
#include "tools/bot/GraveReader.h"
#include "shell/Invariants.h"
#include "towns/Outcome.h"
#include "towns/TownRules.h"

namespace bot {

namespace {

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

double since(Clock::time_point t0) {
    return std::chrono::duration<double>(Clock::now() - t0).count();
}

uint64_t mix(uint64_t h, uint64_t v) {
    h ^= v + 0x9E3779B97F4A7C15ULL + (h << 6) + (h >> 2);
    return h * 0xFF51AFD7ED558CCDULL;
}

uint64_t stacksKey(const Troop* stacks, int n) {
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
long long worth(const Troop& t) {
    return t.count > 0 ? static_cast<long long>(t.count) * std::max<int>(t.price, 1) : 0;
}

// Rough fighting strength, to tell when a battle has turned.
double power(const Troop& t) {
    if (t.count <= 0) return 0;
    const int blow = t.attack + t.defence + (t.shots > 0 ? t.shotPower : 0);
    return static_cast<double>(t.count) * std::max<int>(t.hitsMax, 1) * std::max(blow, 1);
}

struct KeyStep {
    MapKey key;
    int dx, dy;
};
constexpr std::array<KeyStep, 8> kKeys{{{MapKey::Right, 1, 0},
                                        {MapKey::Left, -1, 0},
                                        {MapKey::Up, 0, -1},
                                        {MapKey::Down, 0, 1},
                                        {MapKey::PageUp, 1, -1},
                                        {MapKey::PageDown, 1, 1},
                                        {MapKey::Home, -1, -1},
                                        {MapKey::End, -1, 1}}};

// Where the map lets the hero step: the bot's own forecast for its plans (the
// step itself decides).
bool insideFrame(int x, int y) {
    return x >= 3 && x <= 68 && y >= 3 && y <= 78;
}

// Plays a battle on to its end, the computer playing the hero's stacks with the
// enemy's own decisions. `heroTurn` runs before each of the hero's turns and may
// stop the battle (false). Returns false when the battle stalled: no stack on
// either side could act.
bool playOn(battle::BattleEngine& e, const std::function<bool()>& heroTurn) {
    using namespace battle;
    int idle = 0;
    while (e.outcome == Outcome::Running) {
        if (e.activeHeroCode() != 0) {
            idle = 0;
            if (!heroTurn()) return true;
            e.SideTurn(kHeroSide);
            continue;
        }
        e.Tick();
        if (e.outcome == Outcome::Running && e.activeHeroCode() == 0) {
            e.Continue();
            if (++idle > 2) return false;
        }
    }
    return true;
}

// One input of the player for the hero's stack that has the turn.
struct HeroMove {
    enum Kind { Computer, End, Wait, Direction, Click } kind;
    battle::Cell cell;  // the direction (dx, dy), or the clicked cell
};

// Copies the state of a running battle into an engine working on copies.
void cloneBattle(battle::BattleEngine& copy, const battle::BattleEngine& e) {
    copy.field = e.field;
    copy.dead = e.dead;
    copy.background = e.background;
    copy.animPhase = e.animPhase;
    copy.gridLines = e.gridLines;
    copy.moving = e.moving;
    copy.cursor = e.cursor;
    copy.roundText = e.roundText;
    copy.outcome = e.outcome;
}

// What the player's keys and clicks can do with the stack that has the turn:
// the computer's own choice, end the turn, wait, a step or blow in each
// direction, a shot at each enemy, a flight beside an enemy.
std::vector<HeroMove> heroMoves(const battle::BattleEngine& e, bool mayFly) {
    using namespace battle;
    std::vector<HeroMove> moves{{HeroMove::Computer, {}}, {HeroMove::End, {}}};
    const int code = e.activeHeroCode();
    Cell at;
    if (!code || !e.FindStack(code, at)) return moves;
    const Troop& us = e.StackByCode(code);
    if (us.waited == 0) moves.push_back({HeroMove::Wait, {}});
    for (auto [dx, dy] : kNeighbourOrder) {
        const Cell to{at.x + dx, at.y + dy};
        if (!insideField(to.x, to.y)) continue;
        const int there = e.field.at(to);
        if (isObstacle(there) || (isStackCode(there) && sideOf(there) == kHeroSide)) continue;
        moves.push_back({HeroMove::Direction, {dx, dy}});
    }
    for (int x = 1; x <= kCols; ++x)
        for (int y = 1; y <= kRows; ++y) {
            const int c = e.field.at(x, y);
            if (e.cursor == Cursor::Cross && isStackCode(c) && sideOf(c) == kEnemySide &&
                e.StackByCode(c).count > 0)
                moves.push_back({HeroMove::Click, {x, y}});
            if (mayFly && e.cursor == Cursor::Hand && c == kFree && us.flies == 1) {
                bool beside = false;
                for (auto [dx, dy] : kNeighbourOrder)
                    if (insideField(x + dx, y + dy)) {
                        const int n = e.field.at(x + dx, y + dy);
                        beside |= isStackCode(n) && sideOf(n) == kEnemySide;
                    }
                if (beside) moves.push_back({HeroMove::Click, {x, y}});
            }
        }
    return moves;
}

// Makes move `m` through the engine's own player input, as the battle window's
// keys and clicks do (or lets the computer play the stack).
void applyMove(battle::BattleEngine& e, const HeroMove& m) {
    switch (m.kind) {
        case HeroMove::Computer:
            e.SideTurn(battle::kHeroSide);
            break;
        case HeroMove::End:
            e.HeroEndTurn();
            break;
        case HeroMove::Wait:
            e.HeroWait();
            break;
        case HeroMove::Direction:
            e.HeroDirection(m.cell.x, m.cell.y);
            break;
        case HeroMove::Click:
            e.HeroClick(m.cell);
            break;
    }
}

// A recording battle view that checks the field and the counts whenever the
// battle shows something: after every step, blow, shot, flight and wait.
class CheckedView : public battle::RecordingView {
public:
    CheckedView(const GameState& gs, const Session& s, Stats& st) : gs_(gs), s_(s), st_(st) {
        keepLog = false;
    }
    const battle::BattleEngine* engine = nullptr;

    void repaint() override {
        RecordingView::repaint();
        verify(false);
    }
    void pause(int ms) override {
        RecordingView::pause(ms);
        verify(engine && !engine->moving.shown);
    }

private:
    void verify(bool atRest) {
        if (!engine) return;
        ++st_.battleActions;
        std::string e = Invariants::checkBattle(*engine, s_.sides, atRest);
        if (e.empty()) e = Invariants::checkCounts(gs_);
        if (!e.empty())
            throw Broken("during a battle (round " + std::to_string(engine->round()) + "): " + e);
    }

    const GameState& gs_;
    const Session& s_;
    Stats& st_;
};

class Player;

// The map window as the bot sees it: nothing to draw, every window it opens is
// handed to the player.
class MapScreen : public StepView {
public:
    explicit MapScreen(Player& p) : p_(p) {}
    void paint() override {}
    void stepPause() override {}
    void buildGroundLayer() override {}
    void setStatus(const std::string&, const std::string&) override {}
    void playSound(const char*) override {}
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
    // ---- keys and windows ------------------------------------------------
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

    // ---- battles -----------------------------------------------------------
    enum class End { Won, Lost, Retreated };
    End fight();
    void victory();
    void defeat();
    Judgement judge(const BattleSides& sides, const BattleReward& reward, uint64_t key);
    Judgement banditJudgement(uint16_t code);
    Judgement vaultJudgement(int town);
    HeroMove chooseMove(const battle::BattleEngine& e, bool mayFly, double& winRate);
    bool weaker() const;
    bool stronger() const;

    // ---- choices -------------------------------------------------------------
    HireChoice hireChoice(const TownRecord& town) const;
    double townValue(int t);
    long long armyWorth() const;
    std::string armyText() const;
    double capacity() const;
    std::vector<std::pair<double, std::string_view>> kindsHere() const;
    std::vector<std::string_view> bestKinds() const;
    uint64_t stateKey() const;
    bool readyFor(int continent);
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
    bool blocked(int x, int y) const {
        const auto it = blockedGoals_.find(x * (kMapH + 1) + y + gs_.continent * 100000);
        return it != blockedGoals_.end() && it->second > st_.steps;
    }
    void turn();
    void plan();
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

void MapScreen::openBandit() {
    p_.opened(Window::Bandit);
}
void MapScreen::openTown() {
    p_.opened(Window::Town);
}
void MapScreen::openPortal() {
    p_.opened(Window::Portal);
}
void MapScreen::openTreasure() {
    p_.opened(Window::Treasure);
}
void MapScreen::openTownList() {
    p_.opened(Window::TownList);
}
void MapScreen::openNewWeek() {
    p_.opened(Window::NewWeek);
}

// ---- keys and windows --------------------------------------------------------

void Player::verify(const std::string& after) {
    if (auto e = inv_.check(gs_); !e.empty()) throw Broken("after " + after + ": " + e);
}

void Player::press(MapKey k, const char* what) {
    move_.keyDown(k);
    verify(what);
}

// What each window does the moment it is shown.
void Player::opened(Window w) {
    ++windowsOpened_;
    switch (w) {
        case Window::Bandit:
            banditReward(session_.reward, banditGroup(session_.encounterCode));
            break;
        case Window::Town:
            town_ = showTown(gs_, session_);
            townOpen_ = town_.town != 0;
            break;
        case Window::Portal:
            session_.portalTarget = portalTargetOf(gs_);
            break;
        case Window::Treasure:
            takeTreasure(gs_, rnd_);
            ++st_.treasures;
            break;
        case Window::TownList:
            townListLines(gs_);
            break;
        case Window::NewWeek:
            newWeekEvent(gs_, rnd_);
            ++st_.newWeeks;
            break;
    }
    windows_.push_back(w);
}

void Player::settle() {
    while (!windows_.empty()) {
        const Window w = windows_.front();
        windows_.pop_front();
        answer(w);
    }
}

void Player::answer(Window w) {
    switch (w) {
        case Window::Treasure:  // closing it refreshes the map
        case Window::NewWeek:
            press(MapKey::Space, "closing a window");
            break;
        case Window::TownList:
            break;
        case Window::Portal:
            portalWindow();
            break;
        case Window::Bandit:
            banditWindow();
            break;
        case Window::Town:
            townWindow();
            break;
    }
}

void Player::portalWindow() {
    if (intent_ != Intent::Portal) return;  // "Остаться"
    portalJump(gs_, rnd_, session_.portalTarget);
    ++st_.portals;
    lastPortal_ = st_.steps;
    press(MapKey::Space, "a portal jump");
}

void Player::banditWindow() {
    const int group = banditGroup(session_.encounterCode);
    // A band follows a hero who walks near it, as fast as he walks, and stands
    // in his way; once it keeps him from going anywhere, only a fight (or a
    // defeat, which throws him elsewhere) gets him out.
    while (!declined_.empty() && declined_.front() < st_.steps - 40) declined_.pop_front();
    // Only a hero shut in by bands and rock fights a band it would refuse.
    const bool cornered = mustFight_;
    const Judgement j = banditJudgement(session_.encounterCode);
    trace("bandits %u (group %d): won %.2f, kept %.2f%s [%s]", session_.encounterCode, group, j.win,
          j.kept, cornered ? ", cornered" : "", armyText().c_str());
    // A band that stands in the way is fought on easier terms than one sought
    // out: refusing only brings it back into the way. The escape on the map
    // decides when no step gets away from it any more.
    if (!j.worthIt(kKeepForBlockers) && !cornered) {
        ++st_.banditsDeclined;  // "Отступить"
        declined_.push_back(st_.steps);
        // A band keeps stepping into the way there: go somewhere else a while.
        if (declined_.size() >= 12 && goal_ >= 0)
            blockedGoals_[goal_ + gs_.continent * 100000] = st_.steps + 100;
        return;
    }
    declined_.clear();
    banditSides(session_.sides, gs_, group);
    if (fight() == End::Won) ++st_.banditsBeaten;
}

void Player::townWindow() {
    const uint64_t before = stateKey();
    bool acted = false;
    for (int guard = 0; townOpen_ && guard < 50; ++guard) {
        const int t = town_.town;
        TownRecord& town = gs_.town(t);
        const HireChoice hc = hireChoice(town);
        trace(
            "town %d (race %d, relation %d): hire %d (limit %d, slot %d) gain %lld dismiss %d "
            "temple %d vault %d ship %d",
            t, town.race, gs_.relation(town.race), hc.count, town_.hire.limit, town_.hire.slot,
            hc.gain, hc.dismiss, hc.temple, town_.vaultEnabled, town_.shipEnabled);
        if (town_.relationRed && town_.templeEnabled && hc.temple && hc.count > 0) {
            templeSacrifice(gs_, town);
            ++st_.templeGifts;
            verify("a temple gift");
            town_ = showTown(gs_, session_);
            acted = true;
            continue;
        }
        if (town_.hireEnabled && hc.dismiss == 0 && hc.count > 0 && hc.count <= town_.hire.limit) {
            hireRecruits(gs_, town, town_.hire, hc.count);
            ++st_.hires;
            verify("hiring");
            town_ = showTown(gs_, session_);
            acted = true;
            continue;
        }
        if (hc.dismiss != 0 && !town_.relationRed && town_.hire.slot == 0) {
            // The army window is on the map: leave, dismiss there, come back.
            pendingDismiss_ = hc.dismiss;
            acted = true;
            break;
        }
        if (town_.vaultEnabled && vaultJudgement(t).worthIt(kKeepForVaults)) {
            vaultText(gs_, town);  // the vault window's show
            fillVaultReward(session_.reward, town);
            setUpStorm(gs_, town, session_.sides);  // "Начать штурм"
            if (fight() == End::Won) ++st_.vaultsTaken;
            acted = true;
            continue;  // a victory rebuilt the town; a defeat closed it
        }
        if (intent_ == Intent::BuyShip && town_.shipEnabled) {
            buyShip(gs_, town);
            ++st_.shipsBought;
            townOpen_ = false;
            press(MapKey::Space, "buying a ship");
            acted = true;
        }
        break;
    }
    townOpen_ = false;  // "Покинуть город"
    if (!acted)
        quietVisit_[town_.town] = before;
    else
        quietVisit_.erase(town_.town);
}

void Player::readTheSpell() {
    // The map's "ЗАКЛЯТЬЕ" label: the spell window, then "Прочесть".
    spellCaption(gs_);
    if (gs_.spellTries == 0) return;
    ++st_.spellReadings;
    const bool won = readSpell(gs_);
    verify("reading the spell");
    if (!won)
        throw Broken("the spell failed on the place the diary names (" +
                     std::to_string(grave_->continent) + "," + std::to_string(grave_->x) + "," +
                     std::to_string(grave_->y) + ")");
    st_.won = true;
    st_.wonAtStep = st_.steps;  // "Продолжить игру": nothing is reset
}

// ---- battles -------------------------------------------------------------------

Player::End Player::fight() {
    const auto t0 = Clock::now();
    CheckedView view(gs_, session_, st_);
    battle::BattleEngine engine(gs_, session_, rnd_, view);
    view.engine = &engine;
    engine.Setup(true);  // the battle window's show
    engine.Tick();       // the clock's first tick deals the first round
    bool retreat = false, flowed = true;
    int idle = 0, flown = 0;
    while (engine.outcome == battle::Outcome::Running) {
        const int code = engine.activeHeroCode();
        if (code != 0) {
            // The hero's stack has the turn: the retreat label is up.
            idle = 0;
            double winRate = 0;
            const bool mayFly = flown != code * 1000 + engine.round();
            // A battle well in hand is left to the computer's own play; the
            // others are worth looking ahead.
            HeroMove m{HeroMove::Computer, {}};
            winRate = 1;
            if (!stronger()) m = chooseMove(engine, mayFly, winRate);
            if (engine.round() > kMaxRounds || (winRate < kHopeChance && weaker())) {
                retreat = true;
                break;
            }
            if (m.kind == HeroMove::Click && engine.cursor == battle::Cursor::Hand)
                flown = code * 1000 + engine.round();  // one flight a turn is enough
            applyMove(engine, m);
            continue;
        }
        engine.Tick();
        if (engine.outcome == battle::Outcome::Running && engine.activeHeroCode() == 0) {
            engine.Continue();
            if (++idle > 2) {
                flowed = false;
                break;
            }
        }
    }
    view.engine = nullptr;
    st_.battleSeconds += since(t0);
    trace("battle: %s after %d rounds",
          retreat                                      ? "retreat"
          : engine.outcome == battle::Outcome::Victory ? "won"
          : engine.outcome == battle::Outcome::Defeat  ? "lost"
                                                       : "stalled",
          engine.round());
    if (!flowed) throw Broken("a battle stalled: no stack of either side can act");

    if (retreat) {
        // "Отступить": half the survivors stay, the battle closes, the defeat
        // window follows.
        int16_t stood[battle::kSlots];
        for (int k = 0; k < battle::kSlots; ++k) stood[k] = session_.sides.heroStacks[k].count;
        applyRetreat(gs_, session_.sides);
        view.shown = false;
        ++st_.retreats;
        for (int k = 1; k <= kArmySlots; ++k)
            if (gs_.slot(k).count != stood[k - 1] / 2 || session_.sides.hero(k).count != 0)
                throw Broken("after a retreat army slot " + std::to_string(k) + " holds " +
                             std::to_string(gs_.slot(k).count) + " of " +
                             std::to_string(stood[k - 1]) + " survivors");
        verify("a retreat");
        defeat();
        return End::Retreated;
    }
    if (engine.outcome == battle::Outcome::Victory) {
        ++st_.battlesWon;
        // The survivors, and only they, come home, healed.
        for (int k = 1; k <= kArmySlots; ++k) {
            const Troop& t = gs_.slot(k);
            if (t.count != session_.sides.hero(k).count || t.hits != t.hitsMax)
                throw Broken("after a won battle army slot " + std::to_string(k) + " holds " +
                             std::to_string(t.count) + " (" + std::to_string(t.hits) +
                             " hits) for " + std::to_string(session_.sides.hero(k).count) +
                             " survivors");
        }
        verify("a won battle");
        victory();
        return End::Won;
    }
    ++st_.battlesLost;
    for (int k = 1; k <= kArmySlots; ++k)
        if (gs_.slot(k).count != 0)
            throw Broken("after a lost battle army slot " + std::to_string(k) + " still holds " +
                         std::to_string(gs_.slot(k).count));
    verify("a lost battle");
    defeat();
    return End::Lost;
}

void Player::victory() {
    const BattleReward reward = session_.reward;
    applyVictory(gs_, reward);
    if (reward.cellX != 0 && reward.cellY != 0)
        inv_.cellCleared(gs_.continent, reward.cellX, reward.cellY);
    verify("the victory window");
    press(MapKey::Space, "closing the victory window");
    if (townOpen_) town_ = showTown(gs_, session_);  // the town shows its vault taken
}

void Player::defeat() {
    applyDefeat(gs_);
    verify("the defeat window");
    townOpen_ = false;
    placeHeroRandomly(gs_, rnd_);
    press(MapKey::Space, "closing the defeat window");
    path_.clear();
}

Judgement Player::judge(const BattleSides& sides, const BattleReward& reward, uint64_t key) {
    if (auto it = judged_.find(key); it != judged_.end()) return it->second;
    const auto t0 = Clock::now();
    long long before = 0;
    for (const Troop& t : sides.heroStacks) before += worth(t);
    int wins = 0;
    double kept = 0;
    for (int k = 0; k < o_.trials; ++k) {
        std::memcpy(static_cast<void*>(scratch_->army), gs_.army, sizeof gs_.army);
        Session s{};
        s.sides = sides;
        s.reward = reward;
        Random r(own_(0xFFFFFFFFu) * 0x100000001ULL + static_cast<uint64_t>(k));
        battle::RecordingView v;
        v.keepLog = false;
        const auto res = battle::PlayAutoBattle(*scratch_, s, r, v, kMaxRounds, false);
        ++st_.trialBattles;
        if (res.winner != battle::Winner::Hero) continue;
        ++wins;
        long long after = 0;
        for (int j = 0; j < kArmySlots; ++j)
            if (res.heroLeft[j] > 0)
                after += static_cast<long long>(res.heroLeft[j]) *
                         std::max<int>(sides.heroStacks[j].price, 1);
        kept += before > 0 ? static_cast<double>(after) / static_cast<double>(before) : 0.0;
    }
    st_.battleSeconds += since(t0);
    Judgement j;
    if (o_.trials > 0) {
        j.win = static_cast<double>(wins) / o_.trials;
        j.kept = kept / o_.trials;
    }
    judged_[key] = j;
    return j;
}

Judgement Player::banditJudgement(uint16_t code) {
    const int group = banditGroup(code);
    if (group < 0) return {};
    BattleSides sides{};
    banditSides(sides, gs_, group);
    BattleReward reward{};
    banditReward(reward, group);
    return judge(sides, reward, mix(stacksKey(gs_.army, kArmySlots), 0xBA00 + code));
}

Judgement Player::vaultJudgement(int t) {
    const TownRecord& town = gs_.town(t);
    BattleSides sides{};
    setUpStorm(gs_, town, sides);
    BattleReward reward{};
    fillVaultReward(reward, town);
    return judge(sides, reward,
                 mix(mix(stacksKey(gs_.army, kArmySlots), 0xFA00 + static_cast<uint64_t>(t)),
                     stacksKey(town.garrison, 5)));
}

double sidePower(const Troop* stacks) {
    double p = 0;
    for (int k = 0; k < battle::kSlots; ++k) p += power(stacks[k]);
    return p;
}

// The hero's side is clearly the weaker one: only then may a battle be left.
bool Player::weaker() const {
    return sidePower(session_.sides.heroStacks) * 1.5 < sidePower(session_.sides.enemyStacks);
}

bool Player::stronger() const {
    return sidePower(session_.sides.heroStacks) > 3 * sidePower(session_.sides.enemyStacks);
}

// The hero's stack has the turn: every move the player could make is tried on
// copies of the battle, each followed by the computer's play for both sides to
// the end, and the move that keeps the most of the army wins. Also tells how
// often the best move won, which decides a retreat.
HeroMove Player::chooseMove(const battle::BattleEngine& e, bool mayFly, double& winRate) {
    using namespace battle;
    const std::vector<HeroMove> moves = heroMoves(e, mayFly);
    long long start = 0;
    for (const Troop& t : session_.sides.heroStacks) start += worth(t);
    constexpr int kRollouts = 3;
    uint64_t seeds[kRollouts];
    for (uint64_t& sd : seeds) sd = own_(0xFFFFFFFFu) * 0x100000001ULL + 1;
    HeroMove best = moves.front();
    double bestScore = -1;
    winRate = 0;
    for (const HeroMove& m : moves) {
        double score = 0;
        int wins = 0;
        for (uint64_t sd : seeds) {
            std::memcpy(static_cast<void*>(scratch_->army), gs_.army, sizeof gs_.army);
            Session s = session_;
            Random r(sd);
            RecordingView v;
            v.keepLog = false;
            BattleEngine copy(*scratch_, s, r, v);
            cloneBattle(copy, e);
            applyMove(copy, m);
            const int until = e.round() + 30;
            playOn(copy, [&] { return copy.round() <= until; });
            ++st_.trialBattles;
            if (copy.outcome != Outcome::Victory) continue;
            ++wins;
            long long left = 0;
            for (const Troop& t : s.sides.heroStacks) left += worth(t);
            score += 1.0 + (start > 0 ? static_cast<double>(left) / static_cast<double>(start) : 0);
        }
        if (score > bestScore) {
            bestScore = score;
            best = m;
            winRate = static_cast<double>(wins) / kRollouts;
        }
    }
    return best;
}

// ---- choices ---------------------------------------------------------------------

// What the bot would hire in `town` now: as many as gold (less the reserve) and
// the window's limit allow; when the army has no room, a weak stack may make way
// for a much better one.
HireChoice Player::hireChoice(const TownRecord& town) const {
    HireChoice c;
    const Troop& r = town.recruit;
    if (r.price <= 0 || r.leadership <= 0) return c;
    uint32_t spare = gs_.gold > kReserve ? gs_.gold - kReserve : 0;
    if (town.race >= 1 && town.race <= kRaces && gs_.relation(town.race) < 3) {
        if (spare < kTemplePrice) return c;
        spare -= kTemplePrice;
        c.temple = true;
    }
    const std::vector<std::string_view> best = bestKinds();
    auto isBest = [&](const Troop& t) {
        return std::find(best.begin(), best.end(), t.name.bytes()) != best.end();
    };
    const bool wanted = isBest(r);
    const HireLimit h = hireLimit(gs_, r);
    const long long byGold = spare / static_cast<uint32_t>(r.price);
    if (h.slot != 0) {
        // An empty slot goes to a lesser kind only while no better one is
        // missing from the army.
        if (h.owned == 0 && !wanted) {
            int empty = 0, missing = 0;
            for (int s = 1; s <= kArmySlots; ++s) empty += gs_.slot(s).count <= 0;
            for (std::string_view k : best) {
                bool owned = false;
                for (int s = 1; s <= kArmySlots; ++s)
                    owned |= gs_.slot(s).count > 0 && gs_.slot(s).name.bytes() == k;
                missing += !owned;
            }
            if (empty <= missing) return c;
        }
        c.count = static_cast<int>(std::min<long long>(h.limit, byGold));
        c.gain = static_cast<long long>(c.count) * r.price;
        return c;
    }
    // No room: one of the best kinds takes the slot of the weakest lesser one.
    if (!wanted) return c;
    int weakest = 0;
    for (int s = 1; s <= kArmySlots; ++s)
        if (!isBest(gs_.slot(s)) && (weakest == 0 || worth(gs_.slot(s)) < worth(gs_.slot(weakest))))
            weakest = s;
    if (weakest == 0) return c;
    const long long byLead = gs_.authority / static_cast<uint32_t>(r.leadership);
    const long long n = std::min({byGold, byLead, 32767LL});
    const long long gain = n * r.price - worth(gs_.slot(weakest));
    if (n > 0 && gain > 0) {
        c.count = static_cast<int>(n);
        c.gain = gain;
        c.dismiss = weakest;
    }
    return c;
}

uint64_t Player::stateKey() const {
    uint64_t h = mix(stacksKey(gs_.army, kArmySlots), gs_.gold);
    h = mix(h, gs_.authority);
    for (int r = 1; r <= kRaces; ++r) h = mix(h, gs_.relation(r));
    for (int t = 1; t <= kTowns; ++t) h = mix(h, gs_.town(t).race);
    return h;
}

// The army in short, for the trace: kind number and head count per slot.
std::string Player::armyText() const {
    std::string out;
    for (int s = 1; s <= kArmySlots; ++s) {
        const Troop& t = gs_.slot(s);
        if (t.count <= 0) continue;
        if (!out.empty()) out += ' ';
        out += t.name.str().substr(0, 6) + ":" + std::to_string(t.count);
    }
    return out;
}

long long Player::armyWorth() const {
    long long w = 0;
    for (int s = 1; s <= kArmySlots; ++s) w += worth(gs_.slot(s));
    return w;
}

// The worth of the best army the hero's Authority could lead with the kinds the
// towns of his continent hire out to him: each kind up to its own bound.
// The kinds the towns of the hero's continent hire out to him, with what a
// stack of each is worth when filled up to what his Authority leads, best first.
std::vector<std::pair<double, std::string_view>> Player::kindsHere() const {
    std::vector<std::pair<double, std::string_view>> kinds;
    for (int t = (gs_.continent - 1) * 10 + 1; t <= gs_.continent * 10; ++t) {
        const TownRecord& town = gs_.town(t);
        const Troop& r = town.recruit;
        if (r.leadership <= 0 || r.price <= 0 || town.race < 1 || town.race > kRaces ||
            gs_.relation(town.race) < 3)
            continue;
        if (std::any_of(kinds.begin(), kinds.end(),
                        [&](const auto& k) { return k.second == r.name.bytes(); }))
            continue;
        kinds.push_back(
            {static_cast<double>(gs_.authority / static_cast<uint32_t>(r.leadership)) * r.price,
             r.name.bytes()});
    }
    std::stable_sort(kinds.begin(), kinds.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    return kinds;
}

// The five kinds that make the most of the hero's Authority.
std::vector<std::string_view> Player::bestKinds() const {
    std::vector<std::string_view> best;
    for (const auto& k : kindsHere())
        if (best.size() < static_cast<size_t>(kArmySlots)) best.push_back(k.second);
    return best;
}

// The worth of the best army the hero's Authority could lead with the kinds the
// towns of his continent hire out to him: each kind up to its own bound.
double Player::capacity() const {
    double sum = 0;
    int n = 0;
    for (const auto& k : kindsHere())
        if (n++ < kArmySlots) sum += k.first;
    return sum;
}

double Player::townValue(int t) {
    if (auto it = quietVisit_.find(t); it != quietVisit_.end() && it->second == stateKey())
        return 0;
    const TownRecord& town = gs_.town(t);
    const long long army = armyWorth();
    const bool rebuilding = army < 0.7 * capacity();
    double v = 0;
    if (town.vaultLetter >= 1 && town.vaultLetter <= kLetters &&
        gs_.letter(town.vaultLetter) == 0) {
        const Judgement j = vaultJudgement(t);
        if (j.worthIt(rebuilding ? 0.7 : kKeepForVaults)) v += 1500 * j.kept;
    }
    const HireChoice hc = hireChoice(town);
    // Hiring matters most when it makes the army much stronger, and above all
    // when the army is far below what the hero's Authority could lead.
    if (hc.count > 0 && hc.gain >= 100 && hc.gain * 20 >= army) {
        v += std::min(1500.0, 100.0 + 1000.0 * static_cast<double>(hc.gain) /
                                          static_cast<double>(std::max(army, 300LL)));
        if (rebuilding) v += 1000;
        // A new kind in an empty slot adds a whole stack's worth of Authority.
        const HireLimit h = hireLimit(gs_, town.recruit);
        if ((h.slot != 0 && h.owned == 0) || hc.dismiss != 0) v += 1500;
    }
    return v;
}

// A band the bot would refuse if it met it now.
bool Player::refused(uint16_t code) {
    return cell::isArmy(code) && !banditJudgement(code).worthIt(kKeepForBlockers);
}

// A band closes in on a hero who steps while it stands within two cells of him:
// one it would refuse stands that near (x, y).
bool Player::threatened(const GameState& g, int x, int y) {
    for (int bx = x - 2; bx <= x + 2; ++bx)
        for (int by = y - 2; by <= y + 2; ++by)
            if (GameState::onMap(bx, by) && refused(g.here(bx, by))) return true;
    return false;
}

constexpr int kEscapeDepth = 4;
constexpr int kEscapeNodes = 3000;

// The cells around (x, y) that the army moves of one step may change.
struct Window9 {
    uint16_t c[9][9];
    void save(const GameState& g, int x, int y) {
        for (int i = 0; i < 9; ++i)
            for (int j = 0; j < 9; ++j)
                c[i][j] = GameState::onMap(x - 4 + i, y - 4 + j) ? g.here(x - 4 + i, y - 4 + j)
                                                                 : uint16_t{0};
    }
    void restore(GameState& g, int x, int y) const {
        for (int i = 0; i < 9; ++i)
            for (int j = 0; j < 9; ++j)
                if (GameState::onMap(x - 4 + i, y - 4 + j)) g.here(x - 4 + i, y - 4 + j) = c[i][j];
    }
};

// Steps on foot from every cell to the goal of the way (0 everywhere without
// one), for the keys pressed near a band.
void Player::updateGoalDistance() {
    constexpr int W = kMapW + 1, H = kMapH + 1;
    const int key = goal_ < 0 ? -1 : goal_ + gs_.continent * 100000;
    if (key == goalDistFor_ && !goalDist_.empty()) return;
    goalDistFor_ = key;
    goalDist_.assign(static_cast<size_t>(W * H), goal_ < 0 ? 0 : 999);
    if (goal_ < 0) return;
    std::deque<int> open{goal_};
    goalDist_[static_cast<size_t>(goal_)] = 0;
    while (!open.empty()) {
        const int i = open.front();
        open.pop_front();
        const int x = i / H, y = i % H;
        for (const KeyStep& k : kKeys) {
            const int tx = x + k.dx, ty = y + k.dy;
            if (!insideFrame(tx, ty)) continue;
            const uint16_t a = gs_.here(tx, ty);
            if (!(a <= 10 || a == cell::kTreasure || cell::isArmy(a))) continue;
            const size_t j = static_cast<size_t>(tx * H + ty);
            if (goalDist_[j] <= goalDist_[static_cast<size_t>(i)] + 1) continue;
            goalDist_[j] = goalDist_[static_cast<size_t>(i)] + 1;
            open.push_back(static_cast<int>(j));
        }
    }
}

// How good the keys from (hx, hy) on the simulated map are, with the map's own
// army moves: best when every refused band is left more than two cells behind,
// then when a band worth fighting is met, else by how near the goal they lead
// with how few refused bands near. Refusing a band that steps into the way
// costs nothing but the key: the hero stays and the bands have moved.
int Player::escapeScore(int hx, int hy, int depth, int limit, int& nodes) {
    constexpr int H = kMapH + 1;
    int near = 0;
    for (int bx = hx - 2; bx <= hx + 2; ++bx)
        for (int by = hy - 2; by <= hy + 2; ++by)
            near += GameState::onMap(bx, by) && refusedNow(sim_->here(bx, by));
    const int toGoal = std::min(goalDist_[static_cast<size_t>(hx * H + hy)], 400);
    if (near == 0) return 3000 - toGoal - depth;
    if (depth >= limit || ++nodes > escapeNodes_) return 1000 - toGoal - 20 * near - depth;
    int best = -1000;
    GameState& g = *sim_;
    Window9 saved;
    for (const KeyStep& k : kKeys) {
        const int tx = hx + k.dx, ty = hy + k.dy;
        if (!insideFrame(tx, ty)) continue;
        const uint16_t a = g.here(tx, ty);
        // Only a step onto open ground (or aboard) lets the bands move and the
        // hero go on; a ship leaves every band ashore.
        if (a == cell::kShip) return 3000 - depth - 1;
        if (cell::isArmy(a) && !refusedNow(a)) best = std::max(best, 2000 - depth - 1);
        if (a != cell::kGround && a != cell::kTreasure) continue;
        saved.save(g, hx, hy);
        g.heroX = static_cast<uint16_t>(hx);
        g.heroY = static_cast<uint16_t>(hy);
        moveArmies(g, tx, ty);
        const uint16_t met = g.here(tx, ty);
        int score;
        if (!cell::isArmy(met))
            score = escapeScore(tx, ty, depth + 1, limit, nodes);
        else if (!refusedNow(met))
            score = 2000 - depth - 1;
        else
            score = escapeScore(hx, hy, depth + 1, limit, nodes);  // "Отступить"
        saved.restore(g, hx, hy);
        best = std::max(best, score);
    }
    return best;
}

// A band the bot would refuse stands within two cells of the hero on foot, and
// the way ahead would meet it: the keys are tried ahead on a copy of the map and
// the best is pressed (see escapeScore). False when not threatened.
bool Player::escape() {
    if (gs_.onShip == 1 || !threatened(gs_, gs_.heroX, gs_.heroY)) return false;
    updateGoalDistance();
    fillRefused();
    GameState& g = *sim_;
    g.continent = gs_.continent;
    g.onShip = 0;
    std::memcpy(static_cast<void*>(g.mapCells[g.continent - 1]), gs_.mapCells[gs_.continent - 1],
                sizeof g.mapCells[0]);
    const int hx = gs_.heroX, hy = gs_.heroY;
    // Shut in by bands for a while: look much further ahead.
    while (!declined_.empty() && declined_.front() < st_.steps - 40) declined_.pop_front();
    // (A deep look that found no way out is not repeated at once.)
    const bool deep = declined_.size() >= 10 && st_.steps >= deepAgain_;
    escapeNodes_ = deep ? 12000 : kEscapeNodes;
    const int depthLimit = deep ? 8 : kEscapeDepth;
    MapKey best = MapKey::None;
    int bestScore = -1000, nodes = 0;
    for (const KeyStep& k : kKeys) {
        const int tx = hx + k.dx, ty = hy + k.dy;
        if (!insideFrame(tx, ty)) continue;
        const uint16_t a = g.here(tx, ty);
        int sc = -1000;
        if (a == cell::kShip) {
            sc = 3000;
        } else if (cell::isArmy(a)) {
            if (!refused(a)) sc = 2000;
        } else if (cell::isTown(a) && goal_ == tx * (kMapH + 1) + ty) {
            sc = 3000;  // the town the way leads to: no band moves
        } else if (a == cell::kGround || a == cell::kTreasure) {
            Window9 saved;
            saved.save(g, hx, hy);
            g.heroX = static_cast<uint16_t>(hx);
            g.heroY = static_cast<uint16_t>(hy);
            moveArmies(g, tx, ty);
            const uint16_t met = g.here(tx, ty);
            if (!cell::isArmy(met))
                sc = escapeScore(tx, ty, 1, depthLimit, nodes);
            else if (!refused(met))
                sc = 2000;
            else
                sc = escapeScore(hx, hy, 1, depthLimit, nodes);
            saved.restore(g, hx, hy);
        }
        if (sc > bestScore) {
            bestScore = sc;
            best = k.key;
        }
    }
    if (best == MapKey::None) {
        // Shut in by rock, water and bands that never move while he stands:
        // only a fight gets him out (a defeat puts him elsewhere).
        double fightWin = -1;
        for (const KeyStep& k : kKeys) {
            const int tx = hx + k.dx, ty = hy + k.dy;
            if (!insideFrame(tx, ty) || !cell::isArmy(gs_.here(tx, ty))) continue;
            if (const double w = banditJudgement(gs_.here(tx, ty)).win; w > fightWin) {
                fightWin = w;
                best = k.key;
                mustFight_ = true;
            }
        }
    }
    if (deep && bestScore < 2000) deepAgain_ = st_.steps + 25;
    trace("escape: score %d, %d nodes%s", bestScore, nodes, mustFight_ ? ", shut in" : "");
    if (best == MapKey::None) return false;
    intent_ = bestScore == 3000 ? Intent::Town : Intent::None;
    ++st_.steps;
    const long before = windowsOpened_;
    press(best, "getting away from a band");
    settle();
    intent_ = Intent::None;
    mustFight_ = false;
    path_.clear();
    if (windowsOpened_ != before) restUntil_ = 0;
    return true;
}

// Whether the next `steps` keys of the way, tried on a copy of the map with the
// map's own army moves, meet no band the bot would refuse.
bool Player::pathSafe(size_t steps) {
    GameState& g = *sim_;
    g.continent = gs_.continent;
    g.onShip = 0;
    std::memcpy(static_cast<void*>(g.mapCells[g.continent - 1]), gs_.mapCells[gs_.continent - 1],
                sizeof g.mapCells[0]);
    int hx = gs_.heroX, hy = gs_.heroY;
    for (size_t i = next_; i < path_.size() && i < next_ + steps; ++i) {
        const auto k = std::find_if(kKeys.begin(), kKeys.end(),
                                    [&](const KeyStep& ks) { return ks.key == path_[i].key; });
        if (k == kKeys.end()) return true;
        const int tx = hx + k->dx, ty = hy + k->dy;
        const uint16_t a = g.here(tx, ty);
        if (cell::isArmy(a)) return !refused(a);
        if (a != cell::kGround && a != cell::kTreasure) return true;  // a town, a ship...
        g.heroX = static_cast<uint16_t>(hx);
        g.heroY = static_cast<uint16_t>(hy);
        moveArmies(g, tx, ty);
        if (const uint16_t met = g.here(tx, ty); cell::isArmy(met)) return !refused(met);
        hx = tx;
        hy = ty;
    }
    return true;
}

bool Player::readyFor(int c) {
    int beaten = 0;
    for (int g = 0; g < 4; ++g)
        beaten += banditJudgement(static_cast<uint16_t>(cell::kBanditFirst + (c - 1) * 20 + g))
                      .worthIt(kKeepForBandits);
    return beaten >= 2;
}

void Player::updateGrave() {
    uint32_t letters = 0;
    for (int k = 1; k <= kLetters; ++k) letters |= static_cast<uint32_t>(gs_.letter(k) & 1) << k;
    if (letters == graveLetters_) return;
    graveLetters_ = letters;
    grave_ = knownGrave(gs_);
    if (grave_ && st_.graveKnownAtStep < 0) st_.graveKnownAtStep = st_.steps;
}

bool Player::onCourse() const {
    if (next_ >= path_.size() || gs_.continent != plannedContinent_) return false;
    const PathStep& s = path_[next_];
    return s.x == gs_.heroX && s.y == gs_.heroY && s.ship == gs_.onShip;
}

// Cheapest ways from the hero to everything on his continent (on foot, by ship,
// boarding moored ships, buying one in a town), then the most worthwhile goal.
void Player::plan() {
    path_.clear();
    next_ = 0;
    plannedAt_ = st_.steps;
    plannedContinent_ = gs_.continent;

    constexpr int W = kMapW + 1, H = kMapH + 1, N = 2 * W * H;
    auto id = [](int x, int y, int ship) { return (ship * W + x) * H + y; };
    constexpr int kInf = 1 << 29;

    // Armies the bot would not fight make their surroundings costly.
    std::vector<int> danger(static_cast<size_t>(W * H), 0);
    for (int x = 1; x <= kMapW; ++x)
        for (int y = 1; y <= kMapH; ++y) {
            const uint16_t c = gs_.here(x, y);
            if (!cell::isArmy(c) || banditJudgement(c).worthIt(kKeepForBandits)) continue;
            // A band closes in on a hero who steps within two cells of it and
            // then follows him: keep three cells away, above all from the bands
            // it would refuse.
            static constexpr int kRefused[4] = {300, 300, 150, 5};
            static constexpr int kAvoided[4] = {300, 300, 100, 5};
            const int* near = refused(c) ? kRefused : kAvoided;
            for (int dx = -3; dx <= 3; ++dx)
                for (int dy = -3; dy <= 3; ++dy)
                    if (GameState::onMap(x + dx, y + dy))
                        danger[static_cast<size_t>((x + dx) * H + y + dy)] +=
                            near[std::max(std::abs(dx), std::abs(dy))];
        }
    // Unexplored cells in the 5 x 5 square a step onto (x, y) uncovers.
    std::vector<int> hidden(static_cast<size_t>((W + 1) * (H + 1)), 0);
    auto sum = [&](int x, int y) -> int& { return hidden[static_cast<size_t>(x * (H + 1) + y)]; };
    for (int x = 1; x <= kMapW; ++x)
        for (int y = 1; y <= kMapH; ++y)
            sum(x, y) = sum(x - 1, y) + sum(x, y - 1) - sum(x - 1, y - 1) +
                        (gs_.explored(gs_.continent, x, y) == 0);
    auto unexplored = [&](int x, int y) {
        const int x0 = std::max(1, x - 2) - 1, x1 = std::min(kMapW, x + 2);
        const int y0 = std::max(1, y - 2) - 1, y1 = std::min(kMapH, y + 2);
        return sum(x1, y1) - sum(x0, y1) - sum(x1, y0) + sum(x0, y0);
    };

    struct Prev {
        int from = -1;
        MapKey key = MapKey::None;
        Intent intent = Intent::None;
    };
    std::vector<int> dist(N, kInf);
    std::vector<Prev> prev(N);
    struct Bump {
        int dist = kInf, from = -1;
        MapKey key = MapKey::None;
    };
    std::vector<Bump> bump(static_cast<size_t>(W * H));

    using Item = std::pair<int, int>;
    std::priority_queue<Item, std::vector<Item>, std::greater<>> open;
    const int start = id(gs_.heroX, gs_.heroY, gs_.onShip);
    dist[start] = 0;
    open.push({0, start});
    auto relax = [&](int from, int to, int d, MapKey key, Intent intent) {
        if (d >= dist[to]) return;
        dist[to] = d;
        prev[to] = {from, key, intent};
        open.push({d, to});
    };

    const bool graveHere = grave_ && grave_->continent == gs_.continent && gs_.spellTries > 0;
    int bestNode = -1, bestBump = -1;
    double bestScore = 0;
    Intent bestIntent = Intent::None;

    while (!open.empty()) {
        const auto [d, i] = open.top();
        open.pop();
        if (d > dist[i]) continue;
        const int ship = i / (W * H), x = i / H % W, y = i % H;

        double value = 0;
        if (const int u = unexplored(x, y); u > 0) value = 20 + 4 * u;
        const uint16_t here = gs_.here(x, y);
        if (here == cell::kTreasure) value = std::max(value, 400.0);
        if (here == cell::kOrb) value = std::max(value, 40.0);
        if (graveHere && x == grave_->x && y == grave_->y) value = 1e6;
        if (value > 0 && blocked(x, y)) value = 0;
        if (value - d > bestScore) {
            bestScore = value - d;
            bestNode = i;
            bestBump = -1;
        }

        for (const KeyStep& k : kKeys) {
            const int tx = x + k.dx, ty = y + k.dy;
            if (!insideFrame(tx, ty)) continue;
            const uint16_t a = gs_.here(tx, ty);
            // Going nearer a band costs; moving away or along costs nothing, so a
            // hero already close to one is never too afraid to leave.
            const int cost = d + 1 +
                             std::max(0, danger[static_cast<size_t>(tx * H + ty)] -
                                             danger[static_cast<size_t>(x * H + y)]);
            if (cell::isArmy(a) || cell::isTown(a) || a == cell::kPortal) {
                Bump& b = bump[static_cast<size_t>(tx * H + ty)];
                if (cost < b.dist) b = {cost, i, k.key};
                // A town by the water sells ships to a hero on foot.
                if (cell::isTown(a) && ship == 0 && gs_.gold >= kShipPrice) {
                    const TownRecord& town = gs_.town(a - cell::kTownBase);
                    if (town.race < 1 || town.race > kRaces || gs_.relation(town.race) < 3)
                        continue;
                    for (int dx = -1; dx <= 1; ++dx)
                        for (int dy = -1; dy <= 1; ++dy) {
                            const int wx = tx + dx, wy = ty + dy;
                            if (GameState::onMap(wx, wy) && gs_.here(wx, wy) >= 100 &&
                                gs_.here(wx, wy) <= 109)
                                relax(i, id(wx, wy, 1), cost + 60, k.key, Intent::BuyShip);
                        }
                }
                continue;
            }
            if (a <= 10 || a == cell::kTreasure || a == cell::kOrb)
                relax(i, id(tx, ty, 0), cost, k.key, Intent::None);
            else if (a == cell::kShip || (ship == 1 && cell::isWater(a)))
                relax(i, id(tx, ty, 1), cost, k.key, Intent::None);
        }
    }

    // Bumps: armies worth beating, towns worth a visit, the portal. An army far
    // below what it could be seeks only easy fights until it is rebuilt.
    const bool rebuilding = armyWorth() < 0.7 * capacity();
    const bool graveElsewhere = grave_ && grave_->continent != gs_.continent && gs_.spellTries > 0;
    int portal = -1;
    for (int x = 1; x <= kMapW; ++x)
        for (int y = 1; y <= kMapH; ++y) {
            const Bump& b = bump[static_cast<size_t>(x * H + y)];
            if (b.from < 0) continue;
            const uint16_t a = gs_.here(x, y);
            double value = 0;
            Intent intent = Intent::None;
            if (cell::isArmy(a)) {
                intent = Intent::Army;
                if (const Judgement j = banditJudgement(a);
                    j.worthIt(rebuilding ? 0.7 : kKeepForBandits)) {
                    const int g = banditGroup(a);
                    value = (150 + (g >= 0 ? EncounterGroupTable[g].rewardGold / 5.0 : 0)) * j.kept;
                }
            } else if (cell::isTown(a)) {
                intent = Intent::Town;
                value = townValue(a - cell::kTownBase);
            } else {
                intent = Intent::Portal;
                portal = x * H + y;
                if (graveElsewhere) value = 1e5;
            }
            if (value > 0 && blocked(x, y)) value = 0;
            if (value - b.dist > bestScore) {
                bestScore = value - b.dist;
                bestBump = x * H + y;
                bestIntent = intent;
                bestNode = -1;
            }
        }
    // Nothing left to do here: on to the next continent now and then, when the
    // army would beat most of the bands met there, or after a long while idle
    // (its towns hire stronger kinds, its chests hold more gold).
    if (bestNode < 0 && bestBump < 0 && portal >= 0 && st_.steps - lastPortal_ > 300 &&
        (readyFor(portalTargetOf(gs_)) || idle_ >= 40)) {
        bestBump = portal;
        bestIntent = Intent::Portal;
    }

    if (o_.trace) {
        const int g = bestBump >= 0 ? bestBump : bestNode % (W * H);
        trace("plan: %s (%d,%d) score %.0f",
              bestBump >= 0   ? "bump"
              : bestNode >= 0 ? "reach"
                              : "rest",
              g / H, g % H, bestScore);
    }
    goal_ = bestBump >= 0 ? bestBump : bestNode >= 0 ? bestNode % (W * H) : -1;
    std::vector<PathStep> rev;
    int node = bestNode;
    if (bestBump >= 0) {
        const Bump& b = bump[static_cast<size_t>(bestBump)];
        node = b.from;
        rev.push_back({b.key, node / H % W, node % H, node / (W * H), bestIntent});
    }
    if (node < 0) return;  // nothing worth a step: rest
    while (node != start && prev[node].from >= 0) {
        const int from = prev[node].from;
        rev.push_back({prev[node].key, from / H % W, from % H, from / (W * H), prev[node].intent});
        node = from;
    }
    path_.assign(rev.rbegin(), rev.rend());
}

void Player::turn() {
    if (pendingDismiss_ != 0) {
        dismissSlot(gs_, pendingDismiss_);  // the army window, from the map
        ++st_.dismissals;
        pendingDismiss_ = 0;
        path_.clear();
        verify("dismissing a stack");
    }
    updateGrave();
    // Once won, a game played on walks off the grave: reading again would take no
    // step and the bot would stand there for ever.
    if (!st_.won && grave_ && gs_.continent == grave_->continent && gs_.heroX == grave_->x &&
        gs_.heroY == grave_->y) {
        readTheSpell();
        if (st_.won) return;
    }
    // Going to and fro between the same cells (a band keeps the way shut, or
    // the way and the dodging disagree): leave that goal alone a while.
    const int here = gs_.continent * 100000 + gs_.heroX * (kMapH + 1) + gs_.heroY;
    recent_.push_back(here);
    if (recent_.size() > 40) recent_.pop_front();
    if (goal_ >= 0 && std::count(recent_.begin(), recent_.end(), here) >= 8) {
        blockedGoals_[goal_ + gs_.continent * 100000] = st_.steps + 300;
        trace("going round in circles: goal (%d,%d) left alone", goal_ / (kMapH + 1),
              goal_ % (kMapH + 1));
        recent_.clear();
        path_.clear();
    }
    // Held on one cell for long by bands that step into every way out: fight
    // the most beatable of them (a defeat puts the hero elsewhere).
    held_ = here == heldAt_ ? held_ + 1 : 0;
    heldAt_ = here;
    if (held_ >= 40 && gs_.onShip == 0) {
        MapKey key = MapKey::None;
        double win = -1;
        for (const KeyStep& k : kKeys) {
            const int tx = gs_.heroX + k.dx, ty = gs_.heroY + k.dy;
            if (!insideFrame(tx, ty) || !cell::isArmy(gs_.here(tx, ty))) continue;
            if (const double w = banditJudgement(gs_.here(tx, ty)).win; w > win) {
                win = w;
                key = k.key;
            }
        }
        if (key != MapKey::None) {
            trace("held by bands: fighting");
            held_ = 0;
            mustFight_ = true;
            ++st_.steps;
            press(key, "a step into a band");
            settle();
            mustFight_ = false;
            path_.clear();
            return;
        }
    }
    const bool resting = path_.empty() && st_.steps < restUntil_;
    if (!resting && (path_.empty() || st_.steps - plannedAt_ >= kReplanEvery || !onCourse())) {
        plan();
        // Nothing worth a step: rest a while before looking again.
        if (path_.empty()) restUntil_ = st_.steps + 30;
        idle_ = path_.empty() ? idle_ + 1 : 0;
    }
    // Near a band it would refuse, the hero keeps to his way only while the
    // next steps of it stay out of the band's reach.
    if (gs_.onShip == 0 && threatened(gs_, gs_.heroX, gs_.heroY) && !(onCourse() && pathSafe(8)) &&
        escape())
        return;

    MapKey key = MapKey::Space;  // nothing to do: let a day go by
    intent_ = Intent::None;
    if (onCourse()) {
        key = path_[next_].key;
        intent_ = path_[next_].intent;
        ++next_;
    }
    ++st_.steps;
    const long before = windowsOpened_;
    press(key, key == MapKey::Space ? "resting" : "a step");
    settle();
    intent_ = Intent::None;
    if (windowsOpened_ != before) {
        path_.clear();
        restUntil_ = 0;
    }
}

Stats Player::run() {
    const auto t0 = Clock::now();
    try {
        verify("loading");
        // Showing the map window refreshes it with a Space key.
        press(MapKey::Space, "showing the map");
        settle();
        // A turn that presses no key must not repeat for ever: that would hang a
        // soak instead of reporting what went wrong.
        long idle = 0;
        while (st_.steps < o_.steps && !(st_.won && o_.stopWhenWon)) {
            const long before = st_.steps;
            turn();
            idle = st_.steps == before ? idle + 1 : 0;
            if (idle > 1000) throw Broken("the bot pressed no key in 1000 turns");
        }
    } catch (const Broken& e) {
        st_.failure = e.what();
    }
    st_.seconds = since(t0);
    st_.letters = 0;
    for (int k = 1; k <= kLetters; ++k) st_.letters += gs_.letter(k) == 1;
    return st_;
}

}  // namespace

Stats play(GameState& gs, Random& rnd, const Options& o) {
    Player p(gs, rnd, o);
    return p.run();
}

std::string summary(const Stats& s, const GameState& gs) {
    auto perSecond = [](double n, double secs) { return secs > 0 ? n / secs : 0.0; };
    char buf[256];
    std::string out;
    std::snprintf(buf, sizeof buf, "steps: %ld (game step counter %u, week %u)\n", s.steps,
                  gs.steps, gs.week());
    out += buf;
    const long battles = s.battlesWon + s.battlesLost + s.retreats;
    std::snprintf(buf, sizeof buf,
                  "battles: %ld (won %ld, lost %ld, retreats %ld; bandits beaten %ld, vaults "
                  "taken %ld, bandits avoided %ld), trial battles %ld, checks in battles %ld\n",
                  battles, s.battlesWon, s.battlesLost, s.retreats, s.banditsBeaten, s.vaultsTaken,
                  s.banditsDeclined, s.trialBattles, s.battleActions);
    out += buf;
    std::snprintf(buf, sizeof buf,
                  "map: treasures %ld, portals %ld, ships bought %ld, hires %ld, dismissals %ld, "
                  "temple gifts %ld, new weeks %ld\n",
                  s.treasures, s.portals, s.shipsBought, s.hires, s.dismissals, s.templeGifts,
                  s.newWeeks);
    out += buf;
    std::string letters;
    for (int k = 1; k <= kLetters; ++k)
        if (gs.letter(k) == 1) letters += std::string(DiaryAlphabet[k]);
    std::snprintf(buf, sizeof buf, "letters: %d of 30 %s\n", s.letters, letters.c_str());
    out += buf;
    out += "hero: gold " + std::to_string(gs.gold) + ", Authority " + std::to_string(gs.authority) +
           ", army";
    for (int k = 1; k <= kArmySlots; ++k)
        if (gs.slot(k).count > 0)
            out += " " + gs.slot(k).name.str() + " x" + std::to_string(gs.slot(k).count);
    out += "\n";
    if (s.graveKnownAtStep >= 0)
        out += "grave named by the diary at step " + std::to_string(s.graveKnownAtStep) + "\n";
    out += s.won ? "game won at step " + std::to_string(s.wonAtStep) + "\n" : "game not won\n";
    std::snprintf(buf, sizeof buf,
                  "time: %.2f s, %.0f steps per second, %.0f battles per second (%ld real and "
                  "trial battles in %.2f s)\n",
                  s.seconds, perSecond(static_cast<double>(s.steps), s.seconds),
                  perSecond(static_cast<double>(battles + s.trialBattles), s.battleSeconds),
                  battles + s.trialBattles, s.battleSeconds);
    out += buf;
    if (!s.failure.empty()) out += "INVARIANT BROKEN: " + s.failure + "\n";
    return out;
}

}  // namespace bot
