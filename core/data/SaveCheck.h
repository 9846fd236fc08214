// Checks a game image read from disk before it may replace the running game.
// A damaged or foreign file of the right size must never crash the game or let
// play run on values that index past the game's tables; every image the game
// itself writes passes, whatever its unused bytes and padding hold.
#pragma once

#include <string>

#include "core/data/GameState.h"

// Empty when the image can be played; otherwise why not, as one Russian sentence
// for the player.
std::string validateSave(const GameState& gs);

// True for a map code the game can meet: ground, forest, rock, portal, treasure,
// orb, water and ships, the defined bandit groups and the thirty towns.
bool knownCellCode(uint16_t code);
