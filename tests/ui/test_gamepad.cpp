// Gamepad play with SDL's virtual pad, a standard controller, under the offscreen
// platform: only the virtual pad is listened to, whatever the machine has.
#include <SDL.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <cstring>
#include <memory>

#include "core/data/GameState.h"
#include "core/data/Session.h"
#include "platform/Random.h"
#include "platform/headless/HeadlessPlatform.h"
#include "platform/qt/QtPlatform.h"
#include "ui/adventure/MapWindow.h"
#include "ui/adventure/MouseWalk.h"
#include "ui/adventure/OptionsWindow.h"
#include "ui/adventure/TreasureWindow.h"
#include "ui/battle/BattleWindow.h"
#include "ui/kit/GamepadInput.h"
#include "ui/kit/OutlinedLabel.h"

using namespace battle;

namespace {

// A virtual controller plugged in for the test and pulled out at its end.
class VirtualPad {
public:
    explicit VirtualPad(GamepadInput& input) : input_(input) {
        input_.setEnabled(true);
        SDL_VirtualJoystickDesc d{};
        d.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        d.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        d.naxes = SDL_CONTROLLER_AXIS_MAX;
        d.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        d.name = "Vestran test pad";
        const int index = SDL_JoystickAttachVirtualEx(&d);
        id_ = SDL_JoystickGetDeviceInstanceID(index);
        input_.listenTo(id_);
        input_.pump();  // opens it
    }
    ~VirtualPad() {
        unplug();
        input_.setEnabled(false);
    }
    bool plugged() const { return SDL_JoystickFromInstanceID(id_) != nullptr; }

    void set(SDL_GameControllerButton b, bool down) {
        SDL_JoystickSetVirtualButton(SDL_JoystickFromInstanceID(id_), b, down ? 1 : 0);
        input_.pump();
    }
    // The right stick pushed one way and let go.
    void flick(int x, int y) {
        SDL_Joystick* js = SDL_JoystickFromInstanceID(id_);
        SDL_JoystickSetVirtualAxis(js, SDL_CONTROLLER_AXIS_RIGHTX, static_cast<Sint16>(x));
        SDL_JoystickSetVirtualAxis(js, SDL_CONTROLLER_AXIS_RIGHTY, static_cast<Sint16>(y));
        input_.pump();
        SDL_JoystickSetVirtualAxis(js, SDL_CONTROLLER_AXIS_RIGHTX, 0);
        SDL_JoystickSetVirtualAxis(js, SDL_CONTROLLER_AXIS_RIGHTY, 0);
        input_.pump();
    }
    // A press and its release, with the chord's moment between them.
    void press(SDL_GameControllerButton b) {
        set(b, true);
        settle(GamepadInput::kChordMs + 5);
        set(b, false);
    }
    void settle(int ms) {
        QThread::msleep(static_cast<unsigned long>(ms));
        input_.pump();
    }
    void unplug() {
        for (int i = 0; i < SDL_NumJoysticks(); ++i)
            if (SDL_JoystickGetDeviceInstanceID(i) == id_) SDL_JoystickDetachVirtual(i);
        input_.pump();
    }

private:
    GamepadInput& input_;
    SDL_JoystickID id_ = -1;
};

void activate(QWidget* w) {
    w->activateWindow();
    for (int i = 0; i < 20 && QApplication::activeWindow() != w; ++i) {
        QApplication::processEvents();
        QThread::msleep(5);
    }
}

struct PadOnTheMap : ::testing::Test {
    std::unique_ptr<GameState> gs = std::make_unique<GameState>();
    Session session;
    Random rnd{5};
    HeadlessPlatform platform;
    GameContext ctx{*gs, session, rnd, platform, {}};
    TTrForm tr{ctx};
    TGoldForm gold{ctx};
    TOptionsForm options{ctx};
    GamepadInput input;

    void SetUp() override {
        for (int x = 1; x <= kMapW; ++x)
            for (int y = 1; y <= kMapH; ++y) {
                gs->cell(1, x, y) = (x <= 3 || x >= 68 || y <= 3 || y >= 78) ? 100 : 0;
                gs->ground(x, y) = 1;
                gs->explored(1, x, y) = 1;
            }
        gs->continent = 1;
        gs->heroX = 6;
        gs->heroY = 18;
        gs->steps = 1;
        ctx.forms.tr = &tr;
        ctx.forms.gold = &gold;
        ctx.forms.options = &options;
        GameForm::setMainWindow(&tr);
        tr.showForm();
        activate(&tr);
    }
    void TearDown() override { GameForm::setMainWindow(nullptr); }
};

}  // namespace

