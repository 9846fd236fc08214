#include "platform/Paths.h"

#include <filesystem>
#include <system_error>

#include "platform/AssetNames.h"

// The install's data folder as seen from its binaries' folder; the build passes
// the one its install rules use.
#ifndef VESTRAN_DATA_FROM_BIN
#define VESTRAN_DATA_FROM_BIN "../share/games/vestran"
#endif

namespace {
std::string& dirRef() {
    static std::string d = "./";
    return d;
}
bool& installedRef() {
    static bool installed = false;
    return installed;
}

std::string withSlash(std::string dir) {
    if (dir.empty()) dir = ".";
    if (dir.back() != '/') dir += '/';
    return dir;
}

// The first picture a game needs: the map's first one.
bool holdsPictures(const std::string& dir) {
    for (const assets::MapSlot& s : assets::mapSlots()) {
        if (s.file.empty() || s.mirroredFrom != 0) continue;
        std::error_code ec;
        return std::filesystem::is_regular_file(dir + assets::kTravel + s.file, ec);
    }
    return false;
}
}  // namespace

const std::string& programDir() {
    return dirRef();
}

void setProgramDir(std::string dir, bool installed) {
    dirRef() = withSlash(std::move(dir));
    installedRef() = installed;
}

bool installedData() {
    return installedRef();
}

std::string dataPath(std::string_view relative) {
    return programDir() + std::string(relative);
}

std::string executableDir() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return withSlash(ec ? std::string(".") : exe.parent_path().string());
}

DataSearch findGameData(const std::string& exeDir) {
    DataSearch s;
    const std::string own = withSlash(exeDir);
    const std::string installed =
        withSlash((std::filesystem::path(own) / VESTRAN_DATA_FROM_BIN).lexically_normal().string());
    for (const std::string& dir : {own, installed}) {
        s.tried.push_back(dir);
        if (holdsPictures(dir)) {
            s.dir = dir;
            s.installed = dir != own;
            return s;
        }
    }
    return s;
}

std::string noDataMessage(const DataSearch& search) {
    std::string text = "Не найдены картинки, звуки и музыка игры. Искали в папках:";
    for (const std::string& dir : search.tried) text += "\n  " + dir;
    text += "\nПереустановите игру или укажите папку с её файлами:\n  --data-dir ПАПКА";
    return text;
}
