// The map on any screen: full screen and back with F11, the windows it opens
// centred on its stage, the wider view and what it keeps dark; and the game's
// windows within the sizes the fitting scale counts on.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QScreen>
#include <QWindow>
#include <memory>

#include "core/adventure/MapView.h"
#include "core/data/GameState.h"
#include "core/data/Session.h"
#include "core/flow/ScaleChoice.h"
#include "core/flow/Settings.h"
#include "platform/Random.h"
#include "platform/headless/HeadlessPlatform.h"
#include "ui/adventure/MapWindow.h"
#include "ui/adventure/OptionsWindow.h"
#include "ui/shell/StartWindow.h"
#include "ui/shell/Startup.h"

namespace {

// Every window of the game, a new game started, the map shown in a window.
struct NewGame {
    HeadlessPlatform platform;
    std::unique_ptr<GameState> gs = std::make_unique<GameState>();
    Session session;
    Random rnd;
    GameContext ctx{*gs, session, rnd, platform, {}};

    // The switches live for the whole run: every test starts and ends without them.
    static void switchesOff() {
        screen::setFullscreen(false);
        screen::setWideView(false);
    }
    NewGame() {
        switchesOff();
        rnd.useSeedSequence(5);
        CreateForms(ctx);
        GameForm::setMainWindow(ctx.forms.start);
        ctx.forms.start->Button8Click();
    }
    ~NewGame() {
        DestroyForms(ctx);  // the main window's pointer follows it
        switchesOff();
    }
    void key(QWidget* w, int k) {
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
        QApplication::sendEvent(w, &press);
        QCoreApplication::processEvents();
    }
};

}  // namespace

TEST(Screens, F11FillsTheScreenAndBackAndDialogsSitOnTheStage) {
    NewGame g;
    TTrForm* tr = g.ctx.forms.tr;
    ASSERT_TRUE(tr->isVisible());
    const QRect screen = tr->screen()->geometry();
    ASSERT_GT(screen.width(), 732);

    g.key(tr, Qt::Key_F11);
    EXPECT_TRUE(tr->fullscreen());
    EXPECT_TRUE(screen::fullscreen());  // remembered
    EXPECT_EQ(tr->geometry(), screen);
    // The stage keeps its size, in the middle of the screen.
    const QRect stage(tr->stage()->mapTo(tr, QPoint(0, 0)), tr->stage()->size());
    EXPECT_EQ(stage.size(), QSize(732, 511));
    EXPECT_LE(std::abs(stage.center().x() - tr->rect().center().x()), 1);
    EXPECT_LE(std::abs(stage.center().y() - tr->rect().center().y()), 1);

    // The options open over the middle of the stage, and stay above the map.
    g.key(tr, Qt::Key_J);
    QWidget* options = g.ctx.forms.options;
    ASSERT_TRUE(options->isVisible());
    const QPoint stageCentre = tr->stage()->mapToGlobal(tr->stage()->rect().center());
    // (Within the frame the window system puts around it.)
    EXPECT_LE((options->frameGeometry().center() - stageCentre).manhattanLength(), 8);
    ASSERT_NE(options->windowHandle(), nullptr);
    EXPECT_EQ(options->windowHandle()->transientParent(), tr->windowHandle());
    // The switch there brings the window back, as F11 would.
    auto* box = g.ctx.forms.options->FullscreenBox;
    EXPECT_TRUE(box->isChecked());
    box->click();
    EXPECT_FALSE(tr->fullscreen());
    EXPECT_EQ(options->windowHandle()->transientParent(), nullptr);
    g.ctx.forms.options->Button4Click();

    EXPECT_EQ(tr->size(), QSize(732, 511));
    EXPECT_EQ(tr->stage()->geometry(), QRect(0, 0, 732, 511));
    g.key(tr, Qt::Key_F11);
    g.key(tr, Qt::Key_F11);
    EXPECT_FALSE(tr->fullscreen());
    EXPECT_EQ(tr->size(), QSize(732, 511));
}

TEST(Screens, TheWiderViewShowsMoreCellsButNothingUnexplored) {
    NewGame g;
    TTrForm* tr = g.ctx.forms.tr;
    screen::setWideView(true);
    tr->layoutStage();
    EXPECT_EQ(tr->renderer().view(), ViewCells{});  // in a window: the map's own view
    tr->setFullscreen(true);
    tr->resize(1700, 1000);  // a screen larger than the offscreen one
    const ViewCells wide = tr->renderer().view();
    const QSize room = tr->size() - QSize(232, 11);
    EXPECT_EQ(wide, widestView(room.width(), room.height()));
    EXPECT_GT(wide.cols, 5);
    EXPECT_EQ(wide.cols % 2, 1);
    EXPECT_TRUE(wide.fog);
    EXPECT_EQ(tr->stage()->width(), 732 + (wide.cols - 5) * 100);

    // What the fog keeps dark: a band and a town on unexplored cells stay unseen;
    // explored, they are drawn as the map's view draws them.
    GameState& gs = *g.gs;
    const int x = gs.heroX + wide.cols / 2, y = gs.heroY;
    ASSERT_TRUE(GameState::onMap(x, y) && GameState::onMap(x, y + 1));
    gs.here(x, y) = 500;
    gs.here(x, y + 1) = 701;
    gs.explored(gs.continent, x, y) = 0;
    gs.explored(gs.continent, x, y + 1) = 0;
    std::vector<Blit> ground, frame;
    groundLayerBlits(gs, ground, wide);
    frameBlits(gs, 1, frame, wide);
    auto at = [&](const std::vector<Blit>& blits, int cx, int cy) {
        std::vector<int> found;
        for (const Blit& b : blits)
            if (b.x == viewPixelX(gs, cx, wide) && b.y == viewPixelY(gs, cy, wide))
                found.push_back(b.slot);
        return found;
    };
    EXPECT_EQ(at(ground, x, y), std::vector<int>{slot::kDark});
    EXPECT_EQ(at(ground, x, y + 1), std::vector<int>{slot::kDark});
    EXPECT_TRUE(at(frame, x, y).empty());
    gs.explored(gs.continent, x, y) = 1;
    gs.explored(gs.continent, x, y + 1) = 1;
    groundLayerBlits(gs, ground, wide);
    frameBlits(gs, 1, frame, wide);
    EXPECT_EQ(at(ground, x, y + 1).back(), slot::kTownBase + gs.town(1).race);
    EXPECT_EQ(at(frame, x, y), std::vector<int>{71});
    // Same steps: the hero stands in the middle cell of the wider view too.
    EXPECT_EQ(frame.back().x, wide.heroCol() * 100);

    tr->setFullscreen(false);
    EXPECT_EQ(tr->renderer().view(), ViewCells{});
}

TEST(Screens, NoWindowIsLargerThanTheFittingScaleCountsOn) {
    NewGame g;
    int width = 0, height = 0;
    for (const scale::WindowSize& w : scale::largestWindows()) {
        width = std::max(width, w.width);
        height = std::max(height, w.height);
    }
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!qobject_cast<GameForm*>(w)) continue;
        EXPECT_LE(w->minimumWidth(), width) << w->windowTitle().toStdString();
        EXPECT_LE(w->minimumHeight(), height) << w->windowTitle().toStdString();
    }
}
