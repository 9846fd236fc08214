// A player without a screen: it plays the game through the very rules the
// windows call (the map's step, the towns, the vaults, the battle engine, the
// outcome windows, the weekly events, the portal and the spell) and checks after
// every step and every battle action that the game is still whole. It reads the
// map and plays trial battles on copies before it fights: it is a test player,
// not a fair one.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

struct GameState;
class Random;

namespace bot {

struct Options {
    long steps = 1000;  // keys the bot presses on the map
    uint64_t seed = 1;  // its own choices and its trial battles
    int trials = 10;    // trial battles before a fight
    bool stopWhenWon = true;
    std::FILE* trace = nullptr;  // one line per decision and event, when set
};

struct Stats {
    long steps = 0;        // keys pressed on the map by the bot
    long battlesWon = 0;   // bandits and vaults beaten
    long battlesLost = 0;  // beaten on the field
    long retreats = 0;     // left a battle that had turned hopeless
    long banditsBeaten = 0;
    long vaultsTaken = 0;
    long trialBattles = 0;   // fought on copies to judge a fight
    long battleActions = 0;  // checks made during real battles
    long treasures = 0;
    long portals = 0;
    long shipsBought = 0;
    long hires = 0;
    long dismissals = 0;
    long templeGifts = 0;
    long newWeeks = 0;
    long banditsDeclined = 0;
    int letters = 0;             // deciphered letters at the end
    long graveKnownAtStep = -1;  // when the diary first named one place
    int spellReadings = 0;
    bool won = false;
    long wonAtStep = -1;
    double seconds = 0;        // the whole run
    double battleSeconds = 0;  // inside real and trial battles
    std::string failure;       // the first broken invariant; empty when none
};

// Plays `gs` (a game at rest, as a load or a new game leaves it) with the game's
// generator `rnd` for up to `o.steps` keys, or until the game is won.
Stats play(GameState& gs, Random& rnd, const Options& o);

// The summary the tool prints: steps, battles, letters, the win, speeds.
std::string summary(const Stats& s, const GameState& gs);

}  // namespace bot
