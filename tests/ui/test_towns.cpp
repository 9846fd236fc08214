// The town, vault, army, new-week and town-list windows under the offscreen
// platform: what their controls allow after the rules ran.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>

#include "platform/AssetNames.h"
#include "platform/Paths.h"
#include "platform/Random.h"
#include "platform/headless/HeadlessPlatform.h"
#include "tests/core/towns/TownWorld.h"
#include "ui/battle/VictoryWindow.h"
#include "ui/kit/Pictures.h"
#include "ui/towns/ArmyWindow.h"
#include "ui/towns/DismissWindow.h"
#include "ui/towns/NewWeekWindow.h"
#include "ui/towns/TownListWindow.h"
#include "ui/towns/TownWindow.h"
#include "ui/towns/VaultWindow.h"

namespace {

void writePic(const QString& path, int w, int h, QColor colour, bool bitmap = false) {
    QDir().mkpath(QFileInfo(path).path());
    QImage img(w, h, QImage::Format_Indexed8);
    img.setColorCount(2);
    img.setColor(0, qRgb(255, 0, 255));
    img.setColor(1, colour.rgb());
    img.fill(1);
    if (!bitmap) EncodeRows(img);
    ASSERT_TRUE(img.save(path, "BMP")) << path.toStdString();
}

// A programDir holding just the pictures these windows load.
struct Pictures {
    QTemporaryDir dir;
    std::string saved = programDir();
    Pictures() {
        const QString root = dir.path() + "/";
        for (int r = 1; r <= 5; ++r) {
            writePic(root + assets::kTravel + assets::townView(r), 500, 200, Qt::darkBlue, true);
            writePic(root + assets::kBattle + QString::fromStdString(assets::battleBackground(r)),
                     80, 80, Qt::darkGreen);
        }
        for (const Troop& t : CreatureTable)
            writePic(root + assets::kArmy + QString::fromStdString(t.picFile.str()), 80, 80,
                     Qt::gray);
        setProgramDir(dir.path().toStdString());
    }
    ~Pictures() { setProgramDir(saved); }
};

struct Windows : ::testing::Test {
    Pictures pictures;
    std::unique_ptr<GameState> gs = townWorld();
    Session session;
    Random rnd{5};
    HeadlessPlatform platform;
    GameContext ctx{*gs, session, rnd, platform, {}};
    TTownForm town{ctx};
    TShtyrmForm vault{ctx};
    TArmyForm army{ctx};
    TArmyFreeForm armyFree{ctx};
    TNewWeekForm newWeek{ctx};
    TTInfoForm tinfo{ctx};
    TVictoryForm victory{ctx};

