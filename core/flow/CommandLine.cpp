#include "core/flow/CommandLine.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "core/flow/ScaleChoice.h"
#include "core/flow/Version.h"

std::optional<double> RoundScale(const std::string& text) {
    if (text.empty()) return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const double v = std::strtod(text.c_str(), &end);
    if (errno != 0 || *end != '\0' || !std::isfinite(v)) return std::nullopt;
    if (v < scale::kMin || v > scale::kMax) return std::nullopt;
    return std::round(v / scale::kStep) * scale::kStep;
}

namespace {

std::optional<uint64_t> parseSeed(const std::string& text) {
    if (text.empty() || text[0] == '-' || text[0] == '+') return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const unsigned long long v = std::strtoull(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0') return std::nullopt;
    return static_cast<uint64_t>(v);
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine cl;
    if (!args.empty()) cl.rest.push_back(args[0]);
    for (size_t i = 1; i < args.size(); ++i) {
        std::string a = args[i];
        std::string value;
        bool hasValue = false;
        if (a.rfind("--", 0) == 0) {
            const auto eq = a.find('=');
            if (eq != std::string::npos) {
                value = a.substr(eq + 1);
                a = a.substr(0, eq);
                hasValue = true;
            }
        }
        auto takeValue = [&]() -> bool {
            if (hasValue) return true;
            if (i + 1 >= args.size()) {
                cl.error = a + " needs a value";
                return false;
            }
            value = args[++i];
            return true;
        };
        if (a == "--help" || a == "-h") {
            cl.help = true;
        } else if (a == "--version") {
            cl.version = true;
        } else if (a == "--seed") {
            if (!takeValue()) return cl;
            cl.seed = parseSeed(value);
            if (!cl.seed) {
                cl.error = "--seed needs a whole number, not '" + value + "'";
                return cl;
            }
        } else if (a == "--data-dir") {
            if (!takeValue()) return cl;
            if (value.empty()) {
                cl.error = "--data-dir needs a directory";
                return cl;
            }
            cl.dataDir = value;
        } else if (a == "--load") {
            if (!takeValue()) return cl;
            if (value.empty()) {
                cl.error = "--load needs a file";
                return cl;
            }
            cl.load = value;
        } else if (a == "--scale") {
            if (!takeValue()) return cl;
            cl.scale = RoundScale(value);
            if (!cl.scale) {
                cl.error = "--scale needs a number from 1 to 4, not '" + value + "'";
                return cl;
            }
        } else if (a.rfind("--", 0) == 0) {
            cl.error = "unknown option " + a;
            return cl;
        } else {
            cl.rest.push_back(args[i]);
        }
    }
    return cl;
}

std::string UsageText(const std::string& program) {
    return "Usage: " + program +
           " [OPTIONS]\n"
           "Vestran, a turn-based fantasy strategy game.\n"
           "\n"
           "  --seed N        a reproducible game: every random draw follows from N\n"
           "  --data-dir DIR  read pictures, sounds and music and keep saves in DIR\n"
           "                  (default: the program's own directory when it holds\n"
           "                  them, as a build tree does, with saves in its Save/;\n"
           "                  else ../share/games/vestran beside it, as installed,\n"
           "                  with saves in $XDG_DATA_HOME/vestran/Save/, by default\n"
           "                  ~/.local/share/vestran/Save/)\n"
           "  --scale F       draw the windows F times their size for this run only\n"
           "                  (1 to 4, rounded to a multiple of 0.5; whole numbers keep\n"
           "                  pictures sharpest). The window system multiplies it by\n"
           "                  the desktop's own factor (rounded to a whole number).\n"
           "                  Without it the game uses the scale chosen in its options,\n"
           "                  or by default (\"Авто\") the largest that fits the screen;\n"
           "                  a scale that does not fit is said on stderr\n"
           "  --load FILE     start straight into the game saved in FILE\n"
           "  --version       print the version and exit\n"
           "  --help          print this help and exit\n"
           "\n"
           "In the game, F11 puts the map window on the whole screen and back (the\n"
           "options' \"Полный экран\"); with \"Широкий обзор\" on, the full screen shows\n"
           "as many cells of the map as fit, the unexplored ones black.\n";
}

std::string VersionText() {
    return std::string("Vestran ") + kGameVersion + "\n";
}
