// The rules of the towns and of the hero's army, free of any window: what the
// town window shows and allows, hiring, ships, the temple, the vault and its
// storm, army order and dismissal, the weekly events and the town list. The
// windows call these and copy the results into their controls.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/data/Creatures.h"

struct GameState;
struct TownRecord;
struct Session;
struct BattleReward;
struct BattleSides;
class Random;

// Prices the town window asks for.
inline constexpr uint32_t kShipPrice = 300;
inline constexpr uint32_t kTemplePrice = 10000;

// ---- texts shared by several windows ----------------------------------------

// The description of a stack for the town and army windows: a heading, three
// lines of three 18-character columns and the shooter / flyer line (CR LF breaks).
std::string troopText(const Troop& t);

// "Золото 350        Авторитет 120      ": the hero's status line.
std::string statusLine(const GameState& gs);

// The race name as stored, or "" for a number outside 1..5.
std::string raceNameOf(const GameState& gs, int race);

// ---- town window --------------------------------------------------------------

// Where a hire goes and how many may be hired.
struct HireLimit {
    int slot = 0;   // army slot 1..5 the hire goes into; 0 when the army has no room
    int owned = 0;  // head count of this kind already in the army
    int limit = 0;  // most that may be hired now (gold, Authority, head-count room)
};
HireLimit hireLimit(const GameState& gs, const Troop& recruit);

// "Нанять N за M".
std::string hireCaption(const Troop& recruit, int count);

// Everything the town window shows, in the state its controls take.
struct TownScreen {
    int town = 0;  // 1..30; 0 when the entered code names no town
    int race = 0;
    std::string caption;       // window caption
    std::string relationLine;  // over the town picture
    bool relationRed = false;  // relation below neutral
    std::string recruitPic;    // picture file of the recruit kind, under the army folder
    std::string recruitText;   // troopText of the recruit kind
    std::string status;        // gold and Authority

    HireLimit hire;
    bool trackEnabled = false;
    bool hireEnabled = false;
    std::string hireCaption;  // the hire button
    std::string hireText;     // the line under the status line

    std::string shipCaption;
    bool shipEnabled = false;
    std::string templeCaption;
    bool templeEnabled = false;
    bool vaultEnabled = false;
};

// The town window's show: builds the screen of the town in `s.enteredTown` and
// makes its side effects (the reward clears no map cell, the town becomes known,
// the town's ship place is found again).
TownScreen showTown(GameState& gs, Session& s);

// Hires `count` recruits into `limit.slot` (the whole template is copied, the
// head count becomes count + owned). False, changing nothing, when the hire is
// not allowed (no slot, more than the limit, not enough gold).
bool hireRecruits(GameState& gs, const TownRecord& town, const HireLimit& limit, int count);

// Buys a ship at the place the show found: the hero sails from that water cell.
// False, changing nothing, without the gold or a place.
bool buyShip(GameState& gs, const TownRecord& town);

// The temple's sacrifice: 10000 gold for one step of the town race's relation.
// False, changing nothing, without the gold.
bool templeSacrifice(GameState& gs, const TownRecord& town);

// ---- vault ----------------------------------------------------------------------

// "несколько" (0..9), "немного" (10..19), "отряд" (20..29), "гарнизон" (30 and more).
std::string guardWord(int count);

// The vault window's text: the guards and the relations a victory changes.
std::string vaultText(const GameState& gs, const TownRecord& town);

// What storming this vault brings; the map cell fields are left as they are.
void fillVaultReward(BattleReward& reward, const TownRecord& town);

// The two sides of the storm: the hero's army against the garrison, head counts
// included, empty slots as empty stacks.
void setUpStorm(const GameState& gs, const TownRecord& town, BattleSides& sides);

// ---- army -------------------------------------------------------------------------

// Swaps the selected slot with the one above (below); `selected` follows it.
// False at the end of the army.
bool moveSlotUp(GameState& gs, int& selected);
bool moveSlotDown(GameState& gs, int& selected);
// Empties a slot (its head count becomes 0).
void dismissSlot(GameState& gs, int slot);
// "Уволить " + name + "?"
std::string dismissQuestion(const GameState& gs, int slot);

// ---- new week -----------------------------------------------------------------------

// Draws at most one event of the week, applies it and returns the report.
std::string newWeekEvent(GameState& gs, Random& rnd);

// ---- town list ----------------------------------------------------------------------

// Where a line of the town list points: its town's continent and cell, or
// continent 0 for a hyphen line.
struct TownListPlace {
    int continent = 0;
    int x = 0;
    int y = 0;
};

// The lines of the town list: per continent a hyphen line, then six lines for
// every known town, in the order of the map (x, then y). `places`, when given,
// receives the place of every line.
std::vector<std::string> townListLines(const GameState& gs,
                                       std::vector<TownListPlace>* places = nullptr);
