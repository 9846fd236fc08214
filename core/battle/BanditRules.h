// The band of robbers the hero runs into: who is in it, what beating it brings,
// and the two sides of the battle against it.
#pragma once

#include <cstdint>
#include <string>

struct GameState;
struct BattleReward;
struct BattleSides;

// The bandit group of a map code (500 + group); -1 for a code that names no group.
int banditGroup(uint16_t encounterCode);
// "В отряде есть:" and the members' names in capitals, one per line. The first
// break is LF CR, the others CR LF (the bandit window drops the CR).
std::string banditText(int group);
// Gold and Authority of the group; no letter, no relation changes. The cell to
// clear was set by the map and stays.
void banditReward(BattleReward& reward, int group);
// The hero's five army slots against the group's three members.
void banditSides(BattleSides& sides, const GameState& gs, int group);
