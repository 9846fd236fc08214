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
    std::optional<double> scale;         // this run's scale (core/flow/ScaleChoice)
    std::optional<std::string> load;     // a saved game to start straight into
    std::string error;                   // set when the line cannot be used
    std::vector<std::string> rest;       // for the window system (argv[0] first)
};

CommandLine ParseCommandLine(const std::vector<std::string>& args);
// The nearest multiple of 0.5 to a scale of 1 to 4. Empty for a value that is
// not a number or lies outside 1..4.
std::optional<double> RoundScale(const std::string& text);

std::string UsageText(const std::string& program);
std::string VersionText();
