// Small helpers shared by the subcommands that read a save file.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/data/GameState.h"

// Reads a save file into a new block; on failure prints the reason and returns null.
// Commands that run the game's rules on the block ask for `playable`: a damaged or
// foreign file is then refused exactly as the game's own load refuses it. Commands
// that only show the stored fields take any block of the right size.
enum class SaveUse { Show, Play };
std::unique_ptr<GameState> loadSaveForTool(const std::string& path, SaveUse use);

// JSON string literal of a UTF-8 text.
std::string jsonString(const std::string& s);

// The arguments of a command that takes no option but --help. False when the
// command is to end at once with `status`: 0 after printing `help`, 1 after an
// unknown option (reported as "`command`: unknown option ...").
bool plainArgs(const std::vector<std::string>& args, const char* command, const char* help,
               std::vector<std::string>& plain, int& status);
