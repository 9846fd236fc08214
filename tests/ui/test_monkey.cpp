// A monkey at the keyboard and the mouse: random keys, clicks on random buttons and
// random points of whatever window is in front, for thousands of inputs from a new
// game on, through the map, the towns, the battles and the small windows. After
// every input the game must still be one the game could save and load again, and a
// running battle must keep its field whole. VESTRAN_MONKEY_INPUTS makes it longer,
// VESTRAN_MONKEY_SEED plays another game.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/battle/BanditRules.h"
#include "core/data/GameState.h"
#include "core/data/SaveCheck.h"
#include "core/data/Session.h"
#include "platform/Paths.h"
#include "platform/Random.h"
#include "platform/headless/HeadlessPlatform.h"
#include "tools/bot/Invariants.h"
#include "ui/adventure/MapWindow.h"
#include "ui/battle/BattleWindow.h"
#include "ui/kit/Forms.h"
#include "ui/kit/GameForm.h"
#include "ui/shell/StartWindow.h"
#include "ui/shell/Startup.h"
#include "ui/towns/ArmyWindow.h"

namespace {

long fromEnv(const char* name, long fallback) {
    const char* v = std::getenv(name);
    const long n = v ? std::strtol(v, nullptr, 10) : 0;
    return n > 0 ? n : fallback;
}

// The game's pictures, sounds and music from the build folder, and a Save folder
// of the test's own.
struct MonkeyData {
    QTemporaryDir dir;
    MonkeyData() {
        const QDir build(QString::fromStdString(programDir()));
        for (const QFileInfo& e : build.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot))
            if (e.fileName() != "Save" && !e.fileName().startsWith("CMake"))
                QFile::link(e.absoluteFilePath(), dir.filePath(e.fileName()));
    }
};

std::vector<GameForm*> frontWindows() {
    std::vector<GameForm*> list;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* f = dynamic_cast<GameForm*>(w); f && f->isVisible() && f->isEnabled())
            list.push_back(f);
    return list;
}

const int kKeys[] = {Qt::Key_Left,  Qt::Key_Right,  Qt::Key_Up,     Qt::Key_Down,
                     Qt::Key_Home,  Qt::Key_End,    Qt::Key_PageUp, Qt::Key_PageDown,
                     Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape, Qt::Key_1,
                     Qt::Key_3,     Qt::Key_5,      Qt::Key_7,      Qt::Key_9,
                     Qt::Key_Tab,   Qt::Key_A,      Qt::Key_S,      Qt::Key_F1};

void pressKey(QWidget* w, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QApplication::sendEvent(w, &release);
}

void clickAt(QWidget* form, QPoint p) {
    QWidget* target = form->childAt(p);
    if (!target) target = form;
    const QPoint local = target->mapFrom(form, p);
    const QPointF global = target->mapToGlobal(QPointF(local));
    for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent e(t, QPointF(local), global, Qt::LeftButton,
                      t == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(target, &e);
    }
}

bool sideGone(const Troop* stacks) {
    for (int k = 0; k < 5; ++k)
        if (stacks[k].count > 0) return false;
    return true;
}

}  // namespace

// The game as main() sets it up, a new game on the map, from the build folder's
// pictures and a Save folder of its own.
struct GameWindows : ::testing::Test {
    MonkeyData data;
    std::string oldDir = programDir();
    std::unique_ptr<GameState> gs = std::make_unique<GameState>();
    Session session;
    Random rnd;
    HeadlessPlatform platform;
    GameContext ctx{*gs, session, rnd, platform, {}};
    long seed = fromEnv("VESTRAN_MONKEY_SEED", 11);

    GameWindows() {
        setProgramDir(data.dir.path().toStdString());
        rnd.useSeedSequence(static_cast<uint64_t>(seed));
        CreateForms(ctx);
        GameForm::setMainWindow(ctx.forms.start);
        ctx.forms.start->showForm();
        ctx.forms.start->Button8Click();
    }
    ~GameWindows() override {
        GameForm::setMainWindow(nullptr);
        DestroyForms(ctx);
        setProgramDir(oldDir);
    }
};

// The map stays visible and enabled behind a battle, so a click can reach it; its
// keys and its command labels must wait until the battle is over.
TEST_F(GameWindows, MapWaitsWhileABattleRuns) {
    ASSERT_TRUE(ctx.forms.tr->isVisible());
    banditSides(session.sides, *gs, 0);
    ctx.forms.battle->showForm();
    const auto steps = gs->steps;
    const auto x = gs->heroX, y = gs->heroY;
    for (int key : {Qt::Key_Right, Qt::Key_Left, Qt::Key_Up, Qt::Key_Down, Qt::Key_Space})
        pressKey(ctx.forms.tr, key);
    EXPECT_EQ(gs->steps, steps);
    EXPECT_EQ(gs->heroX, x);
    EXPECT_EQ(gs->heroY, y);
    clickAt(ctx.forms.tr, ctx.forms.tr->Label3->geometry().center());  // the army
    EXPECT_FALSE(ctx.forms.army->isVisible());

    ctx.forms.battle->closeBattle();
    clickAt(ctx.forms.tr, ctx.forms.tr->Label3->geometry().center());
    EXPECT_TRUE(ctx.forms.army->isVisible());
}

