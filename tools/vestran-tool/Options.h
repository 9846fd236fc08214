// Reading vestran-tool's command lines: each command declares its options once on
// a CommandArgs, and the numbers and stacks they take are read here.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/data/Creatures.h"

namespace CLI {
class App;
}

// One command's command line. --help and -h print the command's own help text;
// every usage error is reported as "vestran-tool: COMMAND: ..." and ends the
// command with status 1. A repeated option keeps its last value, each value read
// in turn as it comes, so a bad one is reported even when a later one is good.
class CommandArgs {
public:
    // `stray` names, in the error, an argument that fits no option (or a word on a
    // command that takes none): "unknown option" or "unexpected argument".
    CommandArgs(std::string command, std::string help, std::string stray = "unknown option");
    ~CommandArgs();
    CommandArgs(const CommandArgs&) = delete;
    CommandArgs& operator=(const CommandArgs&) = delete;

    // --NAME, without a value.
    void flag(const std::string& name, bool& on);
    // --NAME VALUE: `take` reads each value and may reject it with fail(). `missing`
    // is the error when the line ends before the value ("--NAME needs a value" if empty).
    void option(const std::string& name, std::function<void(const std::string&)> take,
                std::string missing = {});
    // --NAME VALUE kept as it is written.
    void option(const std::string& name, std::string& value, std::string missing = {});
    // --NAME N: a whole number min..max (parseNumber), else the error `bad`, in which
    // "{}" stands for the value given.
    void number(const std::string& name, std::optional<uint64_t>& value, uint64_t min, uint64_t max,
                const std::string& bad, std::string missing = {});
    // The words that are no option, in their order. Without them any such word is a stray.
    void words(std::vector<std::string>& words);
    // The one word that names the command's FILE: more words are the error `many`, no
    // word the error `none` (or, when `none` is empty, an empty `file`).
    void file(std::string& file, std::string many, std::string none = {});

    // Reads `args` (the command's name left out). Empty when the command goes on;
    // else the status to end with: 0 after the help, 1 after a usage error.
    std::optional<int> parse(const std::vector<std::string>& args);

    // Rejects a value from inside an option's `take`; parse() reports it.
    [[noreturn]] void fail(const std::string& text) const;
    // Reports "vestran-tool: COMMAND: text" and returns 1, for the checks after parse().
    int error(const std::string& text) const;

private:
    std::string command_, help_, stray_;
    std::unique_ptr<CLI::App> app_;
    std::map<std::string, std::string> missing_;  // option name -> its missing-value error
    std::vector<std::string> files_;
    std::string* file_ = nullptr;
    std::string many_, none_;
};

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
// "14:30,12:20" of stacks as they stand now, kind numbers taken from `kinds`.
std::string stackListText(const std::vector<StackArg>& kinds, const Troop* stacks);
