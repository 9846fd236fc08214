// Checks that a map text keeps the world playable. The grave, a portal landing and
// a defeat landing may fall on any open cell, so every open cell must be able to
// reach every other one:
//  - open cells (spaces, where treasure, bandits and the orb may also lie) form land
//    regions, joined in 8 directions as the hero walks;
//  - a region can leave by ship when it touches (8 directions) a town with water
//    among its 8 neighbours: the ship is bought there and put on the water cell the
//    town window picks; on that body of water it reaches every region touching it;
//  - every region must reach every other region this way, and every town and the
//    portal must touch a region;
//  - corridors should be two cells wide, so that one bandit seldom seals a part of
//    the land off: a "chokepoint" is an open cell whose loss would cut off at least
//    kChokePocket open cells, or every way to a town or the portal, and a town or the
//    portal touching only one open cell counts as one too.
// Besides, the text must have the exact format and letter counts of its continent.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/data/ContinentBuilder.h"

constexpr int kChokePocket = 6;

struct MapCheckReport {
    std::vector<std::string> errors;  // anything that breaks the format or the rule
    int regions = 0;                  // land regions (8-connected open cells)
    int waterBodies = 0;              // 8-connected water inside the sailing frame
    int harbourTowns = 0;             // towns where a ship can be bought
    std::vector<CellXY> chokepoints;  // cells as defined above
    bool ok() const { return errors.empty(); }
};

MapCheckReport checkMapText(int c, std::string_view text);
