#include "platform/Paths.h"

namespace {
std::string& dirRef() {
    static std::string d = "./";
    return d;
}
}  // namespace

const std::string& programDir() {
    return dirRef();
}

void setProgramDir(std::string dir) {
    if (dir.empty()) dir = ".";
    if (dir.back() != '/') dir += '/';
    dirRef() = std::move(dir);
}

std::string dataPath(std::string_view relative) {
    return programDir() + std::string(relative);
}
