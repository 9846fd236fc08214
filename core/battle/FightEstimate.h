// How a fight is likely to go, told to the player before it starts: a few dozen
// quick battles between copies of the two sides, the computer playing both, on a
// generator of their own. The game's generator and the sides themselves are never
// touched, so a game plays the same whether or not the estimate was made.
#pragma once

#include <string>

struct BattleSides;

namespace battle {

enum class Chances { None, Low, Even, High };

struct FightEstimate {
    Chances chances = Chances::None;
    int wins = 0;    // trial battles the hero's side won
    int trials = 0;  // trial battles fought (0 when the hero has no army)
    // The median share of the hero's creatures lost in the won trials, in per
    // cent rounded to tens; -1 when no trial was won.
    int lossPercent = -1;
};

constexpr int kEstimateTrials = 32;

// `vault`: fought on a vault's field, walls in front of the defenders.
FightEstimate EstimateFight(const BattleSides& sides, bool vault, int trials = kEstimateTrials);

// "Шансы на победу: высокие" (примерно равные, низкие), or that the battle
// cannot be won when the hero has nobody to fight with.
std::string chancesText(Chances c);
// "Потери при победе: около 30 %", or nothing when no trial was won.
std::string lossText(const FightEstimate& e);

}  // namespace battle
