// vestran-tool subcommands register themselves here; each lives in its own file.
#pragma once

#include <string>
#include <vector>

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
