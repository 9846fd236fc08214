#include "tools/vestran-tool/StackArgs.h"

std::optional<uint64_t> parseNumber(const std::string& text, uint64_t max) {
    if (text.empty()) return std::nullopt;
    uint64_t v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        const uint64_t d = static_cast<uint64_t>(c - '0');
        if (v > (UINT64_MAX - d) / 10) return std::nullopt;
        v = v * 10 + d;
    }
    if (v > max) return std::nullopt;
    return v;
}

std::optional<StackArg> parseStack(const std::string& text, std::string& error) {
    auto colon = text.find(':');
    if (colon == std::string::npos) {
        error = "'" + text + "' is not KIND:COUNT";
        return std::nullopt;
    }
    auto kind = parseNumber(text.substr(0, colon), kCreatureKinds - 1);
    if (!kind) {
        error = "creature kind in '" + text + "' must be 0..19";
        return std::nullopt;
    }
    auto count = parseNumber(text.substr(colon + 1), 32767);
    if (!count) {
        error = "head count in '" + text + "' must be 0..32767";
        return std::nullopt;
    }
    return StackArg{static_cast<int>(*kind), static_cast<int>(*count)};
}

std::optional<std::vector<StackArg>> parseStackList(const std::string& text, std::string& error) {
    std::vector<StackArg> list;
    size_t start = 0;
    for (;;) {
        size_t comma = text.find(',', start);
        auto s = parseStack(text.substr(start, comma - start), error);
        if (!s) return std::nullopt;
        list.push_back(*s);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    if (list.size() > 5) {
        error = "a side has at most 5 stacks";
        return std::nullopt;
    }
    return list;
}

std::optional<std::string> optionValue(const std::vector<std::string>& args, size_t& i) {
    if (i + 1 >= args.size()) return std::nullopt;
    return args[++i];
}

std::string stackListText(const std::vector<StackArg>& kinds, const Troop* stacks) {
    std::string s;
    for (size_t k = 0; k < kinds.size(); ++k) {
        if (k) s += ',';
        s += std::to_string(kinds[k].kind) + ":" + std::to_string(stacks[k].count);
    }
    return s;
}
