// Where the game's files are: every file name is programDir() + a relative path
// with '/' separators ("Wav/Gold.Wav", "Resourse/Army/Barbar.pic", "Save/1.psv").
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The program's directory, with its trailing separator.
const std::string& programDir();
// Adds the trailing '/' when missing. `installed` tells an installed game's shared,
// read-only data folder from one the player keeps saves in (a build tree, --data-dir).
void setProgramDir(std::string dir, bool installed = false);
bool installedData();
std::string dataPath(std::string_view relative);

// The folder of the running executable, with its trailing '/'.
std::string executableDir();

// Where the game's pictures, sounds and music were found when no --data-dir was
// given: the executable's own folder when it holds them (a build tree), else the
// install's data folder relative to the executable (so a moved prefix still works).
struct DataSearch {
    std::string dir;                 // with its trailing '/'; empty when none holds the data
    bool installed = false;          // dir is the install's data folder
    std::vector<std::string> tried;  // every folder looked in, in order
};
DataSearch findGameData(const std::string& exeDir);
// The player's message when no folder holds the data (Russian, names every folder).
std::string noDataMessage(const DataSearch& search);
