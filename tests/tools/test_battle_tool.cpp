// The fighting subcommands, run as a player runs them.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/tools/ToolRun.h"

TEST(BattleTool, MeleeAndShotPrintOneLinePerTrial) {
    ToolRun r = runTool("melee 14:20 0:6 --trials 5 --seed 3");
    ASSERT_EQ(r.status, 0) << r.out;
    std::istringstream in(r.out);
    int lines = 0;
    unsigned ak, ah, dk, dh;
    while (in >> ak >> ah >> dk >> dh) {
        ++lines;
        EXPECT_LE(dk, 6u);
        EXPECT_LE(ak, 20u);
        EXPECT_GE(dh, 1u);
        EXPECT_LE(dh, 55u);
    }
    EXPECT_EQ(lines, 5);
    EXPECT_EQ(runTool("melee 14:20 0:6 --trials 5 --seed 3").out, r.out);  // repeatable

    // 1000 dragons deal 78,000 and more: far beyond 16 bits, counted exactly.
    r = runTool("melee 7:1000 14:30000 --seed 1");
    std::istringstream big(r.out);
    big >> ak >> ah >> dk >> dh;
    EXPECT_GE(dk, 6500u);

    r = runTool("shot 12:10 0:6 --trials 2 --seed 1");
    ASSERT_EQ(r.status, 0);
    std::istringstream shot(r.out);
    shot >> ak >> ah;
    EXPECT_EQ(ak, 0u);
    EXPECT_EQ(ah, 15u);  // the shooter is untouched
}

TEST(BattleTool, BattleRunsAndSummarises) {
    ToolRun r =
        runTool("battle --hero 14:30,12:20,16:20 --enemy 14:20,12:10,0:6 --seed 5 --runs 3");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("run 1: winner "), std::string::npos);
    EXPECT_NE(r.out.find("run 3: winner "), std::string::npos);
    EXPECT_NE(r.out.find("summary: runs 3, hero "), std::string::npos);
    // Two stacks that cannot hurt each other: the round limit makes it a draw.
    r = runTool("battle --hero 7:1 --enemy 7:1 --vault --seed 1 --quiet");
    EXPECT_NE(r.out.find("draw 1 (100.0%)"), std::string::npos) << r.out;
}

TEST(BattleTool, BadArgumentsFail) {
    for (const char* args :
         {"melee 14:20", "melee 20:1 0:1", "melee 1:40000 0:1", "shot 1:1 0:1 --trials 0",
          "battle --hero 1:1", "battle --hero 1:1,1:1,1:1,1:1,1:1,1:1 --enemy 1:1",
          "battle --hero 1:x --enemy 1:1", "battle --hero 1:1 --enemy 1:1 --runs"}) {
        ToolRun r = runTool(args);
        EXPECT_EQ(r.status, 1) << args;
        EXPECT_NE(r.out.find("vestran-tool: "), std::string::npos) << args;
    }
    EXPECT_EQ(runTool("battle --help").status, 0);
    EXPECT_EQ(runTool("shot --help").status, 0);
}
