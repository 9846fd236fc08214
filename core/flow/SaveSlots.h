// The fifteen save slots: where their files live, what the slot list shows, and
// saving, loading and deleting one slot. No windows here; the save and load
// windows call these and show the texts they return.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/data/GameState.h"
#include "core/data/SaveImage.h"

namespace saveslots {

constexpr int kSlots = 15;
// The autosave, Save/auto.psv: listed by the load window after slot 15 and
// loaded like a slot, never offered by the save window. Saving into it and
// deleting it through the slot functions is refused.
constexpr int kAutoSlot = kSlots + 1;
inline constexpr const char* kAutoPrefix = "АВТОСОХРАНЕНИЕ: ";
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

// saveDir() + n + ".psv", n = 1..15; saveDir() + "auto.psv" for kAutoSlot.
std::string slotPath(int n);
bool slotExists(int n);

// The line the slot list shows for slot n (UTF-8): kEmptyLine without a file,
// the stored save name of a file that reads whole, kDamagedLine otherwise. The
// autosave's line names itself with its time and the game it holds, short
// enough for the list: "Автосохранение 08.12.2026 14:05 — «Поход»"; without a
// file it is kAutoPrefix + kEmptyLine.
std::string slotLine(int n);
std::vector<std::string> slotLines();  // slots 1..15 in order

// When the file of slot n was last written, in local time ("08.12.2026 14:05");
// empty when the slot has no file. The windows show it in a column of its own.
std::string slotTime(int n);
// The same for any file (the time's text, or empty when it cannot be read).
std::string fileTimeText(const std::string& path);

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
// The same for any file (the command line's --load).
SaveResult loadFromFile(const std::string& path, GameState& gs);

// Writes a copy of the running game into the autosave, through a temporary file
// like the slots: the game itself, its save name included, is not changed, and a
// failed write keeps the older autosave.
SaveResult writeAutosave(const GameState& gs);

SaveResult deleteSlot(int n);

}  // namespace saveslots
