// vestran-tool: the command-line companion of the game for players, modders and tests.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "data/ArmiesTypes.h"
#include "tools/vestran-tool/Command.h"

std::vector<ToolCommand>& toolCommands() {
    static std::vector<ToolCommand> list;
    return list;
}

ToolCommandRegistrar::ToolCommandRegistrar(const ToolCommand& c) {
    toolCommands().push_back(c);
}

int toolError(const std::string& text) {
    std::fprintf(stderr, "vestran-tool: %s\n", text.c_str());
    return 1;
}

namespace {
void usage(std::FILE* out) {
    std::fprintf(out, "Usage: vestran-tool COMMAND [ARGS...]\n\nCommands:\n");
    auto list = toolCommands();
    std::sort(list.begin(), list.end(), [](const ToolCommand& a, const ToolCommand& b) {
        return std::strcmp(a.name, b.name) < 0;
    });
    for (const auto& c : list) std::fprintf(out, "  %-14s %s\n", c.name, c.summary);
    std::fprintf(out, "\n'vestran-tool COMMAND --help' describes one command.\n");
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        usage(stderr);
        return 1;
    }
    std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        usage(stdout);
        return 0;
    }
    FillTemplates();
    for (const auto& c : toolCommands())
        if (name == c.name) return c.run(std::vector<std::string>(argv + 2, argv + argc));
    usage(stderr);
    return toolError("unknown command '" + name + "'");
}
