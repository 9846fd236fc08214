#include "core/flow/SaveSlots.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <memory>

#include "core/data/SaveCheck.h"
#include "platform/Paths.h"

namespace saveslots {
namespace {

std::string& overrideRef() {
    static std::string d;
    return d;
}

std::string withSlash(std::string d) {
    if (d.empty() || d.back() != '/') d += '/';
    return d;
}

// Makes `dir` and its parents; a failure shows when a file is written there.
void makeDir(const std::string& dir) {
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
}

// An absolute path to a folder, or to nothing yet that could become one.
bool folderOrNothing(const char* path) {
    if (!path || *path != '/') return false;
    struct stat st {};
    if (::stat(path, &st) == 0) return S_ISDIR(st.st_mode);
    return errno == ENOENT;
}

// The player's data folder by the XDG base directory rules.
std::string userDataHome() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (folderOrNothing(xdg)) return withSlash(xdg);
    const char* home = std::getenv("HOME");
    if (!home || *home != '/') {
        const passwd* pw = ::getpwuid(::getuid());
        home = pw && pw->pw_dir ? pw->pw_dir : "/";
    }
    return withSlash(home) + ".local/share/";
}

bool validSlot(int n) {
    return n >= 1 && n <= kSlots;
}

// Slots that can be read: the fifteen and the autosave.
bool readableSlot(int n) {
    return validSlot(n) || n == kAutoSlot;
}

SaveResult badSlot(int n) {
    SaveResult r;
    r.error = "Нет ячейки сохранения " + std::to_string(n) + ".";
    return r;
}

// Line breaks or other control bytes in a stored name would break the list.
std::string printable(std::string s) {
    for (char& c : s)
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    return s;
}

}  // namespace

void setSaveDirOverride(std::string dir) {
    overrideRef() = dir.empty() ? std::string() : withSlash(std::move(dir));
}

std::string saveDirFor(const std::string& dataDir, bool installed) {
    if (installed) return userDataHome() + "vestran/Save/";
    return withSlash(dataDir) + "Save/";
}

std::string saveDir() {
    if (!overrideRef().empty()) {
        makeDir(overrideRef());
        return overrideRef();
    }
    return saveDirFor(programDir(), installedData());
}

std::string slotPath(int n) {
    if (n == kAutoSlot) return saveDir() + "auto.psv";
    return saveDir() + std::to_string(n) + ".psv";
}

bool slotExists(int n) {
    if (!readableSlot(n)) return false;
    std::error_code ec;
    return std::filesystem::exists(slotPath(n), ec);
}

std::string slotLine(int n) {
    if (!slotExists(n)) return (n == kAutoSlot ? kAutoPrefix : "") + std::string(kEmptyLine);
    auto image = std::make_unique<GameState>();
    const bool whole = readSaveFile(slotPath(n), *image).ok;
    if (n != kAutoSlot) return whole ? printable(image->saveName.str()) : kDamagedLine;
    // The autosave names itself by its time: the game it holds keeps the name
    // of whichever save it was last loaded from.
    const std::string when = slotTime(n);
    const std::string title = when.empty() ? "Автосохранение" : "Автосохранение " + when;
    if (!whole) return title + " — " + kDamagedLine;
    return title + " — «" + printable(image->saveName.str()) + "»";
}

std::string fileTimeText(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return {};
    std::tm local{};
    if (!::localtime_r(&st.st_mtime, &local)) return {};
    char text[32];
    if (std::strftime(text, sizeof text, "%d.%m.%Y %H:%M", &local) == 0) return {};
    return text;
}

std::string slotTime(int n) {
    if (!slotExists(n)) return {};
    return fileTimeText(slotPath(n));
}

std::vector<std::string> slotLines() {
    std::vector<std::string> lines;
    lines.reserve(kSlots);
    for (int n = 1; n <= kSlots; ++n) lines.push_back(slotLine(n));
    return lines;
}

std::string nameForSlot(int n, const std::string& line) {
    if (line == kEmptyLine || line == kDamagedLine) return "Игра " + std::to_string(n);
    return line;
}

std::string overwriteQuestion(const std::string& line) {
    return "Переписать \"" + line + "\"?";
}

std::string deleteQuestion(const std::string& line) {
    return "Удалить \"" + line + "\"?";
}

SaveResult saveToSlot(int n, GameState& gs, std::string_view name) {
    if (!validSlot(n)) return badSlot(n);
    gs.saveName.set(name);
    // A folder that cannot be made shows as the write's own failure.
    makeDir(saveDir());
    return writeSaveFile(slotPath(n), gs);
}

SaveResult loadFromSlot(int n, GameState& gs) {
    if (!readableSlot(n)) return badSlot(n);
    return loadFromFile(slotPath(n), gs);
}

SaveResult loadFromFile(const std::string& path, GameState& gs) {
    // The image is read and checked aside; the running game changes only when
    // both succeed.
    auto image = std::make_unique<GameState>();
    SaveResult r = readSaveFile(path, *image);
    if (!r.ok) return r;
    if (std::string why = validateSave(*image); !why.empty()) {
        r.ok = false;
        r.error = why + " Игра не загружена.";
        return r;
    }
    gs = *image;
    return r;
}

SaveResult writeAutosave(const GameState& gs) {
    // An installed game's save folder is made by its first save, which may be this one.
    makeDir(saveDir());
    return writeSaveFile(slotPath(kAutoSlot), gs);
}

SaveResult deleteSlot(int n) {
    if (!validSlot(n)) return badSlot(n);
    SaveResult r;
    const std::string path = slotPath(n);
    if (std::remove(path.c_str()) != 0) {
        const std::string cause = errno == ENOENT ? "его уже нет" : fileErrorCause(errno);
        r.error = "Не удалось удалить файл " + path + ": " + cause + ".";
        return r;
    }
    r.ok = true;
    return r;
}

}  // namespace saveslots
