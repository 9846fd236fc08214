// vestran-tool walk and replay: the map's steps on a save file, run as a player runs them.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "core/data/GameState.h"
#include "core/data/SaveImage.h"
#include "tests/tools/ToolRun.h"

namespace fs = std::filesystem;

namespace {

struct WalkTool : ::testing::Test {
    fs::path dir = fs::temp_directory_path() / ("vestran-walk-" + std::to_string(::getpid()));
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }
    std::string file(const std::string& name) const { return (dir / name).string(); }
    std::unique_ptr<GameState> load(const std::string& path) const {
        auto gs = std::make_unique<GameState>();
        std::memset(static_cast<void*>(gs.get()), 0, sizeof(GameState));
        EXPECT_TRUE(readSaveFile(path, *gs).ok) << path;
        return gs;
    }
};

}  // namespace

TEST_F(WalkTool, StandingStillCountsStepsAndUncovers) {
    const std::string a = file("a.psv"), b = file("b.psv");
    ASSERT_EQ(runTool("new-game --seed 5 --out " + a).status, 0);
    ToolRun r = runTool("walk " + a + " --keys 55... --out " + b);
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find(".  X=6 Y=18  step\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("steps 6, ИСКОРТИЯ  Неделя 1 День 1"), std::string::npos) << r.out;
    auto before = load(a);
    auto after = load(b);
    EXPECT_EQ(before->steps, 1u);
    EXPECT_EQ(after->steps, 6u);
    EXPECT_EQ(after->explored(1, 8, 20), 1);
    EXPECT_EQ(after->explored(1, 9, 20), 0);
}

TEST_F(WalkTool, RefusesBadKeysAndUnwritableOutputWithoutTouchingTheSave) {
    const std::string a = file("a.psv");
    ASSERT_EQ(runTool("new-game --seed 5 --out " + a).status, 0);
    const auto size = fs::file_size(a);
    ToolRun bad = runTool("walk " + a + " --keys 6x6");
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.out.find("unknown key 'x'"), std::string::npos) << bad.out;
    ToolRun noDir = runTool("walk " + a + " --keys 5 --out " + file("missing/b.psv"));
    EXPECT_EQ(noDir.status, 1) << noDir.out;
    EXPECT_FALSE(fs::exists(file("missing/b.psv")));
    EXPECT_EQ(fs::file_size(a), size);
    EXPECT_EQ(load(a)->steps, 1u);
    // A seed is digits only: "-1" once wrapped round to the largest seed.
    for (const char* seed : {"-1", "+2", " 3", "18446744073709551616"})
        EXPECT_EQ(runTool("walk " + a + " --keys 5 --seed '" + seed + "'").status, 1) << seed;
    EXPECT_EQ(runTool("walk --help").status, 0);
}

TEST_F(WalkTool, PathGoesRoundTheTreasureToTheTownAndTowardTheUnknown) {
    const std::string a = file("a.psv"), b = file("b.psv");
    ASSERT_EQ(runTool("new-game --seed 5 --out " + a).status, 0);
    ASSERT_EQ(runTool("walk " + a + " --keys 5 --out " + b).status, 0);  // uncovers 5 x 5
    // The hero at (6,18), a chest at (5,18), a town beyond it at (4,18).
    ToolRun town = runTool("path " + b + " 4 18");
    EXPECT_EQ(town.status, 0);
    EXPECT_EQ(town.out, "5 17\n4 18\n");
    // Toward an unexplored cell: to the explored one nearest it.
    ToolRun unknown = runTool("path " + b + " 9 20");
    EXPECT_EQ(unknown.status, 0);
    EXPECT_EQ(unknown.out, "7 19\n8 19\n");
    ToolRun water = runTool("path " + b + " 5 20");  // explored, but no ship
    EXPECT_EQ(water.status, 2);
    EXPECT_EQ(water.out, "нет пути\n");
}

// The regression games play the happy paths; a script the game cannot take stops
// the replay at its line, and nothing is written.
TEST_F(WalkTool, ReplayStopsAtTheFirstLineTheGameCannotTake) {
    const std::string a = file("a.psv"), out = file("out.psv"), script = file("script");
    ASSERT_EQ(runTool("new-game --seed 11 --out " + a).status, 0);
    // Seed 11: a chest right of the start, then a band steps into the way; the
    // town beside the start hires at most 3 after the fight.
    const std::string start = "seed 11\nkeys 6\nkeys 4\n";
    const std::pair<std::string, std::string> cases[] = {
        {"dance\n", ":1: 'dance' answers no window"},
        {"keys 6x\n", ":1: unknown key 'x'"},
        {"keys 5\nseed 3\n", ":2: seed comes before the first key"},
        {"seed 11\nkeys 644\n", ":2: key '4' pressed while the bandit window waits"},
        {start + "hire 3\n", ":4: the bandit window wants fight [BATTLE KEYS] or refuse"},
        {start + "fight 6z\n", ":4: unknown battle key 'z'"},
        {start + "fight\nkeys 444\nhire 4\n", ":6: the town hires at most 3 now"},
        // Leaving the storm at once is a defeat: the town closes with it.
        {start + "fight\nkeys 444\nstorm x\nleave\n", ":7: 'leave' answers no window"},
    };
    for (const auto& [text, why] : cases) {
        std::ofstream(script) << text;
        const ToolRun r = runTool("replay " + a + " " + script + " --out " + out);
        EXPECT_EQ(r.status, 1) << text;
        EXPECT_NE(r.out.find(script + why), std::string::npos) << text << r.out;
        EXPECT_FALSE(fs::exists(out)) << text;
    }
    EXPECT_EQ(runTool("replay " + a + " " + file("none")).status, 1);
    EXPECT_EQ(runTool("replay --help").status, 0);
}
