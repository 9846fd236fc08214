// Travel by the mouse into the unknown and from the town list, and the fight
// estimate's two lines, in a new game on the map.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <memory>

#include "core/battle/FightEstimate.h"
#include "core/data/GameState.h"
#include "core/data/Session.h"
#include "platform/Random.h"
#include "platform/headless/HeadlessPlatform.h"
#include "ui/adventure/MapWindow.h"
#include "ui/adventure/MouseWalk.h"
#include "ui/battle/BanditWindow.h"
#include "ui/shell/StartWindow.h"
#include "ui/shell/Startup.h"
#include "ui/towns/TownListWindow.h"
#include "ui/towns/VaultWindow.h"

namespace {

// A new game whose first continent is then made open ground inside its frame of
// water, explored only west of x = 20, the hero at (10, 20).
struct MouseTravel : ::testing::Test {
    std::unique_ptr<GameState> gs = std::make_unique<GameState>();
    Session session;
    Random rnd{9};
    HeadlessPlatform platform;
    GameContext ctx{*gs, session, rnd, platform, {}};

    void SetUp() override {
        CreateForms(ctx);
        GameForm::setMainWindow(ctx.forms.start);
        ctx.forms.start->showForm();
        ctx.forms.start->Button8Click();
        for (int x = 1; x <= kMapW; ++x)
            for (int y = 1; y <= kMapH; ++y) {
                gs->cell(1, x, y) = (x <= 3 || x >= 68 || y <= 3 || y >= 78) ? 100 : 0;
                gs->explored(1, x, y) = x <= 20 ? 1 : 0;
            }
        for (int t = 1; t <= kTowns; ++t) gs->town(t).visited = 0;
        gs->continent = 1;
        gs->onShip = 0;
        gs->heroX = 10;
        gs->heroY = 20;
        ctx.forms.tr->buildGroundLayer();
    }
    void TearDown() override {
        GameForm::setMainWindow(nullptr);
        DestroyForms(ctx);
    }
    MouseWalk& walk() { return *ctx.forms.tr->mouseWalk(); }
    void clickMini(int x, int y) {
        const QPointF at(512 + 3 * x, 5 + 3 * y);
        QWidget* stage = ctx.forms.tr->stage();
        QMouseEvent e(QEvent::MouseButtonPress, at, stage->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(stage, &e);
    }
    bool walkEnds() {
        QElapsedTimer clock;
        clock.start();
        while (walk().walking() && clock.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return !walk().walking();
    }
    std::vector<uint8_t> explored() const {
        const auto* p = &gs->mapExplored[0][0][0];
        return {p, p + sizeof(gs->mapExplored)};
    }
};

}  // namespace

TEST_F(MouseTravel, AClickIntoTheUnknownWalksToTheEdgeOfTheExplored) {
    const std::vector<uint8_t> before = explored();
    clickMini(40, 20);
    ASSERT_TRUE(walk().hasTarget());
    EXPECT_EQ(walk().line().toStdString(), "Путь к краю разведанного: 10 шагов");
    EXPECT_EQ(walk().path().presses.back().x, 20);
    EXPECT_EQ(explored(), before);  // the preview uncovers nothing

    clickMini(40, 20);  // the same click again walks
    ASSERT_TRUE(walkEnds());
    // The cell chosen at the click stays the goal, though the walk uncovered
    // cells nearer the target on its way.
    EXPECT_EQ(gs->heroX, 20);
    EXPECT_EQ(gs->heroY, 20);
    EXPECT_EQ(gs->explored(1, 22, 20), 1);
}

TEST_F(MouseTravel, ADoubleClickInTheTownListWalksToTheTown) {
    TTInfoForm& list = *ctx.forms.tinfo;
    auto* memo = list.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    list.showForm(ctx.forms.tr);
    EXPECT_EQ(list.text().count('\n'), 2);  // the three hyphen lines, nothing more
    auto* note = list.findChild<QLabel*>(QStringLiteral("Note"));
    EXPECT_FALSE(list.note().isEmpty());
    EXPECT_LE(note->heightForWidth(note->width()), note->height());  // it fits its strip
    EXPECT_LE(note->geometry().right(), list.findChild<QLabel*>("CloseHint")->geometry().left());
    list.hide();

    // One town here beyond the explored land, one on the next continent.
    gs->here(40, 20) = 705;
    gs->town(5).visited = 1;
    gs->cell(2, 30, 30) = 715;
    gs->town(15).visited = 1;
    list.showForm(ctx.forms.tr);
    EXPECT_TRUE(list.note().isEmpty());
    auto doubleClick = [&](int line) {
        const QTextBlock block = memo->document()->findBlockByNumber(line);
        QTextCursor c(block);
        const QPointF at = memo->cursorRect(c).center();
        QMouseEvent e(QEvent::MouseButtonDblClick, at, memo->viewport()->mapToGlobal(at),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(memo->viewport(), &e);
    };
    doubleClick(10);  // the other continent's town, its line "Рекруты - ..."
    EXPECT_TRUE(list.isVisible());
    EXPECT_EQ(list.note().toStdString(), "На другом континенте");
    doubleClick(0);  // a hyphen line: nothing
    EXPECT_TRUE(list.isVisible());
    doubleClick(2);  // the town here: the list closes and the hero walks toward it
    EXPECT_FALSE(list.isVisible());
    EXPECT_TRUE(walk().walking());
    ASSERT_TRUE(walkEnds());
    EXPECT_EQ(gs->heroX, 20);
    EXPECT_EQ(gs->heroY, 20);
}

TEST_F(MouseTravel, EstimateLinesFitTheBanditAndVaultWindows) {
    // The widest texts the two lines can hold, in each label's own font.
    std::vector<QString> chances, losses;
    for (auto c : {battle::Chances::None, battle::Chances::Low, battle::Chances::Even,
                   battle::Chances::High})
        chances.push_back(QString::fromStdString(battle::chancesText(c)));
    battle::FightEstimate worst;
    worst.lossPercent = 100;
    losses.push_back(QString::fromStdString(battle::lossText(worst)));

    TBanditForm& bandit = *ctx.forms.bandit;
    for (auto [label, texts] : {std::pair{bandit.Estimate, chances}, {bandit.Losses, losses}})
        for (const QString& t : texts)
            EXPECT_LE(label->fontMetrics().horizontalAdvance(t) + 2, label->contentsRect().width())
                << t.toStdString();
    EXPECT_LE(bandit.Losses->geometry().bottom(),
              bandit.findChildren<QPushButton*>().front()->geometry().top());

    TShtyrmForm& vault = *ctx.forms.shtyrm;
    auto* estimate = vault.findChild<QLabel*>(QStringLiteral("Estimate"));
    auto* lossLine = vault.findChild<QLabel*>(QStringLiteral("Losses"));
    auto* button = vault.findChild<QPushButton*>(QStringLiteral("Button1"));
    for (auto [label, texts] : {std::pair{estimate, chances}, {lossLine, losses}})
        for (const QString& t : texts) {
            label->setText(t);
            label->adjustSize();
            EXPECT_LE(label->geometry().right(), vault.width()) << t.toStdString();
            EXPECT_LT(label->geometry().bottom(), button->geometry().top()) << t.toStdString();
        }
    EXPECT_LE(estimate->geometry().bottom(), lossLine->geometry().top() + 1);

    // A band the new game's army beats: both lines, and the game untouched.
    const Random before = rnd;
    session.encounterCode = 500;
    bandit.showForm(ctx.forms.tr);
    EXPECT_TRUE(bandit.Losses->text().startsWith("Потери при победе: около "));
    EXPECT_EQ(rnd(1000000), Random(before)(1000000));
    bandit.hide();
}
