#include "core/data/Twins.h"

#include <charconv>
#include <sstream>

namespace twins {

namespace {
constexpr const char* kRoot = "Resourse/";
constexpr const char* kTwinRoot = "Resourse/2x/";
}  // namespace

std::optional<std::string> twinPath(const std::string& picture) {
    const std::string root = kRoot;
    if (picture.rfind(root, 0) != 0 || picture.rfind(kTwinRoot, 0) == 0) return std::nullopt;
    return kTwinRoot + picture.substr(root.size());
}

uint64_t checksum(const std::string& bytes) {
    uint64_t h = 1469598103934665603ull;
    for (unsigned char c : bytes) {
        h ^= c;
        h *= 1099511628211ull;
    }
    return h;
}

std::string tableLine(const std::string& picture, uint64_t sum) {
    char hex[17] = {};
    const auto r = std::to_chars(hex, hex + 16, sum, 16);
    return picture + " " + std::string(hex, r.ptr) + "\n";
}

std::map<std::string, uint64_t> parseTable(const std::string& text) {
    std::map<std::string, uint64_t> out;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream in(line);
        std::string path, hex, more;
        if (!(in >> path >> hex) || (in >> more)) continue;
        uint64_t sum = 0;
        const auto r = std::from_chars(hex.data(), hex.data() + hex.size(), sum, 16);
        if (r.ec == std::errc() && r.ptr == hex.data() + hex.size()) out[path] = sum;
    }
    return out;
}

}  // namespace twins
