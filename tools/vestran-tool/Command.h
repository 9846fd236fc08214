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

// Prints "vestran-tool: " + text on stderr and returns 1.
int toolError(const std::string& text);
