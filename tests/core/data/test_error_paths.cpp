// What the game does when the disk fails it or a save file lies: the player gets a
// message, the older save survives, and no byte of a file can crash the game.
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/adventure/Encounters.h"
#include "core/adventure/MapView.h"
#include "core/adventure/Movement.h"
#include "core/data/Creatures.h"
#include "core/data/SaveCheck.h"
#include "core/data/SaveImage.h"
#include "core/data/Session.h"
#include "core/flow/NewGame.h"
#include "core/flow/SaveSlots.h"
#include "core/towns/TownRules.h"
#include "platform/Paths.h"
#include "platform/Random.h"
#include "platform/headless/HeadlessPlatform.h"

namespace fs = std::filesystem;

namespace {

std::unique_ptr<GameState> newGame(uint64_t seed) {
    FillTemplates();
    auto gs = std::make_unique<GameState>();
    Random rnd;
    rnd.useSeedSequence(seed);
    HeadlessPlatform platform;
    NewGame(*gs, rnd, platform);
    return gs;
}

bool same(const GameState& a, const GameState& b) {
    return std::memcmp(&a, &b, sizeof(GameState)) == 0;
}

bool canCreateFileIn(const std::string& dir) {
    const std::string probe = dir + "/.probe";
    std::ofstream f(probe);
    if (!f) return false;
    f.close();
    fs::remove(probe);
    return true;
}

// This process in a mount namespace of its own (root only): mounts made by the
// tests vanish with it, whatever happens, and nobody else sees them.
bool privateMounts() {
    static const bool ok = ::unshare(CLONE_NEWNS) == 0 &&
                           ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    return ok;
}

// A scratch folder, a program folder inside it, and the environment restored after.
class DiskFailures : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/vestran-disk-XXXXXX";
        ASSERT_NE(::mkdtemp(tmpl), nullptr);
        root = tmpl;
        game = root + "/game";
        fs::create_directories(game + "/Save");
        oldProgramDir = programDir();
        setProgramDir(game);
        saveslots::setSaveDirOverride("");
        if (const char* x = std::getenv("XDG_DATA_HOME")) oldXdg = x;
        gs = newGame(3);
    }
    void TearDown() override {
        for (auto it = mounts.rbegin(); it != mounts.rend(); ++it)
            ::umount2(it->c_str(), MNT_DETACH);
        ::chmod((game + "/Save").c_str(), 0755);
        setProgramDir(oldProgramDir);
        if (oldXdg)
            ::setenv("XDG_DATA_HOME", oldXdg->c_str(), 1);
        else
            ::unsetenv("XDG_DATA_HOME");
        std::error_code ec;
        fs::remove_all(root, ec);
    }
    // Makes the Save folder read-only in a way that holds for root too.
    bool makeSaveReadOnly() {
        const std::string save = game + "/Save";
        if (privateMounts() &&
            ::mount(save.c_str(), save.c_str(), nullptr, MS_BIND, nullptr) == 0) {
            mounts.push_back(save);
            ::mount(nullptr, save.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr);
        } else {
            ::chmod(save.c_str(), 0555);  // enough for anyone but root
        }
        return !canCreateFileIn(save);
    }
    std::unique_ptr<GameState> oldSave() {
        auto old = std::make_unique<GameState>(*gs);
        old->gold = 777;
        old->saveName.set("Старая");
        return old;
    }

    std::string root, game, oldProgramDir;
    std::optional<std::string> oldXdg;
    std::vector<std::string> mounts;
    std::unique_ptr<GameState> gs;
};

}  // namespace

