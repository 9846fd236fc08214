// The player's comforts beside the rules: the animation speed, quick combat and
// the autosave. None of them may change the game a seed gives.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "core/battle/AutoBattle.h"
#include "core/battle/BanditRules.h"
#include "core/battle/Outcome.h"
#include "core/data/GameState.h"
#include "core/data/SaveImage.h"
#include "core/data/Session.h"
#include "core/flow/Autosave.h"
#include "core/flow/SaveSlots.h"
#include "platform/AnimationSpeed.h"
#include "platform/Paths.h"
#include "platform/Random.h"
#include "platform/headless/HeadlessPlatform.h"
#include "platform/qt/QtPlatform.h"
#include "ui/adventure/MapWindow.h"
#include "ui/adventure/OptionsWindow.h"
#include "ui/battle/BanditWindow.h"
#include "ui/battle/BattleWindow.h"
#include "ui/battle/VictoryWindow.h"
#include "ui/kit/OutlinedLabel.h"
#include "ui/shell/HandoverRunner.h"
#include "ui/shell/LoadWindow.h"
#include "ui/shell/SaveWindow.h"
#include "ui/shell/StartWindow.h"
#include "ui/shell/Startup.h"
#include "ui/towns/NewWeekWindow.h"
#include "ui/towns/TownListWindow.h"

using namespace battle;

namespace {

// The game's data from the build folder, with a Save folder of the test's own.
struct OwnSaveFolder {
    QTemporaryDir dir;
    std::string oldDir = programDir();
    OwnSaveFolder() {
        const QDir build(QString::fromStdString(programDir()));
        for (const QFileInfo& e : build.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot))
            if (e.fileName() != "Save" && !e.fileName().startsWith("CMake"))
                QFile::link(e.absoluteFilePath(), dir.filePath(e.fileName()));
        setProgramDir(dir.path().toStdString());
    }
    ~OwnSaveFolder() { setProgramDir(oldDir); }
};

// Every window of the game on `platform`, a new game started from `seed`.
struct Game {
    OwnSaveFolder data;
    std::unique_ptr<GameState> gs = std::make_unique<GameState>();
    Session session;
    Random rnd;
    GameContext ctx;

    Game(Platform& platform, uint64_t seed) : ctx{*gs, session, rnd, platform, {}} {
        rnd.useSeedSequence(seed);
        CreateForms(ctx);
        GameForm::setMainWindow(ctx.forms.start);
        ctx.forms.start->showForm();
        ctx.forms.start->Button8Click();
    }
    ~Game() {
        GameForm::setMainWindow(nullptr);
        DestroyForms(ctx);
    }
    void key(QWidget* w, int k) {
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
        QApplication::sendEvent(w, &press);
    }
    // Runs the event loop until `done` (at most `ms` milliseconds).
    static bool waitFor(const std::function<bool()>& done, int ms) {
        QElapsedTimer t;
        t.start();
        while (!done() && t.elapsed() < ms)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return done();
    }
};

// What a game is after some play: its block and the generator's next draws. The
// hero's picture is left out: the map's idle animation picks it by the clock.
struct Snapshot {
    std::vector<unsigned char> block;
    std::vector<uint32_t> draws;
    bool operator==(const Snapshot&) const = default;
};
Snapshot snapshot(Game& g) {
    Snapshot s;
    auto copy = std::make_unique<GameState>(*g.gs);
    copy->heroSprite = 0;
    const auto* p = reinterpret_cast<const unsigned char*>(copy.get());
    s.block.assign(p, p + sizeof(GameState));
    Random next = g.rnd;
    for (int i = 0; i < 8; ++i) s.draws.push_back(next(1000000));
    return s;
}

// A walk, then a battle the computer fights for the hero (A), all with real
// pauses at `speed`.
std::pair<Snapshot, Snapshot> playAt(AnimSpeed speed) {
    setAnimationSpeed(speed);
    QtPlatform platform;
    Game g(platform, 77);
    for (int k : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Space,
                  Qt::Key_Up, Qt::Key_PageDown, Qt::Key_Left})
        g.ctx.forms.tr->FormKeyDown(k);
    const Snapshot afterWalk = snapshot(g);

    // Archers who shoot first at a handful of peasants (the battle's pauses at
    // normal speed last seconds).
    g.session.sides = BattleSides{};
    g.session.sides.hero(1) = makeStack(kDwarfArchers, 60);
    g.session.sides.hero(1).reaction = 200;
    g.session.sides.enemy(1) = makeStack(kPeasants, 4);
    g.session.reward = BattleReward{};
    g.session.reward.gold = 100;
    TBattleForm* battle = g.ctx.forms.battle;
    battle->showForm(g.ctx.forms.tr);
    g.key(battle, Qt::Key_A);
    EXPECT_TRUE(battle->autoHero());
    EXPECT_TRUE(battle->autoNotice()->isVisible()) << "said over the field, not only the title";
    EXPECT_TRUE(Game::waitFor([&] { return g.ctx.forms.victory->isVisible(); }, 30000))
        << "the computer did not finish the battle";
    const Snapshot afterBattle = snapshot(g);
    setAnimationSpeed(AnimSpeed::Normal);
    return {afterWalk, afterBattle};
}

}  // namespace

