// Runs the built vestran-tool as a player would and captures what it prints.
#pragma once

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

struct ToolRun {
    int status = -1;
    std::string out;  // stdout and stderr together
};

inline ToolRun runTool(const std::string& args) {
    std::string cmd = std::string(VESTRAN_TOOL) + " " + args + " 2>&1";
    ToolRun r;
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return r;
    std::array<char, 4096> buf{};
    size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) r.out.append(buf.data(), n);
    int st = pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return r;
}
