// The tactical battle's rules: the 7 x 5 field, the stacks of both sides, turn
// order, steps, fights, shots, flights, the battle clock's checks and the enemy's
// own decisions. No window here: everything the rules show or play goes through
// BattleView, which the battle window implements and tests record.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/data/Creatures.h"

struct GameState;
struct Session;
class Random;

namespace battle {

constexpr int kCols = 7;  // x 1..7, left to right
constexpr int kRows = 5;  // y 1..5, top to bottom
constexpr int kSlots = 5;
constexpr int kHeroSide = 1;
constexpr int kEnemySide = 2;

// Cell codes of the field. Obstacles (1..7) can never be entered.
enum CellCode : uint8_t {
    kFree = 0,
    kWater = 1,
    kRock = 2,
    kTree = 3,
    kPit = 4,
    kLake = 5,
    kBog = 6,
    kWall = 7,
};

// A stack is named on the field by 10 * side + slot: hero 11..15, enemy 21..25.
inline int codeOf(int side, int slot) {
    return side * 10 + slot;
}
inline int sideOf(int code) {
    return code / 10;
}
inline int slotOf(int code) {
    return code % 10;
}
inline int otherSide(int side) {
    return side == kHeroSide ? kEnemySide : kHeroSide;
}
inline bool isStackCode(int c) {
    return (c >= 11 && c <= 15) || (c >= 21 && c <= 25);
}
inline bool isObstacle(int c) {
    return c >= 1 && c <= 7;
}

struct Cell {
    int x = 0;
    int y = 0;
    bool operator==(const Cell&) const = default;
};
inline bool insideField(int x, int y) {
    return x >= 1 && x <= kCols && y >= 1 && y <= kRows;
}
// Steps along columns plus steps along rows: a diagonal neighbour is 2 away.
int distance(Cell a, Cell b);
bool areNeighbours(Cell a, Cell b);
// The one order in which neighbours are looked at: (dx, dy).
inline constexpr std::array<std::array<int, 2>, 8> kNeighbourOrder{
    {{1, 1}, {1, 0}, {1, -1}, {0, 1}, {0, -1}, {-1, 1}, {-1, 0}, {-1, -1}}};

// 7 x 5 bytes, 1-based.
struct CellGrid {
    uint8_t c[kCols][kRows]{};
    uint8_t& at(int x, int y) { return c[x - 1][y - 1]; }
    uint8_t at(int x, int y) const { return c[x - 1][y - 1]; }
    uint8_t& at(Cell p) { return at(p.x, p.y); }
    uint8_t at(Cell p) const { return at(p.x, p.y); }
    void clear() { *this = CellGrid{}; }
};
using BattleField = CellGrid;  // what stands in each cell
using DeadMarks = CellGrid;    // 1 where a stack was wiped out

// The outcome of one exchange. For a shot only the defender's half is used.
struct FightResult {
    uint16_t attackersKilled = 0;
    uint16_t attackerTopHits = 0;
    uint16_t defendersKilled = 0;
    uint16_t defenderTopHits = 0;
};
// Attacker a strikes defender b, who strikes back with its whole count at once.
// Damage is computed exactly in 32 bits: a bigger stack never deals less.
FightResult MeleeResult(const Troop& a, const Troop& b, Random& rnd);
// Shooter a at target b; no return fire.
FightResult ShotResult(const Troop& a, const Troop& b, Random& rnd);

// " -= name =-  Количество N." and three lines of values, CR LF between lines.
std::string stackDescription(const Troop& t);
// "-= name =-  Осталось ходов - N"
std::string turnText(const Troop& t);

enum class Cursor { Arrow, Cross, Hand };
enum class FrameKind { Impact, Missile };

// Texts of the help lines.
extern const char* const kHelpMove;
extern const char* const kHelpShoot;
extern const char* const kHelpFly;
extern const char* const kHelpEnemy;
std::string blanks();  // the 152 spaces a cleared help line holds

// One action of the battle, as the battle log tells it.
struct BattleEvent {
    enum class Kind { Round, Step, Fly, Wait, Melee, Shot, Wiped };
    Kind kind = Kind::Round;
    int actor = 0;         // the stack's code; for a new round, the round's number
    int target = 0;        // melee and shot: the stack struck
    Cell from, to;         // step and flight
    int damage = 0;        // hit points the target lost
    int killed = 0;        // creatures of the target killed
    int returnDamage = 0;  // melee: hit points the attacker lost to the return blow
    int lost = 0;          // melee: creatures of the attacker killed
};

// What the rules do to the screen and the speakers.
class BattleView {
public:
    virtual ~BattleView() = default;
    // The battle window is shown (false once the battle has ended).
    virtual bool battleVisible() const = 0;
    virtual void status(const std::string& text) = 0;  // written and repainted at once
    virtual void help(const std::string& text) = 0;    // first help line
    virtual void help2(const std::string& text) = 0;   // second help line (shoot / fly)
    virtual void roundLabel(const std::string& text) = 0;
    virtual void retreatShown(bool shown) = 0;
    virtual void cursor(Cursor c) = 0;
    virtual void repaint() = 0;  // draws the field from the engine's state
    virtual void pause(int ms) = 0;
    virtual void sound(const std::string& relativePath) = 0;
    virtual void clockRunning(bool on) = 0;
    // One impact or missile frame (n = 1..4) drawn over the top-left of a cell.
    virtual void frame(FrameKind kind, int n, Cell cell) = 0;
    // The dotted line of a shot, from cell to cell.
    virtual void shotLine(Cell from, Cell to) = 0;
    // The battle is over; the window closes itself and shows the outcome.
    virtual void battleOver(bool heroWon) = 0;
    // A hero stack has the turn and waits for its orders (the window may hand
    // them to the computer).
    virtual void heroTurn() {}
    // What just happened, for the battle log (nobody keeps one by default).
    virtual void event(const BattleEvent&) {}
};

// A stack picture sliding between two cells during a step.
struct MovingPicture {
    bool shown = false;
    int x = 0;  // canvas position
    int y = 0;
    int code = 0;
};

enum class Outcome { Running, Victory, Defeat };

class BattleEngine {
public:
    BattleEngine(GameState& gs, Session& session, Random& rnd, BattleView& view);
    // Shows the battle on another view from now on: quick combat fights on the
    // battle window's own engine with a view that shows nothing, and a fight the
    // computer cannot finish goes on in the window on the same field.
    void setView(BattleView& view) { view_ = &view; }
    BattleView& view() { return *view_; }
    // Tells the view what it shows of the battle as it stands: the round, and the
    // texts and cursor of the hero stack that has the turn.
    void ShowTurn();

