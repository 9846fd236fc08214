// Setting up a fresh game: the whole game-state block as the start window's
// "НОВАЯ ИГРА" leaves it.
#pragma once

struct GameState;
class Random;
class Platform;

// Fills `gs` for a new game: options, calendar, ground variants, towns, the three
// continents, the quest, the hero at (6, 18) of continent 1 with his three stacks,
// 350 gold and 120 Authority. Every other byte of the block (the save name, the
// roaming armies' last steps, the unused stretches, the padding and the three
// mini-map slots, which the map window fills) is zero. The creature templates must
// be filled first.
void NewGame(GameState& gs, Random& rnd, Platform& platform);
