// The player's settings file, $XDG_CONFIG_HOME/vestran/vestran.conf (or
// ~/.config/vestran/vestran.conf). It is read before the application object
// exists, since the scale must be known by then.
#pragma once

#include <string>

#include "core/flow/Settings.h"

namespace settingsfile {

std::string path();
// The stored settings; the defaults when the file is missing. A file that cannot
// be read is ignored with one line on stderr, and this run leaves it alone.
Settings read();
// Keeps `s` for the next runs. A failure is one line on stderr.
void write(const Settings& s);

}  // namespace settingsfile
