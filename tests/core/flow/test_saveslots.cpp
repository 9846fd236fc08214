#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>

#include "core/data/Session.h"
#include "core/flow/Autosave.h"
#include "core/flow/SaveSlots.h"
#include "core/flow/Settings.h"
#include "platform/AnimationSpeed.h"
#include "platform/Paths.h"
#include "tests/core/data/SampleGame.h"

namespace fs = std::filesystem;
using namespace saveslots;

namespace {

class SaveSlots : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/vestran-slots-XXXXXX";
        ASSERT_NE(::mkdtemp(tmpl), nullptr);
        dir = tmpl;
        setSaveDirOverride(dir + "/Save");
        game = makeSampleGame();
    }
    void TearDown() override {
        setSaveDirOverride("");
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    static bool same(const GameState& a, const GameState& b) {
        return std::memcmp(&a, &b, sizeof(GameState)) == 0;
    }
    void writeBytes(int n, const std::vector<unsigned char>& bytes) {
        std::ofstream out(slotPath(n), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }

    std::string dir;
    std::unique_ptr<GameState> game;
};

}  // namespace

TEST_F(SaveSlots, EmptyFolderListsFifteenEmptySlots) {
    auto lines = slotLines();
    ASSERT_EQ(lines.size(), 15u);
    for (const auto& l : lines) EXPECT_EQ(l, "ПУСТО...");
    EXPECT_TRUE(fs::is_directory(dir + "/Save"));  // created when missing
    EXPECT_EQ(slotPath(15), dir + "/Save/15.psv");
    EXPECT_EQ(nameForSlot(4, "ПУСТО..."), "Игра 4");
    EXPECT_EQ(nameForSlot(4, "Поход"), "Поход");
}

TEST_F(SaveSlots, SaveAndLoadRoundTrip) {
    game->gold = 4321;
    ASSERT_TRUE(saveToSlot(3, *game, "Перед штурмом").ok);
    EXPECT_EQ(fs::file_size(slotPath(3)), kGameStateSize);
    EXPECT_EQ(slotLine(3), "Перед штурмом");
    EXPECT_EQ(slotLine(2), "ПУСТО...");
    EXPECT_FALSE(fs::exists(slotPath(3) + ".tmp"));

    auto loaded = std::make_unique<GameState>();
    SaveResult r = loadFromSlot(3, *loaded);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_TRUE(same(*loaded, *game));
    EXPECT_EQ(loaded->saveName.str(), "Перед штурмом");

    // The file is the block with every byte inverted.
    std::ifstream in(slotPath(3), std::ios::binary);
    std::vector<unsigned char> bytes(kGameStateSize);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    const auto* raw = reinterpret_cast<const unsigned char*>(game.get());
    for (size_t i : {size_t{0}, size_t{256}, size_t{69100}, kGameStateSize - 4})
        EXPECT_EQ(bytes[i], 255 - raw[i]) << i;
}

TEST_F(SaveSlots, LongNamesAreCutAndLineBreaksDoNotBreakTheList) {
    ASSERT_TRUE(saveToSlot(1, *game, std::string(300, 'z')).ok);
    EXPECT_EQ(game->saveName.len, 255);
    EXPECT_EQ(slotLine(1), std::string(255, 'z'));
    ASSERT_TRUE(saveToSlot(2, *game, "a\r\nb").ok);
    EXPECT_EQ(slotLine(2), "a  b");
}

