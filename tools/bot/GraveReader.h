// Reading the diary as a player does: of every sentence the diary can hold, keep
// those that agree with what the deciphered letters show, and see which places
// they name. Often the place is clear long before the last "?" is gone.
#pragma once

#include <optional>
#include <vector>

struct GameState;

namespace bot {

struct GravePlace {
    int continent = 0;
    int x = 0;
    int y = 0;
    bool operator==(const GravePlace&) const = default;
};

// Every place (without repeats) whose diary sentence shows exactly as the diary
// window shows the diary of `gs`.
std::vector<GravePlace> gravePlaces(const GameState& gs);

// The place, when the diary as shown names only one.
std::optional<GravePlace> knownGrave(const GameState& gs);

}  // namespace bot
