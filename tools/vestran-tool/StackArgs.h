// Reading numbers and stacks from vestran-tool's command lines.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/data/Creatures.h"

struct StackArg {
    int kind = 0;  // creature table number 0..19
    int count = 0;
};

// "KIND:COUNT" with KIND 0..19 and COUNT 0..32767; an error text on failure.
std::optional<StackArg> parseStack(const std::string& text, std::string& error);
// "K:C,K:C,..." with 1..5 stacks.
std::optional<std::vector<StackArg>> parseStackList(const std::string& text, std::string& error);
// A whole non-negative decimal number (digits only, no sign or blanks) no larger
// than `max`; empty for anything else, a number too large for 64 bits included.
std::optional<uint64_t> parseNumber(const std::string& text, uint64_t max = UINT64_MAX);
// The value after an option such as "--seed"; advances i. Empty when missing.
std::optional<std::string> optionValue(const std::vector<std::string>& args, size_t& i);
// "14:30,12:20" of stacks as they stand now, kind numbers taken from `kinds`.
std::string stackListText(const std::vector<StackArg>& kinds, const Troop* stacks);