TEST_F(SaveSlots, BadFilesAreRefusedAndTheGameStaysAsItWas) {
    const auto before = std::make_unique<GameState>(*game);
    std::vector<unsigned char> wrong = encodeSave(*makeSampleGame());
    wrong[256] = static_cast<unsigned char>(~0);  // heroX 0
    wrong[257] = static_cast<unsigned char>(~0);

    const std::vector<std::vector<unsigned char>> files = {
        {},                                               // empty
        std::vector<unsigned char>(kGameStateSize - 1),   // truncated
        std::vector<unsigned char>(kGameStateSize + 1),   // extended
        std::vector<unsigned char>(kGameStateSize, 0),    // all zeros: a block of 255s
        std::vector<unsigned char>(kGameStateSize, 255),  // all 0xFF: a block of zeros
        wrong,
    };
    for (size_t i = 0; i < files.size(); ++i) {
        writeBytes(5, files[i]);
        SaveResult r = loadFromSlot(5, *game);
        EXPECT_FALSE(r.ok) << i;
        EXPECT_FALSE(r.error.empty()) << i;
        EXPECT_TRUE(same(*game, *before)) << i;
    }
    EXPECT_NE(loadFromSlot(5, *game).error.find("Файл повреждён: герой вне карты"),
              std::string::npos);
    EXPECT_FALSE(loadFromSlot(6, *game).ok);  // no file at all
    EXPECT_TRUE(same(*game, *before));

    writeBytes(5, std::vector<unsigned char>(10));
    EXPECT_EQ(slotLine(5), "ПОВРЕЖДЁН...");
    EXPECT_TRUE(slotExists(5));
    EXPECT_EQ(nameForSlot(5, slotLine(5)), "Игра 5");
}

TEST_F(SaveSlots, FailedWriteKeepsTheOlderSave) {
    ASSERT_TRUE(saveToSlot(7, *game, "Старая").ok);
    // The temporary file cannot be created: the slot keeps its older game.
    fs::create_directory(slotPath(7) + ".tmp");
    SaveResult r = saveToSlot(7, *game, "Новая");
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("Не удалось записать"), std::string::npos) << r.error;
    EXPECT_EQ(slotLine(7), "Старая");
    fs::remove(slotPath(7) + ".tmp");

    // The disk fills up in the middle of the write.
    struct sigaction ignore {
    }, old{};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGXFSZ, &ignore, &old);
    rlimit lim{}, saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    lim = saved;
    lim.rlim_cur = 100000;
    ::setrlimit(RLIMIT_FSIZE, &lim);
    r = saveToSlot(7, *game, "Новая");
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::sigaction(SIGXFSZ, &old, nullptr);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(slotLine(7), "Старая");
    EXPECT_FALSE(fs::exists(slotPath(7) + ".tmp"));
    auto loaded = std::make_unique<GameState>();
    EXPECT_TRUE(loadFromSlot(7, *loaded).ok);
}

TEST_F(SaveSlots, DeleteEmptiesTheSlot) {
    ASSERT_TRUE(saveToSlot(15, *game, "x").ok);
    EXPECT_TRUE(slotExists(15));
    EXPECT_TRUE(deleteSlot(15).ok);
    EXPECT_FALSE(slotExists(15));
    EXPECT_EQ(slotLine(15), "ПУСТО...");
    EXPECT_FALSE(deleteSlot(15).ok);
    EXPECT_FALSE(saveToSlot(16, *game, "x").ok);
    EXPECT_FALSE(loadFromSlot(0, *game).ok);
}

TEST_F(SaveSlots, QuestionsQuoteTheSlotLine) {
    EXPECT_EQ(overwriteQuestion("Игра 1"), "Переписать \"Игра 1\"?");
    EXPECT_EQ(deleteQuestion("Игра 1"), "Удалить \"Игра 1\"?");
}

namespace {

// An environment variable set for one test and put back after it.
class EnvVar {
public:
    explicit EnvVar(const char* name) : name_(name) {
        if (const char* v = std::getenv(name)) old_ = v;
    }
    ~EnvVar() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }
    void set(const std::string& v) { ::setenv(name_, v.c_str(), 1); }
    void unset() { ::unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> old_;
};

}  // namespace

