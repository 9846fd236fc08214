// Reading and writing the save image: the block with every byte inverted.
#pragma once

#include <string>
#include <vector>

#include "core/data/GameState.h"

// The block's bytes, each inverted (b -> 255 - b).
std::vector<unsigned char> encodeSave(const GameState& gs);

// Inverts `bytes` into `out` when they are exactly one block long; otherwise
// leaves `out` untouched and returns false.
bool decodeSave(const std::vector<unsigned char>& bytes, GameState& out);

struct SaveResult {
    bool ok = false;
    std::string error;  // Russian, for the player
};

// Reads a whole save file into `gs`. On any failure (missing, unreadable, too
// short, too long) `gs` is left exactly as it was.
SaveResult readSaveFile(const std::string& path, GameState& gs);

// Why a file could not be written or deleted, for the player, in Russian: no
// permission, a full disk, a read-only file system, a missing folder; the
// system's own words for anything rarer.
std::string fileErrorCause(int err);

// Writes the save image to `path` safely: a temporary file in the same folder is
// written, flushed and renamed over the target, so a failed write never destroys
// an older save.
SaveResult writeSaveFile(const std::string& path, const GameState& gs);