TEST(AnimationSpeed, WithoutAnimationTheGameIsTheOneNormalSpeedPlays) {
    QElapsedTimer t;
    t.start();
    const auto normal = playAt(AnimSpeed::Normal);
    const qint64 normalMs = t.restart();
    const auto none = playAt(AnimSpeed::None);
    const qint64 noneMs = t.elapsed();
    EXPECT_TRUE(none.first == normal.first) << "after the walk";
    EXPECT_TRUE(none.second == normal.second) << "after the battle";
    EXPECT_LT(noneMs * 4, normalMs) << "without animation the pauses are gone";
}

TEST(QuickCombat, IsTheAutoBattleOfTheSameSeedAndPaysAsAFoughtWin) {
    HeadlessPlatform platform;
    Game g(platform, 31);
    GameState& gs = *g.gs;
    gs.slot(1) = makeStack(kGiants, 30);
    gs.slot(2) = makeStack(kDwarfArchers, 40);
    gs.slot(3) = makeStack(kKnights, 20);
    const int x = gs.heroX + 1, y = gs.heroY;
    gs.here(x, y) = 503;
    g.session.encounterCode = 503;
    g.session.reward.cellX = static_cast<uint16_t>(x);
    g.session.reward.cellY = static_cast<uint16_t>(y);

    // The same battle played by the auto-battle on copies, the generator where the
    // game's is, then paid out as the victory window pays a fought win.
    auto expected = std::make_unique<GameState>(gs);
    Session refSession = g.session;
    Random refRnd = g.rnd;
    banditReward(refSession.reward, 3);
    banditSides(refSession.sides, *expected, 3);
    int before = 0;
    for (int k = 1; k <= 5; ++k) before += std::max<int>(0, refSession.sides.hero(k).count);
    RecordingView view;
    const AutoBattleResult r = PlayAutoBattle(*expected, refSession, refRnd, view);
    ASSERT_EQ(r.winner, Winner::Hero);
    applyVictory(*expected, refSession.reward);
    int after = 0;
    for (int16_t c : r.heroLeft) after += std::max<int>(0, c);

    g.ctx.forms.bandit->showForm(g.ctx.forms.tr);
    g.ctx.forms.bandit->Button3Click();
    EXPECT_FALSE(g.ctx.forms.bandit->isVisible());
    EXPECT_FALSE(g.ctx.forms.battle->isVisible()) << "no battle window";
    ASSERT_TRUE(g.ctx.forms.victory->isVisible());
    EXPECT_EQ(std::memcmp(&gs, expected.get(), sizeof(GameState)), 0)
        << "the same survivors, gold, Authority and cleared cell";
    EXPECT_EQ(gs.here(x, y), 0);
    EXPECT_EQ(g.rnd(1000000), refRnd(1000000));
    const std::string text = g.ctx.forms.victory->Label1->text().toStdString();
    EXPECT_NE(text.find("Захвачено золота "), std::string::npos) << text;
    EXPECT_NE(text.find("В бою погибло: ваших " + std::to_string(before - after) + ", врагов "),
              std::string::npos)
        << text;
    g.ctx.forms.victory->Button1Click();

    // Two sides that cannot hurt each other: after 200 rounds the player takes over
    // on the very same field.
    for (int k = 1; k <= 5; ++k) gs.slot(k).count = 0;
    gs.slot(1) = makeStack(kPeasants, 5);
    g.session.sides = BattleSides{};
    g.session.sides.hero(1) = gs.slot(1);
    g.session.sides.enemy(1) = makeStack(kPeasants, 5);
    for (Troop* t : {&g.session.sides.hero(1), &g.session.sides.enemy(1)}) {
        t->attack = t->defence = t->morale = t->luck = 0;
        t->shots = -1;
    }
    g.session.reward = BattleReward{};
    runHandover(g.ctx, Handover::QuickFight, *g.ctx.forms.bandit);
    TBattleForm* battle = g.ctx.forms.battle;
    ASSERT_TRUE(battle->isVisible());
    EXPECT_FALSE(g.ctx.forms.victory->isVisible());
    EXPECT_EQ(battle->engine().round(), 201) << "the field as quick combat left it";
    EXPECT_EQ(battle->engine().activeHeroCode(), 11) << "the player's turn";
    battle->closeBattle();
}

