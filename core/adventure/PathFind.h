// The way to a cell of the map as the shortest chain of the map's own key
// presses. The search follows the hero's step exactly: the frame the keys allow,
// walking over open ground, boarding a moored ship and sailing on, stepping
// ashore, and the cells that open a window, which may only end a path. It only
// goes over cells the player has explored, so a path tells nothing new.
#pragma once

#include <string>
#include <vector>

#include "platform/GameKeys.h"

struct GameState;

// One press of a path and the cell it aims at.
struct PathStep {
    GameKey key;
    int x;
    int y;
};

struct MapPath {
    bool found = false;
    std::vector<PathStep> presses;
    // The last press only bumps into what stands there (a town, an army, a
    // portal): the window opens and the hero stays where he is.
    bool endsWithBump = false;
    // The target was unexplored: the path ends on the explored cell nearest it.
    bool towardUnknown = false;

    // The presses the calendar counts on the way: every one that moves the hero.
    int movingPresses() const { return static_cast<int>(presses.size()) - (endsWithBump ? 1 : 0); }
};

// Whether bumping into a cell of this code opens a window: a town, a roaming
// army, a treasure, the portal or the orb.
bool opensWindow(int code);

// The shortest chain of presses from the hero to (tx, ty) on his continent.
// Among equally short chains it keeps straight on where it can. Not found: the
// target is outside the frame, unexplored, blocked, or cut off. The hero's own
// cell is found with no press at all.
MapPath findPath(const GameState& gs, int tx, int ty);

// Where a click on (tx, ty) leads. An explored cell: `findPath`. An unexplored
// one: toward it, to the cell nearest it by 8-neighbour distance (max(|dx|, |dy|))
// among those the way reaches that are explored, can be stood on and open no
// window; between equally near ones the fewest presses, then the search's own
// order. Not found when no such cell is nearer to the target than the hero.
MapPath findPathToward(const GameState& gs, int tx, int ty);

// Whether a roaming army stands on one of the eight cells around the hero.
bool armyNextToHero(const GameState& gs);
// Whether a press aiming at open ground (x, y) would meet an army: one of those
// that close in on the hero's target stands next to it and steps onto it.
bool armyMayStepOnto(const GameState& gs, int x, int y);

// "Путь: 14 шагов, прибытие ≈ Неделя 2 День 3": the presses and the day the
// calendar shows on arrival; "Путь к краю разведанного: 10 шагов" toward the unknown.
std::string pathSummary(const GameState& gs, const MapPath& path);
// What a click on a cell the hero cannot reach says.
extern const char* const kNoWayText;
