// How the races regard the hero: the word shown for a relation value and the one
// clamped way relations change.
#pragma once

#include <string>

struct GameState;

// "ненависть" (0) .. "отлично" (5); values above 5 read as "отлично".
std::string relationWord(int value);
// relations[race] := clamp(old + delta, 0, 5).
void changeRelation(GameState& gs, int race, int delta);