// The D-pad steps as the arrows do; two buttons pressed together are one
// diagonal step; a picture window opened by a step closes with A (a fresh
// press, once the window has settled).
TEST_F(PadOnTheMap, DpadStepsAndAClosesAPictureWindow) {
    VirtualPad pad(input);
    ASSERT_EQ(input.padCount(), 1);
    pad.press(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    EXPECT_EQ(gs->heroX, 7);
    EXPECT_EQ(gs->steps, 3u);

    pad.set(SDL_CONTROLLER_BUTTON_DPAD_DOWN, true);
    pad.set(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
    pad.set(SDL_CONTROLLER_BUTTON_DPAD_DOWN, false);
    pad.set(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false);
    pad.settle(GamepadInput::kChordMs + 5);
    EXPECT_EQ(gs->heroX, 8);
    EXPECT_EQ(gs->heroY, 19);
    EXPECT_EQ(gs->steps, 4u) << "one step for the chord";

    gs->here(9, 19) = cell::kTreasure;
    pad.press(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    ASSERT_TRUE(gold.isVisible());
    activate(&gold);
    pad.settle(320);
    pad.press(SDL_CONTROLLER_BUTTON_A);
    EXPECT_FALSE(gold.isVisible());
    EXPECT_EQ(gs->heroX, 9);
}

// Start opens the options (their key, J); B there does what Escape does.
TEST_F(PadOnTheMap, StartOpensTheOptionsAndBHidesThem) {
    VirtualPad pad(input);
    pad.press(SDL_CONTROLLER_BUTTON_START);
    ASSERT_TRUE(options.isVisible());
    activate(&options);
    pad.press(SDL_CONTROLLER_BUTTON_B);
    EXPECT_FALSE(options.isVisible());
    EXPECT_TRUE(tr.isEnabled());
}

// A pad pulled out mid-walk ends the walk and leaves the game as it was.
TEST_F(PadOnTheMap, UnpluggingStopsAWalk) {
    VirtualPad pad(input);
    MouseWalk& walk = *tr.mouseWalk();
    walk.clickCell(20, 30);
    ASSERT_TRUE(walk.hasTarget());
    walk.startWalk();
    ASSERT_TRUE(walk.walking());
    const int x = gs->heroX, y = gs->heroY;
    pad.unplug();
    EXPECT_FALSE(pad.plugged());
    EXPECT_EQ(input.padCount(), 0);
    EXPECT_FALSE(walk.walking());
    pad.settle(3 * MouseWalk::kStepMs);
    EXPECT_EQ(gs->heroX, x);
    EXPECT_EQ(gs->heroY, y);
    EXPECT_TRUE(tr.isVisible());
}

// With no pad the pads are not read at all until a device file comes or goes;
// then they are read for a while, until the pad library has the new pad.
TEST(PadHotPlug, NoPadIsReadUntilADeviceFileComes) {
    QTemporaryDir dev;
    ASSERT_TRUE(dev.isValid());
    GamepadInput input;
    input.setDeviceFolder(dev.path());
    input.setEnabled(true);
    ASSERT_TRUE(input.enabled());
    if (input.padCount() > 0) GTEST_SKIP() << "a pad is plugged into this machine";
    EXPECT_EQ(input.pumpInterval(), -1);
    QDir(dev.path()).mkdir(QStringLiteral("input"));
    for (int i = 0; i < 200 && input.pumpInterval() < 0; ++i) {
        QApplication::processEvents();
        QThread::msleep(5);
    }
    EXPECT_EQ(input.pumpInterval(), GamepadInput::kNoPadMs);
    input.setEnabled(false);
}

// In battle the right stick's cursor and A fly where a click would; then X
// waits and A ends the turn, through the battle's own keys.
TEST(PadInBattle, CursorFliesXWaitsAndAEndsTheTurn) {
    auto gs = std::make_unique<GameState>();
    std::memset(static_cast<void*>(gs.get()), 0, sizeof(GameState));
    Session session;
    Random rnd{1};
    HeadlessPlatform platform;
    GameContext ctx{*gs, session, rnd, platform, {}};
    TBattleForm form{ctx};
    session.sides = BattleSides{};
    session.sides.hero(1) = makeStack(kGorgs, 10);  // a flyer
    session.sides.hero(1).reaction = 200;
    session.sides.hero(2) = makeStack(kPeasants, 10);
    session.sides.hero(2).reaction = 150;
    session.sides.enemy(1) = makeStack(kGiants, 10);
    ctx.forms.battle = &form;
    form.show();
    activate(&form);
    form.engine().Tick();
    ASSERT_EQ(form.engine().activeHeroCode(), 11);

    for (int x = 2; x <= 6; ++x)
        for (int y = 1; y <= 5; ++y) form.engine().field.at(x, y) = kFree;

    GamepadInput input;
    VirtualPad pad(input);
    pad.flick(32767, 0);      // shows the cursor beside the stack: (2,1)
    pad.flick(32767, 32767);  // (3,2)
    pad.flick(0, 32767);      // (3,3)
    ASSERT_TRUE(form.padCursorShown());
    EXPECT_EQ(form.padCursorCell(), (Cell{3, 3}));
    pad.press(SDL_CONTROLLER_BUTTON_A);
    EXPECT_FALSE(form.padCursorShown());
    Cell at;
    ASSERT_TRUE(form.engine().FindStack(11, at));
    EXPECT_EQ(at, (Cell{3, 3}));

    const int active = form.engine().activeHeroCode();
    ASSERT_NE(active, 0);
    pad.press(SDL_CONTROLLER_BUTTON_X);
    EXPECT_EQ(session.sides.hero(active - 10).waited, 1);
    const int next = form.engine().activeHeroCode();
    EXPECT_NE(next, active);
    pad.press(SDL_CONTROLLER_BUTTON_A);
    EXPECT_NE(form.engine().activeHeroCode(), next);

    // Y hands the side to the computer; the notice names Y, the pad's button.
    pad.press(SDL_CONTROLLER_BUTTON_Y);
    ASSERT_TRUE(form.autoHero());
    EXPECT_EQ(form.autoNotice()->text(),
              QStringLiteral("Ваши войска ведёт компьютер (Y — вернуть управление)"));
    form.closeBattle();
}

// The quit question in its real box: the D-pad moves the focus and its gold ring
// from one answer to the other, and A takes the answer the focus is on, not the
// default one.
TEST(PadInAQuestion, DpadReachesBothAnswersAndATakesTheFocusedOne) {
    GamepadInput input;
    VirtualPad pad(input);
    // Presses `moves` on the D-pad once the box is up, then A; the answer, and the
    // button the focus had reached.
    auto answer = [&](std::vector<SDL_GameControllerButton> moves, QString& reached) {
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            activate(box);
            for (SDL_GameControllerButton b : moves) pad.press(b);
            auto* focus = qobject_cast<QPushButton*>(QApplication::focusWidget());
            reached = focus ? focus->text() : QString();
            auto* ring = box->findChild<QWidget*>(QStringLiteral("PadFocusRing"));
            EXPECT_TRUE(
                ring && ring->isVisible() && focus &&
                ring->geometry().contains(QRect(focus->mapTo(box, QPoint(0, 0)), focus->size())));
            pad.press(SDL_CONTROLLER_BUTTON_A);
        });
        // Never left waiting: a box the pad failed to answer is closed.
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] {
            if (QWidget* w = QApplication::activeModalWidget()) w->close();
        });
        guard.start(5000);
        return QtPlatform::askInBox("Вы действительно хотите выйти из игры?");
    };
    QString reached;
    EXPECT_FALSE(answer({SDL_CONTROLLER_BUTTON_DPAD_RIGHT}, reached));
    EXPECT_EQ(reached, QStringLiteral("Нет"));
    EXPECT_TRUE(
        answer({SDL_CONTROLLER_BUTTON_DPAD_RIGHT, SDL_CONTROLLER_BUTTON_DPAD_LEFT}, reached));
    EXPECT_EQ(reached, QStringLiteral("Да"));
}