// A build tree or --data-dir keeps its saves beside the data, whatever the folder
// allows; an installed game keeps them in the player's data folder by the XDG
// rules, made by the first save and never under the install.
TEST_F(SaveSlots, FolderByKindOfRun) {
    setSaveDirOverride("");
    const std::string oldDir = programDir();
    const bool oldInstalled = installedData();
    EnvVar xdg("XDG_DATA_HOME"), home("HOME");
    home.set(dir + "/home");
    xdg.set(dir + "/xdg");

    std::ofstream(dir + "/file").put('x');
    EXPECT_EQ(saveDirFor(dir + "/game", false), dir + "/game/Save/");
    EXPECT_EQ(saveDirFor(dir + "/file", false), dir + "/file/Save/") << "no escape elsewhere";

    const std::string shared = dir + "/usr/share/games/vestran/";
    EXPECT_EQ(saveDirFor(shared, true), dir + "/xdg/vestran/Save/");
    const std::string fallback = dir + "/home/.local/share/vestran/Save/";
    for (const std::string& bad :
         {std::string(), std::string("relative/xdg"), dir + "/file", dir + "/file/xdg"}) {
        xdg.set(bad);
        EXPECT_EQ(saveDirFor(shared, true), fallback) << "XDG_DATA_HOME=" << bad;
    }
    xdg.unset();
    EXPECT_EQ(saveDirFor(shared, true), fallback);

    setProgramDir(shared, true);
    EXPECT_EQ(slotLine(1), kEmptyLine);
    EXPECT_FALSE(fs::exists(dir + "/home")) << "listing the slots makes no folder";
    Session playing;
    playing.gameInProgress = true;
    EXPECT_TRUE(autosave::write(*game, playing))
        << "an installed game's first save may be its autosave";
    EXPECT_TRUE(saveToSlot(1, *game, "дома").ok);
    EXPECT_EQ(slotLine(1), "дома");
    EXPECT_TRUE(fs::is_regular_file(fallback + "1.psv"));
    EXPECT_FALSE(fs::exists(dir + "/usr"));
    setProgramDir(oldDir, oldInstalled);
}

TEST_F(SaveSlots, AutosaveIsACopyBesideTheSlotsAndAFailureKeepsTheOlderOne) {
    Session session;
    game->saveName.set("Поход");
    game->gold = 77;
    EXPECT_FALSE(autosave::write(*game, session)) << "no game in progress";
    EXPECT_FALSE(slotExists(kAutoSlot));
    EXPECT_EQ(slotLine(kAutoSlot), "АВТОСОХРАНЕНИЕ: ПУСТО...");
    EXPECT_EQ(slotTime(kAutoSlot), "");

    session.gameInProgress = true;
    ASSERT_TRUE(autosave::write(*game, session));
    EXPECT_EQ(slotPath(kAutoSlot), dir + "/Save/auto.psv");
    EXPECT_EQ(game->saveName.str(), "Поход") << "the running game is not renamed";
    EXPECT_EQ(slotLines().size(), 15u) << "the save window's list stays fifteen slots";
    // "08.12.2026 14:05"
    const std::string when = slotTime(kAutoSlot);
    ASSERT_EQ(when.size(), 16u) << when;
    EXPECT_EQ(when[2], '.');
    EXPECT_EQ(when[5], '.');
    EXPECT_EQ(when[10], ' ');
    EXPECT_EQ(when[13], ':');
    EXPECT_EQ(slotLine(kAutoSlot), "Автосохранение " + when + " — «Поход»");

    // Never saved into or deleted through the slots.
    EXPECT_FALSE(saveToSlot(kAutoSlot, *game, "x").ok);
    EXPECT_FALSE(deleteSlot(kAutoSlot).ok);

    // A failed write: one line on stderr, the older autosave stays.
    game->gold = 99;
    fs::create_directory(slotPath(kAutoSlot) + ".tmp");
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(autosave::write(*game, session));
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_EQ(err.rfind("vestran: autosave failed: ", 0), 0u) << err;
    fs::remove(slotPath(kAutoSlot) + ".tmp");
    auto loaded = std::make_unique<GameState>();
    ASSERT_TRUE(loadFromSlot(kAutoSlot, *loaded).ok);
    EXPECT_EQ(loaded->gold, 77u);

    // Switched off by the player: nothing is written.
    autosave::setEnabled(false);
    EXPECT_FALSE(autosave::write(*game, session));
    autosave::setEnabled(true);
    ASSERT_TRUE(loadFromFile(slotPath(kAutoSlot), *loaded).ok);
    EXPECT_EQ(loaded->gold, 77u);

    // A damaged autosave is refused like a damaged slot.
    writeBytes(kAutoSlot, std::vector<unsigned char>(10));
    EXPECT_EQ(slotLine(kAutoSlot), "Автосохранение " + slotTime(kAutoSlot) + " — ПОВРЕЖДЁН...");
    EXPECT_FALSE(loadFromSlot(kAutoSlot, *loaded).ok);
}

