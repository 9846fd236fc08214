// The game's files missing or the machine without sound: the game tells the
// player and ends cleanly, or plays on. Where the game would end, the test runs it
// in a child process (a death test that starts this program afresh) with the real
// Qt platform, so the exit status and what reaches stderr are those of the game.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <regex>
#include <string>

#include "core/data/GameState.h"
#include "core/data/SaveImage.h"
#include "core/data/Session.h"
#include "platform/AssetNames.h"
#include "platform/Paths.h"
#include "platform/Random.h"
#include "platform/headless/HeadlessPlatform.h"
#include "platform/qt/Audio.h"
#include "platform/qt/QtPlatform.h"
#include "tests/core/data/SampleGame.h"
#include "ui/adventure/MapWindow.h"
#include "ui/battle/BattleWindow.h"
#include "ui/kit/GameForm.h"
#include "ui/shell/IntroWindow.h"
#include "ui/shell/StartWindow.h"
#include "ui/shell/Startup.h"

namespace fs = std::filesystem;

namespace {

// The folder where the build put the game and its generated data.
std::string buildDir() {
    return QCoreApplication::applicationDirPath().toStdString();
}

// A copy of the game's data made of links, without `skip` (a file or a folder,
// relative to the data folder).
void mirrorData(const fs::path& from, const fs::path& to, const std::string& skip) {
    fs::create_directories(to);
    for (const auto& entry : fs::directory_iterator(from)) {
        const std::string name = entry.path().filename().string();
        if (name == skip) continue;
        if (skip.rfind(name + "/", 0) == 0)
            mirrorData(entry.path(), to / name, skip.substr(name.size() + 1));
        else
            fs::create_symlink(entry.path(), to / name);
    }
}

// A data folder for a test whose game runs in a child: the child is this program
// started again, so it must find the folder the parent made instead of making (and
// leaking) one of its own.
class DataFolder {
public:
    DataFolder() {
        if (const char* inherited = std::getenv(kVar)) {
            path_ = inherited;
            return;
        }
        owned_ = std::make_unique<QTemporaryDir>();
        path_ = owned_->path().toStdString();
        ::setenv(kVar, path_.c_str(), 1);
    }
    ~DataFolder() {
        if (owned_) ::unsetenv(kVar);
    }
    bool made() const { return owned_ != nullptr; }
    const std::string& path() const { return path_; }
    // The game's data, linked, except `skip` (nothing when empty).
    void fillExcept(const std::string& skip) {
        if (!made()) return;
        for (const char* top : {"Resourse", "Wav", "Music", "ReadMe.htm"})
            if (skip != top) {
                if (skip.rfind(std::string(top) + "/", 0) == 0)
                    mirrorData(fs::path(buildDir()) / top, fs::path(path_) / top,
                               skip.substr(std::string(top).size() + 1));
                else
                    fs::create_symlink(fs::path(buildDir()) / top, fs::path(path_) / top);
            }
    }

private:
    static constexpr const char* kVar = "VESTRAN_TEST_DATA_DIR";
    std::string path_;
    std::unique_ptr<QTemporaryDir> owned_;
};

// The game as main() sets it up, with the real Qt platform, data from `dataDir`;
// `play` runs once the event loop is going. Returns only if the game did not end
// within 20 seconds.
void runGame(const std::string& dataDir, std::function<void(GameContext&)> play) {
    ::setenv("VESTRAN_NONINTERACTIVE", "1", 1);
    setProgramDir(dataDir);
    static GameState gs;
    static Session session;
    static QtPlatform platform;
    static GameContext ctx{gs, session, Random::process(), platform, {}};
    Random::process().useSeedSequence(5);
    CreateForms(ctx);
    GameForm::setMainWindow(ctx.forms.start);
    ctx.forms.start->showForm();
    QTimer::singleShot(0, [&] { play(ctx); });
    QTimer::singleShot(20000, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

void newGame(GameContext& ctx) {
    ctx.forms.start->Button8Click();
}

// What the game itself wrote on stderr: Qt's offscreen platform adds notes of its
// own ("This plugin does not support raise()", the runtime folder) that a player
// on a real screen never sees, and the report lines the test asked for (platform/Report).
std::string gameLines(const std::string& err) {
    std::string out;
    size_t at = 0;
    while (at < err.size()) {
        size_t end = err.find('\n', at);
        end = end == std::string::npos ? err.size() : end + 1;
        const std::string line = err.substr(at, end - at);
        static const std::regex reportLine("vestran: [a-z0-9 ]+ \\([0-9]+ ms[^)]*\\)\n");
        if (line.rfind("This plugin does not support", 0) != 0 &&
            line.rfind("QStandardPaths:", 0) != 0 && !std::regex_match(line, reportLine))
            out += line;
        at = end;
    }
    return out;
}

// A dying game's stderr holds exactly `expected`, Qt's offscreen notes aside.
class StderrIs : public ::testing::MatcherInterface<const std::string&> {
public:
    explicit StderrIs(std::string expected) : expected_(std::move(expected)) {}
    bool MatchAndExplain(const std::string& err, ::testing::MatchResultListener*) const override {
        return gameLines(err) == expected_;
    }
    void DescribeTo(std::ostream* os) const override { *os << "is \"" << expected_ << "\""; }

private:
    std::string expected_;
};

::testing::Matcher<const std::string&> stderrIs(std::string expected) {
    return ::testing::MakeMatcher(new StderrIs(std::move(expected)));
}

// The game binary beside this test program, under the offscreen platform, with
// its stderr collected.
class GameProcess {
public:
    GameProcess(const std::string& dataDir, const QString& audioDriver,
                const QStringList& moreArgs = {}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("SDL_AUDIODRIVER", audioDriver);
        env.insert("VESTRAN_NONINTERACTIVE", "1");
        env.insert("VESTRAN_REPORT", "1");
        env.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime_.path().toStdString()));
        // The player's own settings stay out of the test.
        env.insert("XDG_CONFIG_HOME", runtime_.path() + "/config");
        QFile::setPermissions(runtime_.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        proc_.setProcessEnvironment(env);
        proc_.setProgram(QString::fromStdString(buildDir() + "/vestran"));
        proc_.setArguments(
            QStringList{"--seed", "1", "--data-dir", QString::fromStdString(dataDir)} + moreArgs);
        proc_.start();
    }
    ~GameProcess() {
        if (proc_.state() != QProcess::NotRunning) {
            proc_.kill();
            proc_.waitForFinished(5000);
        }
    }
    bool started() { return proc_.waitForStarted(10000); }
    // Waits until stderr holds `text` (at most 20 s); false if the game ended or
    // the time ran out first.
    bool waitForError(const std::string& text) {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 20000) {
            err_ += proc_.readAllStandardError().toStdString();
            if (err_.find(text) != std::string::npos) return true;
            if (proc_.state() == QProcess::NotRunning) return false;
            proc_.waitForReadyRead(100);
        }
        return false;
    }
    // Still running after `ms` more milliseconds of play.
    bool runsOn(int ms) {
        const bool ended = proc_.waitForFinished(ms);
        err_ += proc_.readAllStandardError().toStdString();
        return !ended;
    }
    const std::string& err() const { return err_; }
    QProcess& process() { return proc_; }

private:
    QTemporaryDir runtime_;
    QProcess proc_;
    std::string err_;
};

}  // namespace

