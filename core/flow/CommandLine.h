// The game's command line: --help, --version, --seed N, --data-dir DIR, --scale F,
// --load FILE.
// Options the game does not know stop it with a message; arguments that do not
// start with "--" are left to the window system (Qt's own "-platform" and such).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct CommandLine {
    bool help = false;
    bool version = false;
    std::optional<uint64_t> seed;        // a reproducible game
    std::optional<std::string> dataDir;  // where pictures, sounds and saves are
    std::optional<double> scale;         // window scale, a multiple of 0.5
    std::optional<std::string> load;     // a saved game to start straight into
    std::string error;                   // set when the line cannot be used
    std::vector<std::string> rest;       // for the window system (argv[0] first)
};

CommandLine ParseCommandLine(const std::vector<std::string>& args);
// Nearest multiple of 0.5 within 0.5..4, so pictures keep sharp pixel edges at the
// common factors 1 and 2. Empty for a value that is not a number.
std::optional<double> RoundScale(const std::string& text);

std::string UsageText(const std::string& program);
std::string VersionText();