TEST(Settings, StoredTextsAreClampedAndJunkKeepsTheDefaults) {
    StoredSettings stored;
    EXPECT_EQ(parseSettings(stored).speed, AnimSpeed::Normal);
    EXPECT_TRUE(parseSettings(stored).autosave);
    EXPECT_FALSE(parseSettings(stored).scale.has_value());

    EXPECT_TRUE(parseSettings(stored).gamepad);

    stored = {"3", "2", "false", {}, {}, {}, "false", "50"};
    Settings s = parseSettings(stored);
    EXPECT_EQ(s.speed, AnimSpeed::None);
    EXPECT_EQ(s.scale, 2.0);
    EXPECT_FALSE(s.autosave);
    EXPECT_FALSE(s.gamepad);
    EXPECT_EQ(s.deadZone, 50);
    const StoredSettings back = storeSettings(s);
    EXPECT_EQ(back.speed, "3");
    EXPECT_EQ(back.scale, "2");
    EXPECT_EQ(back.autosave, "false");
    EXPECT_EQ(back.gamepad, "false");
    EXPECT_EQ(back.deadZone, "50");
    EXPECT_EQ(storeSettings(parseSettings({"1", "1.5", "true", {}, {}, {}, {}, {}})).scale, "1.5");

    // A scale outside 1..4 (an older run's 0.5), "auto" or junk: "Авто".
    s = parseSettings({"99", "40", "1", {}, {}, {}, "1", "100"});
    EXPECT_EQ(s.speed, AnimSpeed::None);
    EXPECT_FALSE(s.scale.has_value());
    EXPECT_TRUE(s.autosave);
    EXPECT_EQ(s.deadZone, kMaxDeadZone);
    s = parseSettings({"-5", "0.5", "maybe", {}, {}, {}, "maybe", "-3"});
    EXPECT_EQ(s.speed, AnimSpeed::Normal);
    EXPECT_FALSE(s.scale.has_value());
    EXPECT_TRUE(s.autosave);
    EXPECT_TRUE(s.gamepad);
    EXPECT_EQ(s.deadZone, kMinDeadZone);
    EXPECT_EQ(storeSettings(parseSettings({"0", "auto", "true", {}, {}, {}, {}, {}})).scale,
              "auto");
    // The window switches, off unless stored on.
    s = parseSettings({"0", "2", "true", "true", "1", {}, {}, {}});
    EXPECT_TRUE(s.fullscreen);
    EXPECT_TRUE(s.wideView);
    EXPECT_FALSE(parseSettings({"0", "2", "true", "yes", "no", {}, {}, {}}).fullscreen);
    EXPECT_EQ(storeSettings(s).wideView, "true");
    s = parseSettings({"fast", "big", "", {}, {}, {}, {}, "much"});
    EXPECT_EQ(s.deadZone, kDefaultDeadZone);
    EXPECT_EQ(s.speed, AnimSpeed::Normal);
    EXPECT_FALSE(s.scale.has_value());

    // The speed's waits.
    setAnimationSpeed(AnimSpeed::VeryFast);
    EXPECT_EQ(animationWait(150), 37);
    setAnimationSpeed(AnimSpeed::None);
    EXPECT_EQ(animationWait(3500), 0);
    EXPECT_FALSE(animationShown());
    setAnimationSpeed(AnimSpeed::Normal);
    EXPECT_EQ(animationWait(150), 150);
}

TEST_F(SaveSlots, AFolderThatCannotBeMadeSaysWhyInRussianAndKeepsTheGame) {
    // A file where the save folder's parent should be: the folder cannot be made.
    std::ofstream(dir + "/blocked") << "x";
    setSaveDirOverride(dir + "/blocked/Save");
    game->gold = 5;
    const SaveResult r = saveToSlot(1, *game, "Поход");
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("такой папки нет, и создать её не удалось"), std::string::npos)
        << r.error;
    EXPECT_EQ(game->gold, 5u);
    EXPECT_NE(fileErrorCause(EROFS).find("только для чтения"), std::string::npos);
    EXPECT_NE(fileErrorCause(ENOSPC).find("места"), std::string::npos);
    EXPECT_NE(fileErrorCause(EACCES).find("нет прав"), std::string::npos);
}
