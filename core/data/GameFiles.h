// Every file the game's data folder must hold for the game to run, as paths
// relative to it: the window, map and battle pictures, each creature's picture and
// sound, the town views, the sounds, the music and the help page.
#pragma once

#include <string>
#include <vector>

namespace assets {

std::vector<std::string> allGameFiles();

}  // namespace assets
