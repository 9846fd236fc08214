// Small helpers shared by the subcommands that read a save file.
#pragma once

#include <memory>
#include <string>

#include "data/GameState.h"

// Reads a save file into a new block; on failure prints the reason and returns null.
std::unique_ptr<GameState> loadSaveForTool(const std::string& path);

// JSON string literal of a UTF-8 text.
std::string jsonString(const std::string& s);