    Windows() {
        ctx.forms.town = &town;
        ctx.forms.shtyrm = &vault;
        ctx.forms.army = &army;
        ctx.forms.armyFree = &armyFree;
        ctx.forms.newWeek = &newWeek;
        ctx.forms.tinfo = &tinfo;
        ctx.forms.victory = &victory;
        gs->soundOn = 0;
    }
    template <class T>
    T* in(QWidget& w, const char* name) {
        T* c = w.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    QPushButton* button(QWidget& w, const char* name) { return in<QPushButton>(w, name); }
    void enter(int t) {
        enterTown(*gs, session, t, 20, 20);
        town.showForm();
    }
};

TEST_F(Windows, BadRelationDisablesShipAndHireUntilTheTempleMendsIt) {
    gs->gold = 20000;
    gs->authority = 1000;
    gs->relation(1) = 2;
    gs->here(21, 21) = cell::kWater;
    enter(1);
    ASSERT_TRUE(town.isVisible());
    EXPECT_EQ(town.windowTitle(), "Город Аркан");
    EXPECT_FALSE(button(town, "Button2")->isEnabled());
    EXPECT_FALSE(button(town, "Button4")->isEnabled());
    EXPECT_TRUE(in<QSlider>(town, "TrackBar1")->isEnabled());
    EXPECT_TRUE(button(town, "Button3")->isEnabled());
    EXPECT_TRUE(button(town, "Button5")->isEnabled());
    EXPECT_EQ(in<QLabel>(town, "Label2")->palette().color(QPalette::WindowText), QColor(255, 0, 0));

    button(town, "Button3")->click();
    EXPECT_EQ(gs->relation(1), 3);
    EXPECT_EQ(gs->gold, 10000u);
    EXPECT_TRUE(button(town, "Button2")->isEnabled());
    EXPECT_TRUE(button(town, "Button4")->isEnabled());
    EXPECT_TRUE(button(town, "Button3")->isEnabled());
    EXPECT_EQ(in<QLabel>(town, "Label2")->palette().color(QPalette::WindowText),
              QColor(255, 255, 255));
    EXPECT_EQ(in<QLabel>(town, "Label1")->text(), "Золото 10000      Авторитет 1000    ");
}

TEST_F(Windows, TrackBarPricesTheHireAndTheHireRebuilds) {
    gs->gold = 1000;
    gs->authority = 1000;
    gs->letter(1) = 1;
    enter(1);
    EXPECT_FALSE(button(town, "Button5")->isEnabled()) << "this vault is taken";
    auto* bar = in<QSlider>(town, "TrackBar1");
    EXPECT_EQ(bar->maximum(), 50);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(button(town, "Button4")->text(), "Нанять 0 за 0");
    bar->setValue(3);
    EXPECT_EQ(button(town, "Button4")->text(), "Нанять 3 за 60");
    button(town, "Button4")->click();
    EXPECT_EQ(gs->slot(1).count, 33);
    EXPECT_EQ(gs->gold, 940u);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(bar->maximum(), 47);
    EXPECT_EQ(in<QLabel>(town, "Label4")->text(), "У вас есть 33. Вы можете нанять 47.");
}

TEST_F(Windows, BuyingAShipPutsTheHeroAtSeaAndLeaves) {
    gs->gold = 300;
    gs->here(19, 19) = cell::kWater;
    enter(1);
    ASSERT_TRUE(button(town, "Button2")->isEnabled());
    button(town, "Button2")->click();
    EXPECT_FALSE(town.isVisible());
    EXPECT_EQ(gs->onShip, 1);
    EXPECT_EQ(gs->heroX, 19);
    EXPECT_EQ(gs->heroY, 19);
    EXPECT_EQ(gs->gold, 0u);
}

TEST_F(Windows, VaultCancelAndStorm) {
    enter(4);
    button(town, "Button5")->click();
    EXPECT_FALSE(town.isEnabled());
    ASSERT_TRUE(vault.isVisible());
    const QString text = in<QLabel>(vault, "Label1")->text();
    EXPECT_TRUE(text.startsWith("Хранилище охраняют:\nГНОМЫ-ЛУЧНИКИ (отряд)\n"))
        << text.toStdString();
    EXPECT_EQ(session.reward.vaultTown, 4);
    EXPECT_EQ(session.reward.gold, 2500);
    EXPECT_TRUE(in<QLabel>(vault, "Estimate")->text().startsWith("Шансы на победу: "));

    button(vault, "Button2")->click();
    EXPECT_FALSE(vault.isVisible());
    EXPECT_TRUE(town.isEnabled());

    button(town, "Button5")->click();
    button(vault, "Button1")->click();
    EXPECT_FALSE(vault.isVisible());
    EXPECT_FALSE(town.isEnabled()) << "the town waits behind the battle";
    EXPECT_EQ(session.sides.hero(1).name.str(), "Крестьяне");
    EXPECT_EQ(int{session.sides.enemy(3).count}, 12);

    // The storm is won: the victory window pays out and hands the town back.
    const uint32_t gold = gs->gold;
    victory.showForm();
    victory.Button1Click();
    EXPECT_EQ(gs->letter(4), 1);
    EXPECT_EQ(gs->gold, gold + 2500);
    EXPECT_TRUE(town.isEnabled());
    EXPECT_FALSE(button(town, "Button5")->isEnabled()) << "each vault falls once";
}

TEST_F(Windows, ArmyReorderAndDismiss) {
    army.showForm();
    EXPECT_TRUE(button(army, "BitBtn3")->isEnabled());
    EXPECT_EQ(in<QLabel>(army, "Label1")->text().left(16), " -= Крестьяне =-");
    EXPECT_TRUE(in<QLabel>(army, "Label4")->text().isEmpty());
    army.selectSlot(4);
    EXPECT_FALSE(button(army, "BitBtn3")->isEnabled()) << "an empty slot cannot be dismissed";
    army.selectSlot(2);
    button(army, "BitBtn1")->click();
    EXPECT_EQ(army.selectedSlot(), 1);
    EXPECT_EQ(gs->slot(1).name.str(), "Гномы-лучники");
    button(army, "BitBtn3")->click();
    ASSERT_TRUE(armyFree.isVisible());
    EXPECT_FALSE(army.isEnabled());
    EXPECT_EQ(armyFree.windowTitle(), "Уволить Гномы-лучники?");
    button(armyFree, "Button1")->click();
    EXPECT_FALSE(armyFree.isVisible());
    EXPECT_TRUE(army.isEnabled());
    EXPECT_EQ(gs->slot(1).count, 0);
    EXPECT_TRUE(in<QLabel>(army, "Label1")->text().isEmpty());
    army.Button1Click();
    EXPECT_FALSE(army.isVisible());
}

TEST_F(Windows, NewWeekAndTownListShowTheirTexts) {
    newWeek.showForm();
    EXPECT_TRUE(newWeek.report().startsWith("Неделя закончена.\nПроишествия:\n"));
    gs->cell(1, 10, 50) = 705;
    gs->town(5).visited = 1;
    tinfo.showForm();
    EXPECT_TRUE(tinfo.text().contains("-= Город Эльфийск =-\nКонтинет: ИСКОРТИЯ; X=10; Y=50;"));
}

}  // namespace
