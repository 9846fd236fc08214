// The battle window and its neighbours under the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <cstring>
#include <memory>

#include "core/data/GameState.h"
#include "core/data/Session.h"
#include "platform/Random.h"
#include "platform/headless/HeadlessPlatform.h"
#include "ui/battle/BanditWindow.h"
#include "ui/battle/BattleLogWindow.h"
#include "ui/battle/BattleWindow.h"
#include "ui/battle/VictoryWindow.h"

using namespace battle;

namespace {

class PausablePlatform : public HeadlessPlatform {
public:
    bool inPause = false;
    bool pausing() const override { return inPause; }
};

struct BattleContext {
    std::unique_ptr<GameState> gs{new GameState};
    Session session;
    Random rnd{1};
    PausablePlatform platform;
    GameContext ctx{*gs, session, rnd, platform, {}};
    TBattleForm form{ctx};

    BattleContext() { std::memset(static_cast<void*>(gs.get()), 0, sizeof(GameState)); }

    // A battle whose hero stack (kind `kind`) has the first turn on an open field.
    void start(int kind) {
        session.sides = BattleSides{};
        session.sides.hero(1) = makeStack(kind, 10);
        session.sides.hero(1).reaction = 200;
        session.sides.enemy(1) = makeStack(kGiants, 10);
        ctx.forms.battle = &form;
        form.show();
        BattleEngine& e = form.engine();
        for (int x = 2; x <= 6; ++x)
            for (int y = 1; y <= 5; ++y) e.field.at(x, y) = kFree;
        e.Tick();  // the first tick deals the first round
        ASSERT_EQ(e.activeHeroCode(), 11);
    }
    Cell heroAt() {
        Cell c;
        form.engine().FindStack(11, c);
        return c;
    }
    void key(int k) {
        QKeyEvent e(QEvent::KeyPress, k, Qt::NoModifier);
        QApplication::sendEvent(&form, &e);
    }
    void click(int x, int y, Qt::MouseButton b = Qt::LeftButton) {
        QMouseEvent e(QEvent::MouseButtonPress, QPointF(x, y), form.mapToGlobal(QPointF(x, y)), b,
                      b, Qt::NoModifier);
        QApplication::sendEvent(&form, &e);
    }
};

}  // namespace

TEST(BattleWindow, KeysAreIgnoredDuringAPause) {
    BattleContext b;
    b.start(kMilitia);
    b.platform.inPause = true;
    b.key(Qt::Key_Right);
    b.key(Qt::Key_Space);
    b.key(Qt::Key_W);
    EXPECT_EQ(b.heroAt(), (Cell{1, 1}));
    EXPECT_EQ(b.form.engine().activeHeroCode(), 11);
    EXPECT_EQ(b.session.sides.hero(1).waited, 0);
    b.platform.inPause = false;
    b.key(Qt::Key_Down);
    EXPECT_EQ(b.heroAt(), (Cell{1, 2}));
    b.form.closeBattle();
    EXPECT_FALSE(b.form.isVisible());
}

TEST(BattleWindow, ClicksOutsideTheFieldDoNothing) {
    BattleContext b;
    b.start(kGorgs);  // a flyer: a click on a free cell flies there
    EXPECT_EQ(b.form.engine().cursor, Cursor::Hand);
    for (QPoint p :
         {QPoint(4, 200), QPoint(200, 29), QPoint(565, 200), QPoint(200, 430), QPoint(560, 540)}) {
        b.click(p.x(), p.y());
        EXPECT_EQ(b.heroAt(), (Cell{1, 1})) << p.x() << "," << p.y();
    }
    Cell c;
    EXPECT_FALSE(TBattleForm::cellAt(4, 100, c));
    EXPECT_TRUE(TBattleForm::cellAt(5, 30, c));
    EXPECT_EQ(c, (Cell{1, 1}));
    EXPECT_TRUE(TBattleForm::cellAt(564, 429, c));
    EXPECT_EQ(c, (Cell{7, 5}));

    b.platform.inPause = true;  // a click in a pause is ignored too
    b.click(5 + 80 * 2 + 40, 30 + 80 * 2 + 40);
    EXPECT_EQ(b.heroAt(), (Cell{1, 1}));
    b.platform.inPause = false;
    b.click(5 + 80 * 2 + 40, 30 + 80 * 2 + 40, Qt::RightButton);  // the grid, nothing else
    EXPECT_TRUE(b.form.engine().gridLines);
    EXPECT_EQ(b.heroAt(), (Cell{1, 1}));
    b.click(5 + 80 * 2 + 40, 30 + 80 * 2 + 40);
    EXPECT_EQ(b.heroAt(), (Cell{3, 3}));
    b.form.closeBattle();
}

