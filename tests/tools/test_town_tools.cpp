// vestran-tool town-list, town and week on a saved game.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>

#include "data/SaveImage.h"
#include "tests/tools/ToolRun.h"
#include "tests/towns/TownWorld.h"

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

}  // namespace
