// What the end of a battle does to the game: the victory's reward, the defeat's
// losses and the halving of a retreating army. The outcome windows show the texts
// these return.
#pragma once

#include <string>

struct GameState;
struct BattleReward;
struct BattleSides;

// The runic letter n (1..30) of the diary, as one UTF-8 character; "" outside.
std::string diaryLetter(int n);

// Pays out `reward`: gold, Authority, the deciphered letter, the relations that
// change, the map cell that is cleared. Returns the results text (CR LF lines).
std::string applyVictory(GameState& gs, const BattleReward& reward);

// Takes a quarter of the gold and a fifth of the Authority. Returns the losses
// text, its lines broken by LF CR (the defeat window drops the CR).
std::string applyDefeat(GameState& gs);

// Leaving a battle: every army slot keeps half (rounded down) of its battle
// stack's survivors, and the hero's battle stacks are emptied.
void applyRetreat(GameState& gs, BattleSides& sides);