TEST_F(DiskFailures, ReadOnlySaveFolderKeepsTheOldSaveAndSaysWhy) {
    auto old = oldSave();
    ASSERT_TRUE(saveslots::saveToSlot(3, *old, "Старая").ok);
    if (!makeSaveReadOnly()) GTEST_SKIP() << "no way to make a folder read-only here";

    // The saves stay where this kind of run keeps them, even with a data folder of
    // the user's at hand: the message names the file, the old save is whole.
    ::setenv("XDG_DATA_HOME", (root + "/xdg").c_str(), 1);
    EXPECT_EQ(saveslots::saveDir(), game + "/Save/");
    SaveResult r = saveslots::saveToSlot(3, *gs, "Новая");
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("Не удалось записать файл " + game + "/Save/3.psv"), std::string::npos)
        << r.error;
    EXPECT_EQ(saveslots::slotLine(3), "Старая");
    auto loaded = std::make_unique<GameState>();
    ASSERT_TRUE(saveslots::loadFromSlot(3, *loaded).ok);
    EXPECT_EQ(loaded->gold, 777u);
    EXPECT_FALSE(fs::exists(game + "/Save/3.psv.tmp"));
    EXPECT_FALSE(fs::exists(root + "/xdg"));
}

TEST_F(DiskFailures, FullDiskKeepsTheOldSaveAndFreesWhatTheFailedSaveTook) {
    // A file system with room for one save and a third of another.
    const std::string save = game + "/Save";
    if (!privateMounts() ||
        ::mount("vestran-full", save.c_str(), "tmpfs", 0, "size=300k,mode=0755") != 0)
        GTEST_SKIP() << "cannot mount a small file system here";
    mounts.push_back(save);
    setProgramDir(game);

    auto old = oldSave();
    ASSERT_TRUE(saveslots::saveToSlot(1, *old, "Старая").ok);
    for (int slotNo : {1, 2}) {
        SaveResult r = saveslots::saveToSlot(slotNo, *gs, "Новая");
        EXPECT_FALSE(r.ok) << slotNo;
        EXPECT_NE(r.error.find("Не удалось записать файл"), std::string::npos) << r.error;
        EXPECT_FALSE(fs::exists(saveslots::slotPath(slotNo) + ".tmp")) << slotNo;
    }
    EXPECT_EQ(saveslots::slotLine(1), "Старая");
    EXPECT_EQ(saveslots::slotLine(2), "ПУСТО...");
    auto loaded = std::make_unique<GameState>();
    ASSERT_TRUE(saveslots::loadFromSlot(1, *loaded).ok);
    EXPECT_TRUE(same(*loaded, *old));

    // The space of the failed saves came back: overwriting fits once the old
    // file is gone.
    ASSERT_TRUE(saveslots::deleteSlot(1).ok);
    EXPECT_TRUE(saveslots::saveToSlot(2, *gs, "Новая").ok);
    EXPECT_EQ(saveslots::slotLine(2), "Новая");
}

// ---- damaged images ---------------------------------------------------------

namespace {

// The map window as the step rules see it, doing what the windows it opens do
// with the core rules, and checking every frame it is asked to draw.
class PlayingView : public StepView {
public:
    PlayingView(GameState& gs, Session& s, Random& rnd) : gs_(gs), session_(s), rnd_(rnd) {}
    void paint() override {
        frame_.clear();
        frameBlits(gs_, 1 + static_cast<int>(rnd_(4)), frame_);
        for (const Blit& b : frame_)
            if (!slot::drawable(b.slot)) badSlots++;
    }
    void stepPause() override {}
    void buildGroundLayer() override {
        frame_.clear();
        groundLayerBlits(gs_, frame_);
        for (const Blit& b : frame_)
            if (b.slot < 1 || b.slot > slot::kCount) badSlots++;
    }
    void setStatus(const std::string& a, const std::string& b) override {
        chars += a.size() + b.size();
    }
    void playSound(const char*) override {}
    void openBandit() override {}
    void openTown() override {
        TownScreen screen = showTown(gs_, session_);
        (void)screen;
        const int t = session_.enteredTown.code - cell::kTownBase;
        if (t < 1 || t > kTowns) return;
        const TownRecord& town = gs_.town(t);
        const HireLimit limit = hireLimit(gs_, town.recruit);
        hireRecruits(gs_, town, limit, static_cast<int>(rnd_(100)));
        buyShip(gs_, town);
        chars += vaultText(gs_, town).size();
    }
    void openPortal() override { portalJump(gs_, rnd_, portalTargetOf(gs_)); }
    void openTreasure() override { takeTreasure(gs_, rnd_); }
    void openTownList() override { chars += townListLines(gs_).size(); }
    void openNewWeek() override { chars += newWeekEvent(gs_, rnd_).size(); }

