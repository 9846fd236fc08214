// The built-in map texts of the three continents (the land shape; towns, treasure,
// bandits and the orb are placed on top of it by BuildContinent).
#pragma once

#include <string_view>

// The 4,736-character text of continent c (1..3).
std::string_view mapText(int c);