TEST(Autosave, ANewWeekKeepsTheGameAsItsEventLeftIt) {
    HeadlessPlatform platform;
    Game g(platform, 8);
    autosave::setEnabled(true);
    GameState& gs = *g.gs;
    gs.saveName.set("Моя игра");
    gs.steps = 209;
    g.ctx.forms.tr->FormKeyDown(Qt::Key_Space);
    ASSERT_TRUE(g.ctx.forms.newWeek->isVisible());
    EXPECT_FALSE(saveslots::slotExists(saveslots::kAutoSlot));
    const auto afterEvent = std::make_unique<GameState>(gs);
    g.ctx.forms.newWeek->Button1Click();
    EXPECT_EQ(gs.steps, 211u) << "play went on";

    auto kept = std::make_unique<GameState>();
    ASSERT_TRUE(readSaveFile(saveslots::slotPath(saveslots::kAutoSlot), *kept).ok);
    EXPECT_EQ(std::memcmp(kept.get(), afterEvent.get(), sizeof(GameState)), 0);

    // The load window offers it after slot 15 with its time; the save window never.
    g.ctx.forms.load->showForm(g.ctx.forms.tr);
    ASSERT_EQ(g.ctx.forms.load->ListBox1->count(), 16);
    const QListWidgetItem* line = g.ctx.forms.load->ListBox1->item(15);
    EXPECT_EQ(line->text().toStdString(),
              "Автосохранение " + saveslots::slotTime(saveslots::kAutoSlot) + " — «Моя игра»");
    g.ctx.forms.load->hide();
    g.ctx.forms.save->showForm(g.ctx.forms.tr);
    EXPECT_EQ(g.ctx.forms.save->ListBox1->count(), 15);
    g.ctx.forms.save->hide();
}

TEST(Autosave, AFailureWhenThePlayerLeavesIsShownBeforeTheGameEnds) {
    HeadlessPlatform platform;
    Game g(platform, 9);
    autosave::setEnabled(true);
    // A file where the save folder should be.
    QFile blocker(g.data.dir.filePath("Save"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    platform.answers = {true};
    g.ctx.forms.options->Button3Click();  // "Выйти из игры", Yes
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[1].rfind("Автосохранение не удалось: Не удалось записать файл", 0),
              0u)
        << platform.messages[1];
    EXPECT_FALSE(g.session.gameInProgress);
}

// ---- the close box -----------------------------------------------------------

// Qt lets its own test library mark an event as the window system's; so does this.
class QSpontaneKeyEvent {
public:
    static void setSpontaneous(QEvent* e) { e->setSpontaneous(); }
};

namespace {

// What a close box or Alt+F4 sends.
bool requestClose(QWidget* w) {
    QCloseEvent e;
    QSpontaneKeyEvent::setSpontaneous(&e);
    QCoreApplication::instance()->notify(w, &e);
    return e.isAccepted();
}

bool hintShown(GameForm* w) {
    return w->refusedCloseHint() && w->refusedCloseHint()->isVisible();
}

}  // namespace

TEST(CloseBox, TheMapAsksToLeaveAndAWindowOverItSaysHowItCloses) {
    HeadlessPlatform platform;
    Game g(platform, 5);
    TTrForm* map = g.ctx.forms.tr;
    ASSERT_TRUE(map->isVisible());
    const std::string question = "Вы действительно хотите выйти из игры?";

    TOptionsForm* options = g.ctx.forms.options;
    options->showForm(map);
    EXPECT_FALSE(requestClose(map));
    EXPECT_TRUE(hintShown(options)) << "the window in front answers";
    EXPECT_TRUE(platform.messages.empty());
    options->hide();

    // The map stays enabled behind a battle; the battle still answers for it.
    g.session.sides = BattleSides{};
    g.session.sides.hero(1) = makeStack(kPeasants, 30);
    g.session.sides.enemy(1) = makeStack(kPeasants, 30);
    TBattleForm* battle = g.ctx.forms.battle;
    battle->showForm(map);
    EXPECT_FALSE(requestClose(map));
    EXPECT_FALSE(requestClose(battle));
    EXPECT_TRUE(battle->isVisible()) << "no one leaves a fight by closing it";
    EXPECT_TRUE(hintShown(battle));
    EXPECT_EQ(battle->refusedCloseHint()->text().toStdString(),
              "Бой не покинуть — только «Отступить»");
    EXPECT_TRUE(platform.messages.empty());
    battle->closeBattle();

    // The map alone asks the options window's question; No keeps the game.
    EXPECT_FALSE(requestClose(map));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0], question);
    EXPECT_TRUE(map->isVisible());
    EXPECT_TRUE(g.session.gameInProgress);

    // A window that closes on a close request still accepts it.
    g.ctx.forms.tinfo->showForm(map);
    EXPECT_TRUE(requestClose(g.ctx.forms.tinfo));
    g.ctx.forms.tinfo->hide();
}

TEST(CloseBox, TheStartWindowLeavesOnceItsMenuAnswers) {
    HeadlessPlatform platform;
    auto gs = std::make_unique<GameState>();
    Session session;
    Random rnd(1);
    GameContext ctx{*gs, session, rnd, platform, {}};
    TStartForm start(ctx);
    start.showForm();
    EXPECT_FALSE(requestClose(&start));
    EXPECT_TRUE(start.isVisible()) << "refused while the menu is still asleep";
    for (int i = 0; i < 21; ++i) start.Timer1Timer();
    ASSERT_TRUE(start.Button7->isEnabled());
    // "ВЫХОД" ends the event loop; a loop that does not end reports 7.
    QTimer::singleShot(0, &start, [&] { requestClose(&start); });
    QTimer::singleShot(3000, [] { QCoreApplication::exit(7); });
    EXPECT_EQ(QApplication::exec(), 0);
}
