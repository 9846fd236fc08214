#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

#include "core/data/GameState.h"
#include "core/data/SaveImage.h"

namespace {

std::unique_ptr<GameState> zeroState() {
    auto gs = std::make_unique<GameState>();
    std::memset(gs.get(), 0, sizeof(GameState));
    return gs;
}

TEST(Layout, AccessorsHitTheDocumentedOffsets) {
    auto gs = zeroState();
    auto* base = reinterpret_cast<unsigned char*>(gs.get());
    auto off = [&](const void* p) { return static_cast<const unsigned char*>(p) - base; };
    EXPECT_EQ(off(&gs->cell(1, 1, 1)), 280);
    EXPECT_EQ(off(&gs->cell(3, 70, 80)), 33878);
    EXPECT_EQ(off(&gs->cell(2, 5, 7)), static_cast<long>(cellOffset(2, 5, 7)));
    EXPECT_EQ(off(&gs->explored(1, 1, 1)), 33880);
    EXPECT_EQ(off(&gs->explored(3, 70, 80)), 33880 + 2 * 5600 + 69 * 80 + 79);
    EXPECT_EQ(off(&gs->ground(70, 80)), 51448 + (69 * 80 + 79) * 2);
    EXPECT_EQ(off(&gs->move(23, 57)), 62660 + 3 * 80 + 7 * 8);
    EXPECT_EQ(off(&gs->slot(5)), 63460 + 4 * 800);
    EXPECT_EQ(off(&gs->town(30)), 74192 + 29 * 5084);
    EXPECT_EQ(off(&gs->town(30)) + 5084, 226712);  // towns end where musicOn starts
    EXPECT_EQ(off(&gs->relation(5)), 67524);
    EXPECT_EQ(off(&gs->letter(30)), 69096);
}

TEST(Layout, CalendarDerivedFromSteps) {
    auto gs = zeroState();
    gs->steps = 1;
    EXPECT_EQ(gs->day(), 1u);
    EXPECT_EQ(gs->week(), 1u);
    gs->steps = 30;
    EXPECT_EQ(gs->day(), 2u);
    gs->steps = 210;
    EXPECT_EQ(gs->day(), 1u);
    EXPECT_EQ(gs->week(), 2u);
}

TEST(SaveImage, EveryByteInvertedAndBack) {
    auto gs = zeroState();
    gs->gold = 0x01020304;
    gs->saveName.set("Игра 1");
    auto bytes = encodeSave(*gs);
    ASSERT_EQ(bytes.size(), kGameStateSize);
    EXPECT_EQ(bytes[0], 255 - 6);      // length byte
    EXPECT_EQ(bytes[69100], 255 - 4);  // little-endian gold
    EXPECT_EQ(bytes[226715], 255);     // zero padding inverted
    auto back = zeroState();
    ASSERT_TRUE(decodeSave(bytes, *back));
    EXPECT_EQ(std::memcmp(back.get(), gs.get(), sizeof(GameState)), 0);

    std::vector<unsigned char> zeros(kGameStateSize, 0);  // a zero file loads as 255s
    ASSERT_TRUE(decodeSave(zeros, *back));
    EXPECT_EQ(back->musicOn, 255);
}

TEST(SaveImage, WrongSizedOrMissingFileLeavesBlockUntouched) {
    auto dir = std::filesystem::temp_directory_path() / "vestran_layout_test";
    std::filesystem::create_directories(dir);
    auto gs = zeroState();
    gs->gold = 777;
    for (size_t size : {size_t{0}, kGameStateSize - 1, kGameStateSize + 1}) {
        auto path = (dir / "bad.psv").string();
        std::ofstream(path, std::ios::binary)
            .write(std::string(size, '\x11').data(), static_cast<std::streamsize>(size));
        SaveResult r = readSaveFile(path, *gs);
        EXPECT_FALSE(r.ok) << size;
        EXPECT_FALSE(r.error.empty());
        EXPECT_EQ(gs->gold, 777u);
    }
    EXPECT_FALSE(readSaveFile((dir / "none.psv").string(), *gs).ok);
    EXPECT_EQ(gs->gold, 777u);

    auto path = (dir / "1.psv").string();
    ASSERT_TRUE(writeSaveFile(path, *gs).ok);
    EXPECT_EQ(std::filesystem::file_size(path), kGameStateSize);
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
    auto back = zeroState();
    ASSERT_TRUE(readSaveFile(path, *back).ok);
    EXPECT_EQ(back->gold, 777u);
    std::filesystem::remove_all(dir);
}

TEST(SaveImage, FailedWriteKeepsTheOldFile) {
    auto dir = std::filesystem::temp_directory_path() / "vestran_layout_ro";
    std::filesystem::create_directories(dir);
    auto gs = zeroState();
    gs->gold = 1;
    auto path = (dir / "2.psv").string();
    ASSERT_TRUE(writeSaveFile(path, *gs).ok);
    // A directory where the temporary file should go makes the write fail.
    std::filesystem::create_directory(path + ".tmp");
    gs->gold = 2;
    EXPECT_FALSE(writeSaveFile(path, *gs).ok);
    auto back = zeroState();
    ASSERT_TRUE(readSaveFile(path, *back).ok);
    EXPECT_EQ(back->gold, 1u);
    std::filesystem::remove_all(dir);
}

}  // namespace
