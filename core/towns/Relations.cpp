#include "core/towns/Relations.h"

#include <algorithm>

#include "core/data/GameState.h"

std::string relationWord(int value) {
    static const char* words[] = {"ненависть",  "враждебно", "плохо",
                                  "нейтрально", "хорошо",    "отлично"};
    return words[std::clamp(value, 0, 5)];
}

void changeRelation(GameState& gs, int race, int delta) {
    if (race < 1 || race > kRaces) return;
    int v = std::clamp(static_cast<int>(gs.relation(race)) + delta, 0, 5);
    gs.relation(race) = static_cast<uint8_t>(v);
}
