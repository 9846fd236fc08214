// vestran-tool new-game, map and diary, run as a player runs them.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/adventure/Quest.h"
#include "core/data/GameState.h"
#include "core/data/SaveImage.h"
#include "core/flow/NewGame.h"
#include "platform/Random.h"
#include "platform/headless/HeadlessPlatform.h"
#include "tests/tools/ToolRun.h"

namespace fs = std::filesystem;

namespace {

struct NewGameTool : ::testing::Test {
    fs::path dir = fs::temp_directory_path() / ("vestran-newgame-" + std::to_string(::getpid()));
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }
    std::string file(const std::string& name) const { return (dir / name).string(); }

    std::unique_ptr<GameState> load(const std::string& path) const {
        auto gs = std::make_unique<GameState>();
        std::memset(static_cast<void*>(gs.get()), 0, sizeof(GameState));
        EXPECT_TRUE(readSaveFile(path, *gs).ok);
        return gs;
    }
};

std::vector<std::string> lines(const std::string& s) {
    std::vector<std::string> out;
    std::istringstream in(s);
    for (std::string l; std::getline(in, l);) out.push_back(l);
    return out;
}

TEST_F(NewGameTool, WritesTheGameTheGameWouldSetUp) {
    const std::string a = file("a.psv");
    ToolRun r = runTool("new-game --seed 77 --name 'Моя игра' --out " + a);
    ASSERT_EQ(r.status, 0) << r.out;
    ASSERT_EQ(fs::file_size(a), kGameStateSize);
    auto gs = load(a);
    EXPECT_EQ(gs->saveName, "Моя игра");

    // The same seed in this process gives the same block, byte for byte.
    FillTemplates();
    auto mine = std::make_unique<GameState>();
    Random rnd;
    rnd.useSeedSequence(77);
    HeadlessPlatform platform;
    NewGame(*mine, rnd, platform);
    mine->saveName.set("Моя игра");
    EXPECT_EQ(std::memcmp(mine.get(), gs.get(), sizeof(GameState)), 0);

    const std::string b = file("b.psv");
    ASSERT_EQ(runTool("new-game --seed 78 --out " + b).status, 0);
    auto other = load(b);
    EXPECT_EQ(other->saveName.len, 0);
    EXPECT_NE(std::memcmp(other->mapCells, gs->mapCells, sizeof(gs->mapCells)), 0);
}

TEST_F(NewGameTool, RefusesBadArgumentsAndLeavesNoFile) {
    EXPECT_EQ(runTool("new-game --seed 1").status, 1);
    EXPECT_EQ(runTool("new-game --seed x1 --out " + file("x.psv")).status, 1);
    EXPECT_EQ(runTool("new-game --seed 99999999999999999999999 --out " + file("x.psv")).status, 1);
    EXPECT_EQ(runTool("new-game --colour red --out " + file("x.psv")).status, 1);
    EXPECT_EQ(runTool("new-game --out").status, 1);
    EXPECT_FALSE(fs::exists(file("x.psv")));

    const std::string missing = file("no/such/dir/g.psv");
    ToolRun r = runTool("new-game --out " + missing);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("vestran-tool:"), std::string::npos);
    EXPECT_TRUE(fs::is_empty(dir));

    // An older save is not spoiled by a failed write over it.
    const std::string old = file("old.psv");
    ASSERT_EQ(runTool("new-game --seed 3 --out " + old).status, 0);
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    if (::access(dir.c_str(), W_OK) != 0) {  // root ignores the permission
        EXPECT_EQ(runTool("new-game --seed 4 --out " + old).status, 1);
        EXPECT_EQ(fs::file_size(old), kGameStateSize);
    }
    fs::permissions(dir, fs::perms::owner_all);
    for (const char* cmd : {"new-game", "map", "diary"})
        EXPECT_EQ(runTool(std::string(cmd) + " --help").status, 0) << cmd;
}

TEST_F(NewGameTool, MapShowsTheContinentWithHeroGraveAndTowns) {
    const std::string g = file("g.psv");
    ASSERT_EQ(runTool("new-game --seed 5 --out " + g).status, 0);
    auto gs = load(g);

    ToolRun r = runTool("map " + g);
    ASSERT_EQ(r.status, 0) << r.out;
    std::vector<std::string> ls = lines(r.out);
    ASSERT_GE(ls.size(), 1u + 80 + 1 + 10);
    EXPECT_EQ(ls[0], "Континент 1: ИСКОРТИЯ");
    for (int y = 1; y <= 80; ++y) ASSERT_EQ(ls[y].size(), 70u) << y;
    EXPECT_EQ(ls[18][5], '@');               // x 6, y 18
    EXPECT_EQ(ls[1], std::string(70, '~'));  // the frame
    int towns = 0;
    for (int y = 1; y <= 80; ++y)
        for (char ch : ls[y]) towns += ch >= '0' && ch <= '9';
    EXPECT_EQ(towns, 10);

    // The grave's continent shows the grave where the block has it, when asked to.
    const int gc = gs->graveContinent;
    ToolRun graveMap = runTool("map " + g + " --continent " + std::to_string(gc) + " --spoilers");
    ASSERT_EQ(graveMap.status, 0);
    std::vector<std::string> gl = lines(graveMap.out);
    const char at = gl[gs->graveY][gs->graveX - 1];
    EXPECT_TRUE(at == '+' || (gc == 1 && gs->graveX == 6 && gs->graveY == 18)) << at;
    const ToolRun secret = runTool("map " + g + " --continent " + std::to_string(gc));
    EXPECT_EQ(secret.out.find('+'), std::string::npos) << secret.out;

    const std::string png = file("map.png");
    ASSERT_EQ(runTool("map " + g + " --continent 3 --png " + png).status, 0);
    std::ifstream in(png, std::ios::binary);
    std::string head(8, '\0');
    in.read(head.data(), 8);
    EXPECT_EQ(head, "\x89PNG\r\n\x1a\n");
    EXPECT_FALSE(fs::exists(png + ".tmp"));

    EXPECT_EQ(runTool("map " + g + " --continent 4").status, 1);
    EXPECT_EQ(runTool("map " + file("none.psv")).status, 1);
}

TEST_F(NewGameTool, DiaryMaskedAsTheWindowShowsIt) {
    const std::string g = file("d.psv");
    ASSERT_EQ(runTool("new-game --seed 9 --out " + g).status, 0);
    auto gs = load(g);

    ToolRun all = runTool("diary --all " + g);
    ASSERT_EQ(all.status, 0);
    EXPECT_EQ(all.out.substr(0, gs->diaryText.str().size()), gs->diaryText.str());

    ToolRun masked = runTool("diary " + g);
    ASSERT_EQ(masked.status, 0);
    EXPECT_EQ(masked.out.substr(0, maskedDiary(*gs).size()), maskedDiary(*gs));
    for (int k = 1; k <= kLetters; ++k)
        EXPECT_EQ(masked.out.find(DiaryAlphabet[k]), std::string::npos) << DiaryAlphabet[k];
    EXPECT_NE(masked.out.find("\r\n"), std::string::npos);
    EXPECT_EQ(runTool("diary").status, 1);
}

}  // namespace