    int badSlots = 0;
    size_t chars = 0;

private:
    GameState& gs_;
    Session& session_;
    Random& rnd_;
    std::vector<Blit> frame_;
};

// One damaged image: some bytes anywhere, or among the hero's and the army's
// fields, or on the map around the hero, replaced by random values.
std::vector<unsigned char> damage(std::vector<unsigned char> bytes, const GameState& base,
                                  std::mt19937& g) {
    auto pick = [&g](size_t lo, size_t hi) {
        return std::uniform_int_distribution<size_t>(lo, hi - 1)(g);
    };
    const int flips = 1 + static_cast<int>(g() % 6);
    const size_t nearHero = cellOffset(base.continent, base.heroX, base.heroY);
    for (int i = 0; i < flips; ++i) {
        size_t at = 0;
        switch (g() % 3) {
            case 0:
                at = pick(0, bytes.size());
                break;
            case 1:
                at = pick(256, offsetof(GameState, mapCells));
                break;
            default:
                at = g() % 2 ? pick(offsetof(GameState, army), offsetof(GameState, towns))
                             : pick(nearHero - 2 * 80 * 4, nearHero + 2 * 80 * 4);
        }
        bytes[at] = static_cast<unsigned char>(g());
    }
    return bytes;
}

}  // namespace

TEST(DamagedSaves, EveryImageIsRefusedOrPlaysOnWithinTheRules) {
    const auto base = newGame(11);
    ASSERT_EQ(validateSave(*base), "");
    const std::vector<unsigned char> good = encodeSave(*base);
    std::mt19937 g(20240607);
    const MapKey keys[] = {MapKey::Right, MapKey::Left,   MapKey::Up,
                           MapKey::Down,  MapKey::PageUp, MapKey::PageDown,
                           MapKey::Home,  MapKey::End,    MapKey::Space};

    int refused = 0, played = 0;
    long moves = 0;
    auto gs = std::make_unique<GameState>();
    const auto start = std::chrono::steady_clock::now();
    for (int round = 0; round < 500; ++round) {
        const std::vector<unsigned char> bytes = damage(good, *base, g);
        ASSERT_TRUE(decodeSave(bytes, *gs));
        if (const std::string why = validateSave(*gs); !why.empty()) {
            ASSERT_EQ(why.rfind("Файл повреждён: ", 0), 0u) << why;
            ++refused;
            continue;
        }
        ++played;
        Session session;
        Random rnd;
        rnd.useSeedSequence(static_cast<uint64_t>(round));
        PlayingView view(*gs, session, rnd);
        HeroMovement hero(*gs, session, view);
        for (int step = 1; step <= 200; ++step) {
            const int x = gs->heroX, y = gs->heroY, c = gs->continent;
            hero.keyDown(keys[g() % std::size(keys)]);
            moves += x != gs->heroX || y != gs->heroY || c != gs->continent;
            ASSERT_TRUE(GameState::onMap(gs->heroX, gs->heroY)) << round << "/" << step;
            ASSERT_TRUE(gs->continent >= 1 && gs->continent <= kContinents) << round;
            ASSERT_EQ(view.badSlots, 0) << round << "/" << step;
            if (step % 50 == 0) {
                ASSERT_EQ(validateSave(*gs), "") << round << "/" << step;
            }
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // Both sides of the check must be exercised, or the test proves nothing.
    EXPECT_GT(refused, 50);
    EXPECT_GT(played, 50);
    EXPECT_GT(moves, played * 20L);
    std::printf("damaged images: %d refused, %d played 200 steps each (%ld moves), %.2f s\n",
                refused, played, moves, seconds);
}
