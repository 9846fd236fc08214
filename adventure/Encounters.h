// Map-side rules shared by several windows.
#pragma once

struct GameState;
class Random;

// Puts the hero on foot on a random open cell of his continent (reseeding the
// generator from the clock first). Used after a portal jump and after a defeat.
void placeHeroRandomly(GameState& gs, Random& rnd);
