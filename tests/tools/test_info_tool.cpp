#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "core/data/GameState.h"
#include "core/data/SaveImage.h"
#include "tests/tools/ToolRun.h"

namespace {

// A save written by hand, byte by byte as the layout says, not by the game.
std::string writeHandMadeSave() {
    FillTemplates();
    auto gs = std::make_unique<GameState>();
    std::memset(gs.get(), 0, sizeof(GameState));
    gs->saveName.set("Моя \"игра\"");
    gs->heroX = 12;
    gs->heroY = 34;
    gs->continent = 2;
    gs->onShip = 1;
    gs->steps = 215;
    gs->gold = 4321;
    gs->authority = 99;
    gs->spellTries = 2;
    gs->soundOn = 1;
    const char* races[] = {"Люди", "Гномы", "Эльфы", "Некроманты", "Орки"};
    for (int r = 1; r <= 5; ++r) {
        gs->raceName(r).set(races[r - 1]);
        gs->relation(r) = static_cast<uint8_t>(r);
    }
    gs->continentName(2).set("АЛЛИЯ");
    gs->letter(3) = 1;
    gs->graveContinent = 3;
    gs->graveX = 40;
    gs->graveY = 50;
    gs->slot(1) = makeStack(kPeasants, 30);
    gs->slot(4) = makeStack(kDragons, 0);  // an empty slot keeps its stale name
    auto path = (std::filesystem::temp_directory_path() / "vestran_info_test.psv").string();
    EXPECT_TRUE(writeSaveFile(path, *gs).ok);
    return path;
}

TEST(InfoTool, TextAndJsonSummaries) {
    std::string path = writeHandMadeSave();
    ToolRun text = runTool("info " + path);
    ASSERT_EQ(text.status, 0) << text.out;
    EXPECT_NE(text.out.find("АЛЛИЯ"), std::string::npos);
    EXPECT_NE(text.out.find("X=12 Y=34"), std::string::npos);
    EXPECT_NE(text.out.find("неделя 2, день 1"), std::string::npos);
    EXPECT_NE(text.out.find("Крестьяне × 30"), std::string::npos);
    EXPECT_NE(text.out.find("4. —"), std::string::npos);
    EXPECT_NE(text.out.find("отлично"), std::string::npos);

    ToolRun json = runTool("info --json " + path);
    ASSERT_EQ(json.status, 0) << json.out;
    for (const char* piece :
         {"\"saveName\":\"Моя \\\"игра\\\"\"", "\"heroX\":12", "\"heroY\":34", "\"continent\":2",
          "\"onShip\":1", "\"steps\":215", "\"day\":1", "\"week\":2", "\"gold\":4321",
          "\"authority\":99", "\"spellTries\":2", "\"musicOn\":0", "\"soundOn\":1",
          "\"relations\":[1,2,3,4,5]", "\"grave\":{\"continent\":3,\"x\":40,\"y\":50}",
          "{\"slot\":1,\"name\":\"Крестьяне\",\"count\":30}",
          "{\"slot\":4,\"name\":\"Драконы\",\"count\":0}",
          "\"lettersKnown\":[0,0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0]"})
        EXPECT_NE(json.out.find(piece), std::string::npos) << piece << "\n" << json.out;
    std::filesystem::remove(path);
}

// The grave is the game's secret: the text shows it only when asked to, the JSON
// for scripts always. The relations' Cyrillic names line up by letters.
TEST(InfoTool, GraveOnlyWithSpoilersAndRelationsInAColumn) {
    const std::string path = writeHandMadeSave();
    const ToolRun plain = runTool("info " + path);
    ASSERT_EQ(plain.status, 0) << plain.out;
    EXPECT_EQ(plain.out.find("X=40 Y=50"), std::string::npos) << plain.out;
    const ToolRun spoilers = runTool("info --spoilers " + path);
    EXPECT_NE(spoilers.out.find("Могила: континент 3 (), X=40 Y=50\n"), std::string::npos)
        << spoilers.out;
    EXPECT_NE(runTool("info --json " + path).out.find("\"grave\":{"), std::string::npos);

    for (const char* line : {"  Люди       1 (", "  Некроманты 4 (", "  Орки       5 ("})
        EXPECT_NE(plain.out.find(line), std::string::npos) << line << "\n" << plain.out;
    std::filesystem::remove(path);
}

TEST(InfoTool, ErrorsGoToStderrWithStatusOne) {
    EXPECT_EQ(runTool("info /nonexistent/file.psv").status, 1);
    auto bad = (std::filesystem::temp_directory_path() / "vestran_short.psv").string();
    std::FILE* f = std::fopen(bad.c_str(), "wb");
    std::fputs("short", f);
    std::fclose(f);
    ToolRun r = runTool("info " + bad);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("неверный размер"), std::string::npos);
    EXPECT_EQ(runTool("info --bogus x").status, 1);
    EXPECT_EQ(runTool("nosuchcommand").status, 1);
    EXPECT_EQ(runTool("info --help").status, 0);
    EXPECT_EQ(runTool("towns --help").status, 0);
    ToolRun towns = runTool("towns");
    EXPECT_EQ(towns.status, 0);
    EXPECT_NE(towns.out.find("Лут Голейн"), std::string::npos);
    std::filesystem::remove(bad);
}

}  // namespace
