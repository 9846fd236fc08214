// The player's comforts beside the rules: the animation speed, quick combat and
// the autosave. None of them may change the game a seed gives.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "adventure/travel.h"
#include "battle/Battle.h"
#include "data/GameState.h"
#include "data/Session.h"
#include "platform/AnimationSpeed.h"
#include "platform/Paths.h"
#include "platform/Random.h"
#include "platform/headless/HeadlessPlatform.h"
#include "platform/qt/QtPlatform.h"
#include "shell/Startup.h"
#include "shell/main.h"
#include "towns/victory.h"

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
