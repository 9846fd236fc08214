#include "tools/vestran-tool/Options.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <utility>

#include "tools/vestran-tool/Command.h"

namespace {

// A usage error found while reading a value; its text is final.
struct UsageError {
    std::string text;
};

// Asked for the command's own help.
struct HelpAsked {};

}  // namespace

CommandArgs::CommandArgs(std::string command, std::string help, std::string stray)
    : command_(std::move(command)),
      help_(std::move(help)),
      stray_(std::move(stray)),
      app_(std::make_unique<CLI::App>()) {
    app_->set_help_flag();
    // Read where it stands, as the options are: an error before it is reported first.
    app_->add_flag_callback("-h,--help", [] { throw HelpAsked{}; })->trigger_on_parse();
}

CommandArgs::~CommandArgs() = default;

void CommandArgs::flag(const std::string& name, bool& on) {
    app_->add_flag(name, on)->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
}

void CommandArgs::option(const std::string& name, std::function<void(const std::string&)> take,
                         std::string missing) {
    missing_[name] = missing.empty() ? name + " needs a value" : std::move(missing);
    app_->add_option_function<std::string>(name, std::move(take))->trigger_on_parse();
}

void CommandArgs::option(const std::string& name, std::string& value, std::string missing) {
    option(
        name, [&value](const std::string& v) { value = v; }, std::move(missing));
}

void CommandArgs::number(const std::string& name, std::optional<uint64_t>& value, uint64_t min,
                         uint64_t max, const std::string& bad, std::string missing) {
    option(
        name,
        [this, &value, min, max, bad](const std::string& v) {
            value = parseNumber(v, max);
            if (value && *value >= min) return;
            std::string text = bad;
            if (const size_t at = text.find("{}"); at != std::string::npos) text.replace(at, 2, v);
            fail(text);
        },
        std::move(missing));
}

void CommandArgs::words(std::vector<std::string>& words) {
    app_->add_option("words", words);
}

void CommandArgs::file(std::string& file, std::string many, std::string none) {
    words(files_);
    file_ = &file;
    many_ = std::move(many);
    none_ = std::move(none);
}

void CommandArgs::fail(const std::string& text) const {
    throw UsageError{text};
}

int CommandArgs::error(const std::string& text) const {
    return toolError(command_ + ": " + text);
}

std::optional<int> CommandArgs::parse(const std::vector<std::string>& args) {
    // The library reads its list from the back.
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app_->parse(reversed);
    } catch (const HelpAsked&) {
        std::fputs(help_.c_str(), stdout);
        return 0;
    } catch (const UsageError& e) {
        return error(e.text);
    } catch (const CLI::ExtrasError&) {
        const std::vector<std::string> extra = app_->remaining();
        return error(stray_ + " '" + (extra.empty() ? std::string() : extra.front()) + "'");
    } catch (const CLI::ArgumentMismatch& e) {
        // A value is missing only at the end of the line.
        if (auto m = missing_.find(args.empty() ? std::string() : args.back()); m != missing_.end())
            return error(m->second);
        return error(e.what());
    } catch (const CLI::ParseError& e) {
        return error(e.what());
    }
    if (file_) {
        if (files_.size() > 1) return error(many_);
        if (files_.empty() && !none_.empty()) return error(none_);
        *file_ = files_.empty() ? std::string() : files_[0];
    }
    return std::nullopt;
}

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

std::string stackListText(const std::vector<StackArg>& kinds, const Troop* stacks) {
    std::string s;
    for (size_t k = 0; k < kinds.size(); ++k) {
        if (k) s += ',';
        s += std::to_string(kinds[k].kind) + ":" + std::to_string(stacks[k].count);
    }
    return s;
}
