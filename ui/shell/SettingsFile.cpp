#include "ui/shell/SettingsFile.h"

#include <QFile>
#include <QSettings>
#include <cstdio>
#include <cstdlib>

namespace settingsfile {
namespace {

// Set when the file was there but could not be read: it is not overwritten.
bool leaveAlone = false;

constexpr const char* kSpeed = "animation-speed";
constexpr const char* kScale = "scale";
constexpr const char* kAutosave = "autosave";
constexpr const char* kFullscreen = "fullscreen";
constexpr const char* kWideView = "wide-view";
constexpr const char* kScreen = "screen";
constexpr const char* kGamepad = "gamepad";
constexpr const char* kDeadZone = "stick-dead-zone";

void complain(const std::string& what) {
    std::fprintf(stderr, "vestran: %s\n", what.c_str());
    std::fflush(stderr);
}

std::optional<std::string> value(const QSettings& conf, const char* key) {
    if (!conf.contains(QString::fromLatin1(key))) return std::nullopt;
    return conf.value(QString::fromLatin1(key)).toString().trimmed().toStdString();
}

}  // namespace

std::string path() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    std::string dir;
    if (xdg && *xdg == '/') {
        dir = xdg;
    } else {
        const char* home = std::getenv("HOME");
        dir = std::string(home && *home ? home : ".") + "/.config";
    }
    if (dir.back() != '/') dir += '/';
    return dir + "vestran/vestran.conf";
}

Settings read() {
    const QString file = QString::fromStdString(path());
    if (!QFile::exists(file)) return Settings{};
    QFile probe(file);
    if (!probe.open(QIODevice::ReadOnly)) {
        leaveAlone = true;
        complain("cannot read the settings file " + path() + " (" +
                 probe.errorString().toStdString() + "); using the defaults");
        return Settings{};
    }
    probe.close();
    QSettings conf(file, QSettings::IniFormat);
    if (conf.status() != QSettings::NoError) {
        leaveAlone = true;
        complain("the settings file " + path() + " is damaged; using the defaults");
        return Settings{};
    }
    StoredSettings stored;
    stored.speed = value(conf, kSpeed);
    stored.scale = value(conf, kScale);
    stored.autosave = value(conf, kAutosave);
    stored.fullscreen = value(conf, kFullscreen);
    stored.wideView = value(conf, kWideView);
    stored.screen = value(conf, kScreen);
    stored.gamepad = value(conf, kGamepad);
    stored.deadZone = value(conf, kDeadZone);
    return parseSettings(stored);
}

void write(const Settings& s) {
    if (leaveAlone) return;
    const StoredSettings stored = storeSettings(s);
    QSettings conf(QString::fromStdString(path()), QSettings::IniFormat);
    auto put = [&](const char* key, const std::optional<std::string>& v) {
        if (v) conf.setValue(QString::fromLatin1(key), QString::fromStdString(*v));
    };
    put(kSpeed, stored.speed);
    put(kScale, stored.scale);
    put(kAutosave, stored.autosave);
    put(kFullscreen, stored.fullscreen);
    put(kWideView, stored.wideView);
    put(kScreen, stored.screen);
    put(kGamepad, stored.gamepad);
    put(kDeadZone, stored.deadZone);
    conf.sync();
    if (conf.status() != QSettings::NoError) {
        leaveAlone = true;  // one line per run is enough
        complain("cannot write the settings file " + path());
    }
}

}  // namespace settingsfile
