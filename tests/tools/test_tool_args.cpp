// vestran-tool's command lines as scripts meet them: every command's own help, the
// usage errors of the commands that had no test of them, and a repeated option.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/tools/ToolRun.h"

namespace {

// The command names `vestran-tool --help` lists.
std::vector<std::string> commandNames() {
    const ToolRun r = runTool("--help");
    std::istringstream in(r.out.substr(r.out.find("Commands:\n") + 10));
    std::vector<std::string> names;
    std::string line;
    while (std::getline(in, line) && line.rfind("  ", 0) == 0)
        names.push_back(line.substr(2, line.find(' ', 2) - 2));
    return names;
}

TEST(ToolArgs, EveryCommandPrintsItsOwnHelp) {
    const std::vector<std::string> names = commandNames();
    ASSERT_GE(names.size(), 18u);
    for (const std::string& name : names) {
        // The man page is made from these texts: nothing but the command's own lines.
        const std::string usage = "Usage: vestran-tool " + name;
        for (const char* flag : {" --help", " -h"}) {
            const ToolRun r = runTool(name + flag);
            EXPECT_EQ(r.status, 0) << name << flag;
            EXPECT_EQ(r.out.rfind(usage, 0), 0u) << name << flag << "\n" << r.out;
            const char after = r.out.size() > usage.size() ? r.out[usage.size()] : '\0';
            EXPECT_TRUE(after == ' ' || after == '\n') << r.out;
        }
        // Help wins over the arguments before it, as long as they read.
        EXPECT_EQ(runTool(name + " a.psv --help").out, runTool(name + " --help").out) << name;
    }
}

TEST(ToolArgs, UsageErrorsSayWhatIsWrongWithStatusOne) {
    const std::pair<const char*, const char*> cases[] = {
        {"town-list", "town-list: FILE is missing (see 'vestran-tool town-list --help')"},
        {"town-list a.psv b.psv", "town-list: only one FILE may be given"},
        {"town-list --bogus a.psv", "town-list: unknown option '--bogus'"},
        {"towns a.psv b.psv", "towns: only one FILE may be given"},
        {"templates x", "templates: unexpected argument 'x'"},
        {"path a.psv 1", "path: needs FILE X Y"},
        {"path a.psv 1 2 --json", "path: unknown option '--json'"},
        {"replay a.psv", "replay: give a save file and a script"},
        {"replay a.psv s c", "replay: more than a save file and a script given"},
        {"replay a.psv s --out", "replay: --out needs a file name"},
        {"walk a.psv", "walk: no --keys given"},
        {"walk a.psv --keys", "walk: --keys needs a value"},
        {"walk a.psv --keys 5 --seed 1 --seed x", "walk: --seed needs a number, not 'x'"},
        {"diary a.psv b.psv", "diary: more than one file given"},
        {"new-game --out a.psv --name", "new-game: --name needs a value"},
        {"new-game a.psv", "new-game: unexpected argument 'a.psv'"},
        {"battle --hero 1:1 --enemy 1:1 --seed", "battle: --seed needs a whole number"},
        {"melee 1:1 2:x", "melee: head count in '2:x' must be 0..32767"},
        {"map a.psv --continent 0", "map: --continent wants 1, 2 or 3, not '0'"},
        {"info --spoilers", "info: FILE is missing (see 'vestran-tool info --help')"},
        {"fuzz-corpus", "fuzz-corpus: give one folder DIR"},
    };
    for (const auto& [args, message] : cases) {
        const ToolRun r = runTool(args);
        EXPECT_EQ(r.status, 1) << args;
        EXPECT_NE(r.out.find("vestran-tool: " + std::string(message) + "\n"), std::string::npos)
            << args << "\n"
            << r.out;
    }
}

TEST(ToolArgs, ARepeatedOptionKeepsItsLastValue) {
    const ToolRun once = runTool("melee 14:20 0:6 --trials 3 --seed 2");
    ASSERT_EQ(once.status, 0) << once.out;
    EXPECT_EQ(runTool("melee 14:20 0:6 --seed 1 --trials 9 --trials 3 --seed 2").out, once.out);
}

}  // namespace
