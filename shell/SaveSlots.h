// The fifteen save slots: where their files live, what the slot list shows, and
// saving, loading and deleting one slot. No windows here; the save and load
// windows call these and show the texts they return.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "data/GameState.h"
#include "data/SaveImage.h"

namespace saveslots {

constexpr int kSlots = 15;
// The line of a slot without a file.
inline constexpr const char* kEmptyLine = "ПУСТО...";
// The line of a slot whose file exists but is not one whole game image.
inline constexpr const char* kDamagedLine = "ПОВРЕЖДЁН...";

// The folder of the slots, with its trailing '/', by the kind of run: beside the
// data (dataDir + "Save/") for a build tree or --data-dir; for an installed game
// the player's own $XDG_DATA_HOME/vestran/Save/, with ~/.local/share standing in
// when XDG_DATA_HOME is unset, relative or not a folder. Never under an install.
std::string saveDirFor(const std::string& dataDir, bool installed);
// saveDirFor(programDir(), installedData()). The folder is made by the first save.
std::string saveDir();
// Tests and tools may put the slots elsewhere; an empty path restores the default.
void setSaveDirOverride(std::string dir);

// saveDir() + n + ".psv", n = 1..15.
std::string slotPath(int n);
bool slotExists(int n);

// The line the slot list shows for slot n (UTF-8): kEmptyLine without a file,
// the stored save name of a file that reads whole, kDamagedLine otherwise.
std::string slotLine(int n);
std::vector<std::string> slotLines();  // slots 1..15 in order

// The text a click on a slot line puts into the name field of the save window.
std::string nameForSlot(int n, const std::string& line);

// Question texts of the save window.
std::string overwriteQuestion(const std::string& line);  // Переписать "line"?
std::string deleteQuestion(const std::string& line);     // Удалить "line"?

// Stores `name` (cut to 255 cp1251 bytes) as the game's save name and writes the
// whole block into slot n through a temporary file, so that a failed write keeps
// the slot's older file.
SaveResult saveToSlot(int n, GameState& gs, std::string_view name);

// Reads slot n whole, checks it, and only then replaces `gs`. On any failure `gs`
// is left exactly as it was and the result says why, in Russian.
SaveResult loadFromSlot(int n, GameState& gs);

SaveResult deleteSlot(int n);

}  // namespace saveslots
