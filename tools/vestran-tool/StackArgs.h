// Reading stacks and numbers from the command line of the fighting subcommands.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "data/ArmiesTypes.h"

struct StackArg {
    int kind = 0;  // creature table number 0..19
    int count = 0;
};

// "KIND:COUNT" with KIND 0..19 and COUNT 0..32767; an error text on failure.
std::optional<StackArg> parseStack(const std::string& text, std::string& error);
// "K:C,K:C,..." with 1..5 stacks.
std::optional<std::vector<StackArg>> parseStackList(const std::string& text, std::string& error);
// A whole non-negative decimal number no larger than `max`.
std::optional<long long> parseNumber(const std::string& text, long long max);
// The value after an option such as "--seed"; advances i. Empty when missing.
std::optional<std::string> optionValue(const std::vector<std::string>& args, size_t& i);
// "14:30,12:20" of stacks as they stand now, kind numbers taken from `kinds`.
std::string stackListText(const std::vector<StackArg>& kinds, const Troop* stacks);