TEST(MissingFiles, EveryPictureMissingEndsTheGameWithTheMessage) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    DataFolder empty;
    // The map's first picture is the first one a game needs.
    std::string first;
    for (const assets::MapSlot& s : assets::mapSlots())
        if (first.empty() && !s.file.empty() && s.mirroredFrom == 0) first = s.file;
    EXPECT_EXIT(runGame(empty.path(), newGame), ::testing::ExitedWithCode(1),
                stderrIs("Can't find file " + empty.path() + "/" + assets::kTravel + first +
                         " Abnormal terminate!\n"));
}

TEST(MissingFiles, ABattlePictureMissingInPlayEndsTheGameWithTheMessage) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    DataFolder data;
    data.fillExcept("Resourse/Battle/rock.pic");
    EXPECT_EXIT(runGame(data.path(),
                        [](GameContext& ctx) {
                            newGame(ctx);
                            if (!ctx.forms.tr->isVisible()) return;  // no map: the test fails
                            ctx.session.sides = BattleSides{};
                            for (int s = 1; s <= kArmySlots; ++s)
                                ctx.session.sides.hero(s) = ctx.gs.slot(s);
                            ctx.session.sides.enemy(1) = makeStack(kGiants, 3);
                            ctx.session.reward = BattleReward{};
                            ctx.forms.battle->showForm(ctx.forms.tr);
                        }),
                ::testing::ExitedWithCode(1),
                stderrIs("Can't find file " + data.path() + "/" + assets::kBattle +
                         "rock.pic Abnormal terminate!\n"));
}