TEST(BattleWindow, BanditsAreListedAndFought) {
    BattleContext b;
    TBanditForm bandit(b.ctx);
    b.ctx.forms.battle = &b.form;
    b.gs->slot(1) = makeStack(kPeasants, 30);
    b.gs->slot(2) = makeStack(kMilitia, 20);
    b.session.encounterCode = 503;
    b.session.reward.cellX = 4;
    b.session.reward.cellY = 9;
    bandit.show();
    EXPECT_EQ(bandit.Label1->text().toStdString(),
              "В отряде есть:\nГНОМЫ-ЛУЧНИКИ\nЛЕТУНЫ\nВАРВАРЫ\n");
    EXPECT_EQ(b.session.reward.gold, 920);
    EXPECT_EQ(b.session.reward.authority, 20);
    EXPECT_EQ(b.session.reward.cellX, 4);
    bandit.Button1Click();
    EXPECT_FALSE(bandit.isVisible());
    EXPECT_TRUE(b.form.isVisible());
    EXPECT_EQ(int(b.session.sides.hero(1).count), 30);
    EXPECT_EQ(int(b.session.sides.enemy(2).count), 12);
    EXPECT_EQ(int(b.session.sides.enemy(4).count), 0);
    EXPECT_EQ(b.form.engine().field.at(7, 3), 23);
    EXPECT_EQ(b.form.engine().field.at(1, 3), kFree);  // an empty army slot stays home
    b.form.closeBattle();
}

// The log tells each action with its losses, L and Д show and hide it, the info
// box lets go of a stack that dies, and the next battle starts a fresh log.
TEST(BattleWindow, LogTellsTheBattleAndStartsEmpty) {
    BattleContext b;
    b.start(kDragons);
    TBattleLogForm& log = *b.form.battleLog();
    EXPECT_EQ(log.text().toStdString(), "— Т У Р: 1 —");
    b.key(Qt::Key_L);
    EXPECT_TRUE(log.isVisible());
    b.key(0x0414);
    EXPECT_FALSE(log.isVisible());

    BattleEngine& e = b.form.engine();
    b.session.sides.enemy(1) = makeStack(kPeasants, 2);
    e.field.at(7, 1) = kFree;
    e.field.at(2, 1) = 21;
    QMouseEvent over(QEvent::MouseMove, QPointF(125, 70), b.form.mapToGlobal(QPointF(125, 70)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&b.form, &over);
    auto* memo = b.form.findChild<QLabel*>(QStringLiteral("Memo1"));
    ASSERT_NE(memo, nullptr);
    EXPECT_TRUE(memo->text().contains("Крестьяне"));
    b.key(Qt::Key_Right);
    const QString text = log.text();
    EXPECT_TRUE(text.contains("Атака: ваши Драконы → вражеские Крестьяне. Удар: урон 24, убито 2."))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith("Уничтожены: вражеские Крестьяне!")) << text.toStdString();
    EXPECT_TRUE(memo->text().isEmpty());
    EXPECT_FALSE(b.form.isVisible()) << "the battle is won";

    b.start(kDragons);
    EXPECT_EQ(log.text().toStdString(), "— Т У Р: 1 —");
    b.form.closeBattle();
}

// The estimate fights its trial battles on a generator of its own: the game's
// generator draws the same numbers whether or not the window was opened.
TEST(BattleWindow, BanditEstimateLeavesTheGameAloneAndKnowsAnEmptyArmy) {
    BattleContext b;
    TBanditForm bandit(b.ctx);
    b.session.encounterCode = 503;
    b.gs->slot(1) = makeStack(kDragons, 40);
    const Random game = b.rnd, process = Random::process();
    bandit.show();
    EXPECT_EQ(bandit.Estimate->text().toStdString(), "Шансы на победу: высокие");
    bandit.hide();
    Random gameAfter = b.rnd, processAfter = Random::process(), gameBefore = game,
           processBefore = process;
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(gameAfter(1000000), gameBefore(1000000));
        EXPECT_EQ(processAfter(1000000), processBefore(1000000));
    }
    EXPECT_EQ(int(b.gs->slot(1).count), 40) << "the army itself never fights";

    b.gs->slot(1).count = 0;
    bandit.show();
    EXPECT_EQ(bandit.Estimate->text().toStdString(), "Без армии бой не выиграть");
}

TEST(BattleWindow, VictoryWindowPaysOut) {
    BattleContext b;
    TVictoryForm victory(b.ctx);
    b.gs->gold = 5;
    b.session.reward.gold = 940;
    b.session.reward.authority = 20;
    victory.show();
    EXPECT_EQ(victory.Label1->text().toStdString(),
              "Захвачено золота 940\nАвторитет увеличен на 20\n");
    EXPECT_EQ(b.gs->gold, 945u);
    victory.Button1Click();
    EXPECT_FALSE(victory.isVisible());
}
