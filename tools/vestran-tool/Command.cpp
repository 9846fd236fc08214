// The subcommand registry, the dispatch from a command line to a subcommand, and
// reading a save for a command.
#include "tools/vestran-tool/Command.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "core/data/Creatures.h"
#include "core/data/SaveCheck.h"
#include "core/data/SaveImage.h"

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

int runTool(const std::vector<std::string>& args) {
    if (args.empty()) {
        usage(stderr);
        return 1;
    }
    const std::string& name = args[0];
    if (name == "--help" || name == "-h" || name == "help") {
        usage(stdout);
        return 0;
    }
    FillTemplates();
    for (const auto& c : toolCommands())
        if (name == c.name) return c.run(std::vector<std::string>(args.begin() + 1, args.end()));
    usage(stderr);
    return toolError("unknown command '" + name + "'");
}

std::unique_ptr<GameState> loadSaveForTool(const std::string& path, SaveUse use) {
    auto gs = std::make_unique<GameState>();
    std::memset(gs.get(), 0, sizeof(GameState));
    SaveResult r = readSaveFile(path, *gs);
    if (!r.ok) {
        toolError(r.error);
        return nullptr;
    }
    if (use == SaveUse::Play) {
        if (const std::string e = validateSave(*gs); !e.empty()) {
            toolError(path + ": " + e);
            return nullptr;
        }
    }
    return gs;
}
