#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "core/data/GameState.h"
#include "core/data/SaveImage.h"
#include "core/data/Session.h"
#include "core/flow/SaveSlots.h"
#include "platform/AssetNames.h"
#include "platform/Paths.h"
#include "platform/Random.h"
#include "platform/headless/HeadlessPlatform.h"
#include "tests/core/data/SampleGame.h"
#include "ui/adventure/MapWindow.h"
#include "ui/shell/LoadWindow.h"
#include "ui/shell/SaveWindow.h"
#include "ui/shell/StartWindow.h"

namespace fs = std::filesystem;

namespace {

// The windows a save and a load go through, on a game in progress, with the
// slots in a folder of their own.
class SaveLoadWindows : public ::testing::Test {
protected:
    SaveLoadWindows()
        : gs(makeSampleGame()),
          rnd(1),
          ctx{*gs, session, rnd, platform, {}},
          start(ctx),
          tr(ctx),
          save(ctx),
          load(ctx) {
        ctx.forms.start = &start;
        ctx.forms.tr = &tr;
        ctx.forms.save = &save;
        ctx.forms.load = &load;
    }
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        saveslots::setSaveDirOverride(dir.path().toStdString());
        GameForm::setMainWindow(&tr);
    }
    void TearDown() override {
        saveslots::setSaveDirOverride("");
        GameForm::setMainWindow(nullptr);
    }

    void select(QListWidget* list, int slot) {
        list->setCurrentRow(slot - 1);
        emit list->itemClicked(list->currentItem());
    }
    std::string line(QListWidget* list, int slot) {
        return list->item(slot - 1)->text().toStdString();
    }
    // Saves through the window into `slot` under `name`, answering `answers`.
    void saveVia(int slot, const QString& name, std::deque<bool> answers = {}) {
        save.showForm(&tr);
        select(save.ListBox1, slot);
        save.Edit1->setText(name);
        platform.answers = std::move(answers);
        save.Button1->click();
    }

    QTemporaryDir dir;
    std::unique_ptr<GameState> gs;
    Session session;
    Random rnd;
    HeadlessPlatform platform;
    GameContext ctx;
    TStartForm start;
    TTrForm tr;
    TSaveForm save;
    TLoadForm load;
};

bool mapPicturesPresent() {
    for (const auto& s : assets::mapSlots())
        if (!s.file.empty() && !fs::exists(dataPath(std::string(assets::kTravel) + s.file)))
            return false;
    return true;
}

}  // namespace

TEST_F(SaveLoadWindows, SaveThenLoadBringsTheGameBack) {
    save.showForm(&tr);
    EXPECT_EQ(save.windowTitle().toStdString(), "Сохранить игру");
    ASSERT_EQ(save.ListBox1->count(), 15);
    for (int n = 1; n <= 15; ++n) EXPECT_EQ(line(save.ListBox1, n), "ПУСТО...");
    // On show slot 1 is chosen as if clicked.
    EXPECT_EQ(save.ListBox1->currentRow(), 0);
    EXPECT_EQ(save.Edit1->text().toStdString(), "Игра 1");
    EXPECT_FALSE(save.Button3->isEnabled());
    EXPECT_TRUE(save.Button1->isEnabled());
    save.Edit1->setText("   ");
    EXPECT_FALSE(save.Button1->isEnabled());

    gs->gold = 1111;
    gs->musicOn = 1;
    saveVia(3, "Мой поход");
    EXPECT_TRUE(platform.messages.empty()) << "an empty slot is saved without a question";
    EXPECT_FALSE(save.isVisible());
    ASSERT_TRUE(saveslots::slotExists(3));
    const auto saved = std::make_unique<GameState>(*gs);

    gs->gold = 5;
    gs->musicOn = 0;
    gs->cell(2, 30, 30) = 77;
    load.showForm(&tr);
    EXPECT_EQ(load.windowTitle().toStdString(), "Восстановление игры");
    EXPECT_EQ(line(load.ListBox1, 3), "Мой поход");
    EXPECT_FALSE(load.Button1->isEnabled()) << "slot 1 is empty";
    select(load.ListBox1, 3);
    ASSERT_TRUE(load.Button1->isEnabled());
    load.Button1->click();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(load.isVisible());
    EXPECT_EQ(gs->gold, 1111u);
    EXPECT_EQ(gs->musicOn, 1);
    EXPECT_EQ(gs->saveName.str(), "Мой поход");
    EXPECT_EQ(std::memcmp(gs->mapCells, saved->mapCells, sizeof gs->mapCells), 0);
    EXPECT_EQ(std::memcmp(gs->towns, saved->towns, sizeof gs->towns), 0);
    // The map's refresh after a load counts as a step.
    EXPECT_GE(gs->steps, saved->steps);
    EXPECT_LE(gs->steps, saved->steps + 2);
}