TEST(MissingFiles, TheGameStartsWithoutDataAndGoesOnAfterTheMissingSound) {
    QTemporaryDir empty;
    GameProcess game(empty.path().toStdString(), "dummy");
    ASSERT_TRUE(game.started());
    // The menu's chime comes when the buttons have fanned out.
    const std::string message = "Can't gind file " + empty.path().toStdString() + "/Wav/Gold.Wav";
    ASSERT_TRUE(game.waitForError(message)) << game.err();
    EXPECT_TRUE(game.runsOn(700)) << game.err();
    EXPECT_EQ(gameLines(game.err()), message + "\n");
}

TEST(MissingFiles, NoAudioDeviceIsOneLineOnStderrAndSilence) {
    QTemporaryDir data;
    QDir(data.path()).mkpath("Wav");
    fs::create_symlink(fs::path(buildDir()) / assets::kWavGold,
                       fs::path(data.path().toStdString()) / assets::kWavGold);
    GameProcess game(data.path().toStdString(), "nonexistent");
    ASSERT_TRUE(game.started());
    ASSERT_TRUE(game.waitForError("no audio device")) << game.err();
    EXPECT_TRUE(game.runsOn(700)) << game.err();
    const std::string err = gameLines(game.err());
    EXPECT_EQ(err.rfind("vestran: no audio device", 0), 0u) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
}

TEST(MissingFiles, WithoutTheMusicFolderTheGameIsSilentAndSaysNothing) {
    MidiPlayer player;
    player.setFile(buildDir() + "/nowhere/Mel1.mid");
    EXPECT_FALSE(player.open());
    player.play();
    player.seek(1);
    EXPECT_FALSE(player.playing());
    EXPECT_EQ(player.position(), 0);
    player.stop();
    player.close();

    DataFolder data;
    data.fillExcept("Music");
    const std::string oldDir = programDir();
    setProgramDir(data.path());
    auto gs = std::make_unique<GameState>();
    Session session;
    Random rnd;
    rnd.useSeedSequence(2);
    HeadlessPlatform platform;
    GameContext ctx{*gs, session, rnd, platform, {}};
    CreateForms(ctx);
    GameForm::setMainWindow(ctx.forms.start);
    ctx.forms.start->showForm();
    ctx.forms.history->showForm(ctx.forms.start);
    ctx.forms.history->hide();
    newGame(ctx);
    ASSERT_TRUE(ctx.forms.tr->isVisible());
    // The map's music upkeep asks for a new piece on every tick; let a few pass.
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 700) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    for (int i = 0; i < 5; ++i) ctx.forms.tr->FormKeyDown(Qt::Key_Space);
    EXPECT_TRUE(platform.messages.empty()) << platform.messages.front();
    GameForm::setMainWindow(nullptr);
    DestroyForms(ctx);
    setProgramDir(oldDir);
}

TEST(MissingFiles, WithNobodyAtTheScreenBoxesGoToStderrAndQuestionsAreAnsweredNo) {
    // A modal box here would wait forever; the offscreen platform alone says that
    // nobody can answer it.
    ::unsetenv("VESTRAN_NONINTERACTIVE");
    QtPlatform platform;
    ::testing::internal::CaptureStderr();
    platform.message("Can't gind file Wav/Gold.Wav");
    const bool yes = platform.askYesNo("Переписать \"Игра 1\"?");
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_FALSE(yes);
    EXPECT_EQ(err, "Can't gind file Wav/Gold.Wav\nПереписать \"Игра 1\"? -> Нет\n");
}

TEST(Signals, SigtermEndsALoadedGameAtOnceAndKeepsItInTheAutosave) {
    DataFolder data;
    data.fillExcept("");
    auto game = makeSampleGame();
    game->saveName.set("Перед бурей");
    game->gold = 4242;
    const std::string file = data.path() + "/start.psv";
    ASSERT_TRUE(writeSaveFile(file, *game).ok);
    GameProcess proc(data.path(), "dummy", {"--load", QString::fromStdString(file)});
    ASSERT_TRUE(proc.started());
    ASSERT_TRUE(proc.waitForError("vestran: ready")) << proc.err();

    QElapsedTimer t;
    t.start();
    ::kill(static_cast<pid_t>(proc.process().processId()), SIGTERM);
    ASSERT_TRUE(proc.process().waitForFinished(3000)) << "still running after 3 s";
    EXPECT_LT(t.elapsed(), 3000);
    EXPECT_EQ(proc.process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(proc.process().exitCode(), 0) << proc.err();

    auto kept = std::make_unique<GameState>();
    ASSERT_TRUE(readSaveFile(data.path() + "/Save/auto.psv", *kept).ok);
    EXPECT_EQ(kept->saveName.str(), "Перед бурей");
    EXPECT_EQ(kept->gold, 4242u);
    EXPECT_EQ(kept->heroX, game->heroX);
    EXPECT_EQ(kept->heroY, game->heroY);
}
