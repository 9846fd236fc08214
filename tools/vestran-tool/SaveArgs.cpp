#include "tools/vestran-tool/SaveArgs.h"

#include <cstdio>
#include <cstring>

#include "core/data/SaveCheck.h"
#include "core/data/SaveImage.h"
#include "tools/vestran-tool/Command.h"

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

bool plainArgs(const std::vector<std::string>& args, const char* command, const char* help,
               std::vector<std::string>& plain, int& status) {
    for (const auto& a : args) {
        if (a == "--help" || a == "-h") {
            std::fputs(help, stdout);
            status = 0;
            return false;
        }
        if (!a.empty() && a[0] == '-') {
            status = toolError(std::string(command) + ": unknown option '" + a + "'");
            return false;
        }
        plain.push_back(a);
    }
    return true;
}

std::string jsonString(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    return out + "\"";
}