TEST_F(SaveLoadWindows, OverwriteAndDeleteAskOnlyForAnExistingSlot) {
    saveVia(1, "Первая");
    ASSERT_TRUE(platform.messages.empty());

    saveVia(1, "Вторая", {false});
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0], "Переписать \"Первая\"?");
    EXPECT_TRUE(save.isVisible()) << "No keeps the window open";
    EXPECT_EQ(saveslots::slotLine(1), "Первая");

    save.Button1->click();  // asked again, No again (empty queue)
    platform.answers = {true};
    save.Button1->click();
    EXPECT_FALSE(save.isVisible());
    EXPECT_EQ(saveslots::slotLine(1), "Вторая");

    save.showForm(&tr);
    EXPECT_EQ(save.Edit1->text().toStdString(), "Вторая");  // a used slot offers its name
    EXPECT_TRUE(save.Button3->isEnabled());
    platform.messages.clear();
    platform.answers = {true};
    save.Button3->click();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0], "Удалить \"Вторая\"?");
    EXPECT_FALSE(saveslots::slotExists(1));
    EXPECT_EQ(line(save.ListBox1, 1), "ПУСТО...");
    EXPECT_FALSE(save.Button3->isEnabled());
    save.Button2->click();
    EXPECT_FALSE(save.isVisible());
}

TEST_F(SaveLoadWindows, DamagedFileIsRefusedAndTheGameIsUntouched) {
    auto bad = makeSampleGame();
    bad->continent = 9;
    bad->saveName.set("Чужой файл");
    ASSERT_TRUE(writeSaveFile(saveslots::slotPath(4), *bad).ok);
    std::ofstream(saveslots::slotPath(5), std::ios::binary) << "short";

    gs->gold = 777;
    const auto before = std::make_unique<GameState>(*gs);
    load.showForm(&tr);
    EXPECT_EQ(line(load.ListBox1, 4), "Чужой файл");
    EXPECT_EQ(line(load.ListBox1, 5), "ПОВРЕЖДЁН...");
    for (int slot : {4, 5}) {
        select(load.ListBox1, slot);
        load.Button1->click();
        EXPECT_TRUE(load.isVisible());
        EXPECT_EQ(std::memcmp(gs.get(), before.get(), sizeof(GameState)), 0) << slot;
    }
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_NE(platform.messages[0].find("Файл повреждён: неверный континент 9"), std::string::npos)
        << platform.messages[0];
    EXPECT_NE(platform.messages[1].find("неверный размер"), std::string::npos)
        << platform.messages[1];
    load.Button2->click();
    EXPECT_FALSE(load.isVisible());
}

TEST_F(SaveLoadWindows, FailedWriteKeepsTheOldSave) {
    saveVia(2, "Старая");
    ASSERT_TRUE(saveslots::slotExists(2));
    fs::create_directory(saveslots::slotPath(2) + ".tmp");  // the new file cannot be made
    saveVia(2, "Новая", {true});
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_NE(platform.messages[1].find("Не удалось записать"), std::string::npos);
    EXPECT_TRUE(save.isVisible());
    EXPECT_EQ(save.Edit1->text().toStdString(), "Новая") << "the typed name stays for a retry";
    EXPECT_EQ(saveslots::slotLine(2), "Старая");
    auto loaded = std::make_unique<GameState>();
    EXPECT_TRUE(saveslots::loadFromSlot(2, *loaded).ok);
}

TEST_F(SaveLoadWindows, LoadFromTheStartWindowStartsPlayOnTheMap) {
    if (!mapPicturesPresent()) GTEST_SKIP() << "map pictures not generated in this build";
    saveVia(6, "С начала");
    std::memset(gs.get(), 0, sizeof(GameState));  // nothing played yet
    GameForm::setMainWindow(&start);
    start.showForm();
    load.showForm(&start);
    select(load.ListBox1, 6);
    load.Button1->click();
    EXPECT_FALSE(load.isVisible());
    EXPECT_FALSE(start.isVisible());
    EXPECT_TRUE(tr.isVisible());
    EXPECT_EQ(GameForm::mainWindow(), &tr);
    EXPECT_EQ(gs->saveName.str(), "С начала");
    tr.hide();
}
