#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QPushButton>
#include <QShortcut>

#include "core/data/GameState.h"
#include "core/data/Session.h"
#include "platform/Random.h"
#include "platform/headless/HeadlessPlatform.h"
#include "ui/kit/GameTimer.h"
#include "ui/shell/StartWindow.h"
#include "ui/shell/Startup.h"

namespace {

struct Context {
    GameState gs{};
    Session session;
    Random rnd{1};
    HeadlessPlatform platform;
    GameContext ctx{gs, session, rnd, platform, {}};
};

class Dialog : public GameForm {
public:
    explicit Dialog(GameContext& c) : GameForm(c) { setClientSize(100, 80); }
    void refuse(bool r) { setRefuseClose(r); }
    void onEscape(std::function<void()> f) { setEscapeAction(std::move(f)); }
    int shows = 0, closes = 0, hides = 0;

protected:
    void FormShow() override { ++shows; }
    void FormClose() override { ++closes; }
    void FormHide() override { ++hides; }
};

}  // namespace

TEST(Startup, StartWindowHasItsCaptionAndSize) {
    auto* c = new Context;
    {
        TStartForm start(c->ctx);
        EXPECT_EQ(start.windowTitle().toStdString(), "ВЕСТРАН v1.4");
        EXPECT_EQ(start.size(), QSize(505, 500));
        EXPECT_EQ(start.Button8->text().toStdString(), "НОВАЯ ИГРА");
        EXPECT_EQ(start.Button8->font().pixelSize(), 13);
        EXPECT_TRUE(start.Button8->font().bold());
    }
    delete c;
}

TEST(Dialogs, OpenerStaysDisabledUntilTheLastWindowItOpenedHides) {
    auto* c = new Context;
    {
        Dialog map(c->ctx), a(c->ctx), b(c->ctx), locked(c->ctx);
        map.showForm();
        EXPECT_EQ(map.shows, 1);
        const QColor normalText = map.palette().color(QPalette::Active, QPalette::WindowText);
        a.showForm(&map);
        EXPECT_FALSE(map.isEnabled());
        // Disabled behind a dialog, but it keeps its looks.
        EXPECT_EQ(map.palette().color(QPalette::Disabled, QPalette::WindowText), normalText);
        EXPECT_EQ(a.opener(), &map);
        b.showForm(&map);
        a.hide();
        EXPECT_FALSE(map.isEnabled()) << "b is still shown";
        EXPECT_EQ(a.hides, 1);
        b.hide();
        EXPECT_TRUE(map.isEnabled());
        EXPECT_FALSE(map.testAttribute(Qt::WA_SetPalette));

        // Showing a shown window again neither reruns its show nor holds a second opener.
        a.showForm(&map);
        a.showForm(&b);
        EXPECT_EQ(a.shows, 2);
        EXPECT_TRUE(b.isEnabled());
        a.hide();
        EXPECT_TRUE(map.isEnabled());

        // A window disabled for its own reasons stays so.
        locked.setEnabled(false);
        a.showForm(&locked);
        a.hide();
        EXPECT_FALSE(locked.isEnabled());
        map.hide();
    }
    delete c;
}

TEST(Dialogs, OwnCloseAlwaysWorksAndRunsTheCloseHook) {
    auto* c = new Context;
    {
        Dialog d(c->ctx);
        d.showForm();
        EXPECT_TRUE(d.close());  // refusing applies to the window system only
        EXPECT_FALSE(d.isVisible());
        EXPECT_EQ(d.closes, 1);
        EXPECT_EQ(d.hides, 1);

        int escapes = 0;
        d.onEscape([&] { ++escapes; });
        d.onEscape([&] { escapes += 10; });  // replaces, does not add a second shortcut
        EXPECT_EQ(d.findChildren<QShortcut*>().size(), 1);
    }
    delete c;
}

TEST(Dialogs, NewerWindowTakesTheFocusBackAndTheOlderOneLetsIt) {
    auto* c = new Context;
    {
        Dialog older(c->ctx), newer(c->ctx);
        older.showForm();
        newer.showForm();
        auto settle = [] {
            for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
        };
        settle();
        if (QApplication::activeWindow() != &newer)
            GTEST_SKIP() << "this window system does not hand out activation";
        older.activateWindow();
        settle();
        EXPECT_EQ(QApplication::activeWindow(), &newer) << "the newer window took it back";
        newer.hide();
        settle();
        older.activateWindow();
        settle();
        EXPECT_EQ(QApplication::activeWindow(), &older);
        older.hide();
    }
    delete c;
}

TEST(Startup, EveryWindowIsCreatedOnceAndNoneShowsBeforeTheStartWindow) {
    auto* c = new Context;
    CreateForms(c->ctx);
    const Forms& f = c->ctx.forms;
    const auto all = AllForms(f);
    EXPECT_EQ(all.size(), 23u);
    for (GameForm* w : all) {
        ASSERT_NE(w, nullptr);
        EXPECT_FALSE(w->isVisible()) << w->metaObject()->className();
    }
    EXPECT_FALSE(f.start->Timer1->isActive()) << "the opening animation waits for the window";
    DestroyForms(c->ctx);
    EXPECT_EQ(c->ctx.forms.start, nullptr);
    delete c;
}
