// vestran-tool town-list, town and week on a saved game.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>

#include "core/data/SaveImage.h"
#include "tests/core/towns/TownWorld.h"
#include "tests/tools/ToolRun.h"

namespace {

struct TownTools : ::testing::Test {
    std::string file = (std::filesystem::temp_directory_path() /
                        ("vestran-towns-" + std::to_string(::getpid()) + ".psv"))
                           .string();
    std::string out = file + ".out";
    std::unique_ptr<GameState> gs = townWorld();

    TownTools() {
        for (int t = 1; t <= kTowns; ++t)
            gs->cell((t - 1) / 10 + 1, 10 + t % 10 * 5, 40) = static_cast<uint16_t>(700 + t);
        gs->cell(1, 16, 41) = cell::kWater;  // beside town 1 at (15, 40)
        gs->town(1).visited = 1;
        gs->town(2).visited = 1;
        gs->letter(2) = 1;
        // The tools refuse a game the game itself would not load.
        gs->heroSprite = 91;
        gs->graveContinent = 1;
        gs->graveX = gs->graveY = 5;
        for (int x = 1; x <= kMapW; ++x)
            for (int y = 1; y <= kMapH; ++y) gs->ground(x, y) = 1;
    }
    ~TownTools() override {
        std::filesystem::remove(file);
        std::filesystem::remove(out);
    }
    void save() { ASSERT_TRUE(writeSaveFile(file, *gs).ok); }
};

TEST_F(TownTools, TownListInMapOrder) {
    save();
    const ToolRun r = runTool("town-list " + file);
    ASSERT_EQ(r.status, 0) << r.out;
    const std::string hy(35, '-');
    EXPECT_EQ(
        r.out,
        hy +
            "\n-= Город Аркан =-\nКонтинет: ИСКОРТИЯ; X=15; Y=40;\n"
            "Принадлежит рассе ЛЮДИ.\nРекруты - Крестьяне.\nХранилище не штурмовалось.\n\n"
            "-= Город Южный =-\nКонтинет: ИСКОРТИЯ; X=20; Y=40;\n"
            "Принадлежит рассе ЛЮДИ.\nРекруты - Крестьяне.\nХранилище уже взято штурмом.\n\n" +
            hy + "\n" + hy + "\n");
    const ToolRun all = runTool("town-list --all " + file);
    EXPECT_NE(all.out.find("-= Город Алград =-"), std::string::npos);
}

TEST_F(TownTools, TownShowsTheWindowWithoutChangingTheFile) {
    gs->gold = 5000;
    save();
    const auto before = std::filesystem::last_write_time(file);
    const ToolRun r = runTool("town " + file + " 1");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("Город Аркан\nРасса ЛЮДИ  отно\x63ятся нейтрально\n"), std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("Нанять корабль (300): да, место X=16 Y=41"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Хранилище охраняют:\nГНОМЫ-ЛУЧНИКИ (немного)\n"), std::string::npos);
    EXPECT_EQ(std::filesystem::last_write_time(file), before);

    EXPECT_EQ(runTool("town " + file + " 31").status, 1);
    EXPECT_EQ(runTool("town " + file + " x").status, 1);
    EXPECT_EQ(runTool("town " + file).status, 1);
}

TEST_F(TownTools, WeekIsReproducibleAndWritesOnlyWhenAsked) {
    save();
    const ToolRun a = runTool("week " + file + " --seed 9 --weeks 40 --out " + out);
    const ToolRun b = runTool("week " + file + " --seed 9 --weeks 40");
    ASSERT_EQ(a.status, 0) << a.out;
    EXPECT_EQ(a.out, b.out);
    EXPECT_EQ(a.out.rfind("Неделя закончена.\nПроишествия:\n", 0), 0u);
    EXPECT_TRUE(std::filesystem::exists(out));
    auto changed = std::make_unique<GameState>();
    ASSERT_TRUE(readSaveFile(out, *changed).ok);
    EXPECT_NE(std::memcmp(changed.get(), gs.get(), sizeof(GameState)), 0);

    EXPECT_EQ(runTool("week " + file + " --weeks 0").status, 1);
    EXPECT_EQ(runTool("week " + file + " --seed").status, 1);
    EXPECT_EQ(runTool("week --help").status, 0);
}

// The commands that play the game's rules on a file refuse one the game would not
// load, as the game does, and leave it as it was.
TEST_F(TownTools, RulesRefuseADamagedGame) {
    gs->relation(3) = 9;
    save();
    const auto before = std::filesystem::last_write_time(file);
    for (const std::string& cmd :
         {"town-list " + file, "town " + file + " 1", "week " + file + " --out " + out,
          "walk " + file + " --keys 6"}) {
        const ToolRun r = runTool(cmd);
        EXPECT_EQ(r.status, 1) << cmd << "\n" << r.out;
        EXPECT_NE(r.out.find("Файл повреждён: отношения с расой 3 равны 9"), std::string::npos)
            << cmd << "\n"
            << r.out;
    }
    EXPECT_EQ(std::filesystem::last_write_time(file), before);
    EXPECT_FALSE(std::filesystem::exists(out));
    // Showing the stored fields still works on it.
    EXPECT_EQ(runTool("info " + file).status, 0);
}

}  // namespace
