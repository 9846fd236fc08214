// Where the game's files are: every file name is programDir() + a relative path
// with '/' separators ("Wav/Gold.Wav", "Resourse/Army/Barbar.pic", "Save/1.psv").
#pragma once

#include <string>
#include <string_view>

// The program's directory, with its trailing separator.
const std::string& programDir();
void setProgramDir(std::string dir);  // adds the trailing '/' when missing
std::string dataPath(std::string_view relative);