TEST_F(GameWindows, MonkeyInputKeepsTheGameWhole) {
    ASSERT_TRUE(data.dir.isValid());
    ASSERT_TRUE(ctx.forms.tr->isVisible());

    Random monkey;
    monkey.useSeedSequence(static_cast<uint64_t>(seed) + 1);
    const long inputs = fromEnv("VESTRAN_MONKEY_INPUTS", 4000);
    long keys = 0, buttons = 0, clicks = 0, battles = 0;
    bool inBattle = false;
    long battleInputs = 0;
    std::map<std::string, long> perWindow;
    std::unique_ptr<Invariants> inv;
    uint32_t lastSteps = 0;
    std::string broken;
    for (long i = 0; i < inputs && broken.empty(); ++i) {
        const std::vector<GameForm*> front = frontWindows();
        if (front.empty()) {
            // Every window closed (the game was left): begin again.
            ctx.forms.start->showForm();
            ctx.forms.start->Button8Click();
            continue;
        }
        // Input goes where the focus is, as on a screen; now and then the monkey
        // clicks another window, which a dialog must win back.
        GameForm* form = dynamic_cast<GameForm*>(QApplication::activeWindow());
        if (!form || !form->isVisible() || !form->isEnabled() || monkey(20) == 0) {
            form = front[monkey(static_cast<int>(front.size()))];
            form->activateWindow();
            QCoreApplication::processEvents();
            if (auto* active = dynamic_cast<GameForm*>(QApplication::activeWindow());
                active && active->isVisible() && active->isEnabled())
                form = active;
        }
        // A battle the monkey cannot finish is left by the retreat label, as a
        // player would.
        if (form == static_cast<QWidget*>(ctx.forms.battle) && ++battleInputs > 600) {
            for (QLabel* l : form->findChildren<QLabel*>())
                if (l->isVisible() && l->text() == QStringLiteral("Отступить"))
                    clickAt(form, l->geometry().center());
            battleInputs = 0;
            QCoreApplication::processEvents();
            continue;
        }
        ++perWindow[form->metaObject()->className()];
        const int what = monkey(100);
        if (what < 55) {
            QWidget* w = form->focusWidget() ? form->focusWidget() : form;
            pressKey(w, kKeys[monkey(static_cast<int>(std::size(kKeys)))]);
            ++keys;
        } else if (what < 85) {
            std::vector<QAbstractButton*> live;
            for (QAbstractButton* b : form->findChildren<QAbstractButton*>())
                if (b->isVisible() && b->isEnabled()) live.push_back(b);
            if (!live.empty()) {
                live[monkey(static_cast<int>(live.size()))]->click();
                ++buttons;
            }
        } else {
            clickAt(form, QPoint(monkey(std::max(1, form->width())),
                                 monkey(std::max(1, form->height()))));
            ++clicks;
        }
        QCoreApplication::processEvents();

        const bool battleShown = ctx.forms.battle->isVisible();
        if (battleShown && !inBattle) ++battles, battleInputs = 0;
        // A won battle clears the band's cell: the armies' last steps may end there.
        if (!battleShown && inBattle && inv && session.reward.cellX != 0 &&
            gs->cell(gs->continent, session.reward.cellX, session.reward.cellY) == 0)
            inv->cellCleared(gs->continent, session.reward.cellX, session.reward.cellY);
        inBattle = battleShown;
        // A side is wiped out, or none of the hero's stacks has the turn: the battle
        // goes on with its clock's next tick, which a player would wait for.
        if (battleShown &&
            (sideGone(session.sides.heroStacks) || sideGone(session.sides.enemyStacks) ||
             ctx.forms.battle->engine().activeHeroCode() == 0)) {
            QElapsedTimer t;
            t.start();
            const int hero = ctx.forms.battle->engine().activeHeroCode();
            while (ctx.forms.battle->isVisible() &&
                   ctx.forms.battle->engine().activeHeroCode() == hero && t.elapsed() < 2000)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
            // Pauses take no time here, so a clock tick or two settles any turn; a
            // battle in which nobody ever gets the turn again is a game stuck for good.
            if (ctx.forms.battle->isVisible() && ctx.forms.battle->engine().activeHeroCode() == 0 &&
                !sideGone(session.sides.heroStacks) && !sideGone(session.sides.enemyStacks))
                broken = "a battle in which nobody has the turn";
        }
        if (!broken.empty()) {
            // The stalled battle above is the fault to report.
        } else if (battleShown) {
            broken = Invariants::checkBattle(ctx.forms.battle->engine(), session.sides, false);
        } else if (ctx.forms.tr->isVisible()) {
            broken = validateSave(*gs);
            // A load (or a new game) may go back in time; the watch starts again.
            if (!inv || gs->steps < lastSteps) inv = std::make_unique<Invariants>(*gs);
            lastSteps = gs->steps;
            if (broken.empty()) broken = inv->check(*gs);
        }
        if (!broken.empty()) broken = "after input " + std::to_string(i) + ": " + broken;
    }
    EXPECT_EQ(broken, "");
    std::printf("monkey: %ld inputs (%ld keys, %ld buttons, %ld clicks), %ld battles, step %u\n",
                inputs, keys, buttons, clicks, battles, static_cast<unsigned>(gs->steps));
    for (const auto& [name, n] : perWindow) std::printf("  %s %ld\n", name.c_str(), n);
}
