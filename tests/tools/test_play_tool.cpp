// vestran-tool play, run as a player or a CI script runs it.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/tools/ToolRun.h"

TEST(PlayTool, PlaysASavedGameAndWritesItsEnd) {
    const std::string dir = std::string(VESTRAN_BUILD_DIR) + "/";
    const std::string start = dir + "play_start.psv", end = dir + "play_end.psv";
    ASSERT_EQ(runTool("new-game --seed 4 --out " + start).status, 0);
    const ToolRun r = runTool("play " + start + " --steps 300 --seed 4 --out " + end);
    EXPECT_EQ(r.status, 0) << r.out;
    for (const char* line : {"seed: 4", "steps: 300", "battles:", "letters:", "steps per second",
                             "battles per second"})
        EXPECT_NE(r.out.find(line), std::string::npos) << line << "\n" << r.out;
    const ToolRun info = runTool("info " + end);
    EXPECT_EQ(info.status, 0) << info.out;
    // The same seed plays the same game.
    const ToolRun again = runTool("play " + start + " --steps 300 --seed 4");
    EXPECT_EQ(again.out.substr(0, again.out.find("time:")), r.out.substr(0, r.out.find("time:")));
    std::remove(start.c_str());
    std::remove(end.c_str());
}

TEST(PlayTool, RefusesWhatItCannotPlay) {
    const std::string dir = std::string(VESTRAN_BUILD_DIR) + "/";
    const std::string junk = dir + "play_junk.psv";
    if (FILE* f = std::fopen(junk.c_str(), "wb")) {
        std::fputs("not a game", f);
        std::fclose(f);
    }
    const std::string cases[] = {"play --new",
                                 "play --steps 10",
                                 "play --new " + junk + " --steps 10",
                                 "play " + junk + " --steps 10",
                                 "play --new --steps -5",
                                 "play --new --steps 10 --trials 0",
                                 "play --new --steps 10 --bogus"};
    for (const std::string& args : cases) {
        const ToolRun r = runTool(args);
        EXPECT_EQ(r.status, 1) << args << "\n" << r.out;
        EXPECT_NE(r.out.find("vestran-tool"), std::string::npos) << args << "\n" << r.out;
    }
    EXPECT_EQ(runTool("play --help").status, 0);
    std::remove(junk.c_str());
}
