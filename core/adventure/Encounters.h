// Map-side rules of the objects the hero meets (treasure, portal, the grave's
// spell), shared by their windows and by the tool.
#pragma once

#include <cstdint>
#include <string>

struct GameState;
class Random;

// Puts the hero on foot on a random open cell of his continent (reseeding the
// generator from the clock first). Used after a portal jump and after a defeat.
// A continent without a single open cell leaves him where he is.
void placeHeroRandomly(GameState& gs, Random& rnd);

// The treasure chest: 200..299 gold per continent number, added at once.
int takeTreasure(GameState& gs, Random& rnd);
std::string treasureText(int amount);

// The portals form a ring: 1 -> 2 -> 3 -> 1.
uint8_t portalTargetOf(const GameState& gs);
std::string portalButtonText(const GameState& gs, uint8_t target);
// Sends the hero to `target`, on foot, somewhere on its open ground.
void portalJump(GameState& gs, Random& rnd, uint8_t target);

// The spell-reading window's caption with the tries left.
std::string spellCaption(const GameState& gs);
bool onGrave(const GameState& gs);
// Spends one try (none when none is left) and tells whether the hero stands on
// the grave: the game is won.
bool readSpell(GameState& gs);