    // The set-up run when the battle window is shown: field, obstacles, both
    // sides, vault walls, background, then the clock starts. `reseed` draws a new
    // seed first, as every battle does.
    void Setup(bool reseed = true);

    // ---- battle data, read by the window to draw ------------------------------
    BattleField field;
    DeadMarks dead;
    int background = 1;     // free<N>.pic
    int animPhase = -1000;  // -1000 until the first tick, then 1..4
    bool gridLines = false;
    MovingPicture moving;
    Cursor cursor = Cursor::Arrow;
    std::string roundText = "Т У Р: 0";
    Outcome outcome = Outcome::Running;

    Troop& StackByCode(int code);
    const Troop& StackByCode(int code) const;
    Troop& stack(int side, int slot) { return StackByCode(codeOf(side, slot)); }
    // Where `code` stands (columns 1..7, rows 1..5 within each); false and `at`
    // unchanged when it is not on the field.
    bool FindStack(int code, Cell& at) const;
    int round() const;  // the number on the round label
    bool vault() const;
    // The battle goes on: the window is shown and no side has been declared beaten.
    bool running() const;

    // ---- rounds and turns ---------------------------------------------------
    void NewRound();
    bool NextStack();
    void Continue();
    void EndTurn(int side, int slot);
    void Wait(int code);
    bool CanShoot(int code) const;

    // ---- actions (both sides) -----------------------------------------------
    void Step(Cell from, Cell to, int code);
    void Melee(int attacker, int defender, Cell target);
    void Shoot(int shooter, int target);
    void Fly(int code, Cell to);

    // The battle clock: ends the battle when a side is empty (the hero's side
    // first), starts the first round on its first run, clears wiped-out stacks
    // and advances the animation.
    void Tick();

    // The computer's play for the active stack of `side` (the enemy's turn; the
    // same decisions serve the hero's side when the computer plays both).
    void SideTurn(int side);

    // ---- the player's input for the hero stack that has the turn --------------
    int activeHeroCode() const;  // 0 when no hero stack has the turn
    void HeroEndTurn();          // Space
    void HeroWait();             // W
    void HeroDirection(int dx, int dy);
    // Left button on a cell (1-based): a shot with the cross, a flight with the
    // hand. Returns whether anything happened.
    bool HeroClick(Cell cell);
    void ToggleGrid() { gridLines = !gridLines; }

private:
    int livingCount(int side) const;
    bool hasNeighbourOf(Cell c, int side) const;
    // The computer's turn, a function a phase (EnemyTurn.cpp).
    double targetScore(const Troop& us, int usCode, const Troop& them, int themCode,
                       double carried);
    bool threatensShooter(const Troop& them, Cell themAt, int ourSide) const;
    int shotTarget(const Troop& us, Cell at, int foe);
    bool stepAway(int code, Cell at, int foe);
    void flyAndStrike(int code, int foe);
    bool strikeWithinStep(int code, Cell at, int foe);
    void approach(int code, Cell at, int foe);
    void finish(bool heroWon);
    void tell(const BattleEvent& e);
    void setCursor(Cursor c);
    void showHeroTurn(int slot);

    GameState& gs_;
    Session& session_;
    Random& rnd_;
    BattleView* view_;
};

}  // namespace battle
