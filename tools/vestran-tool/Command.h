// vestran-tool subcommands register themselves here; each lives in its own file.
// Also what they share beyond their command lines: errors and reading a save.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/data/GameState.h"

struct ToolCommand {
    const char* name;
    const char* summary;  // one line for `vestran-tool --help`
    // args excludes the program and the command name. Returns the exit status.
    int (*run)(const std::vector<std::string>& args);
};

struct ToolCommandRegistrar {
    explicit ToolCommandRegistrar(const ToolCommand& c);
};

std::vector<ToolCommand>& toolCommands();

// Runs the command line `args` (the command name first, the program's name left
// out) and returns the exit status; unknown or missing commands print the usage.
int runTool(const std::vector<std::string>& args);

// Prints "vestran-tool: " + text on stderr and returns 1.
int toolError(const std::string& text);

// Reads a save file into a new block; on failure prints the reason and returns null.
// Commands that run the game's rules on the block ask for `playable`: a damaged or
// foreign file is then refused exactly as the game's own load refuses it. Commands
// that only show the stored fields take any block of the right size.
enum class SaveUse { Show, Play };
std::unique_ptr<GameState> loadSaveForTool(const std::string& path, SaveUse use);
