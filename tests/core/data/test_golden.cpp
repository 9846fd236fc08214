// golden/seed1.psv was written once by `vestran-tool new-game --seed 1`. Reading it
// on every run keeps the save format from drifting: a changed field offset, size
// or string encoding breaks this test before it breaks the players' saves; setting
// up the game anew keeps the new game itself from drifting.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/data/Creatures.h"
#include "core/data/SaveCheck.h"
#include "core/data/SaveImage.h"
#include "core/flow/NewGame.h"
#include "core/flow/SaveSlots.h"
#include "platform/Random.h"
#include "platform/headless/HeadlessPlatform.h"

namespace fs = std::filesystem;

namespace {

const fs::path kGolden = fs::path(VESTRAN_SOURCE_DIR) / "tests/core/data/golden/seed1.psv";

std::vector<unsigned char> fileBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A little-endian value of the block, straight from the file's inverted bytes.
unsigned rawValue(const std::vector<unsigned char>& file, size_t offset, int width) {
    unsigned v = 0;
    for (int i = width - 1; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(~file[offset + i]);
    return v;
}

}  // namespace

TEST(GoldenSave, FieldsSitWhereTheFormatPutsThem) {
    const auto file = fileBytes(kGolden);
    ASSERT_EQ(file.size(), 226716u) << kGolden;
    EXPECT_EQ(rawValue(file, 0, 1), 0u);  // no save name yet
    EXPECT_EQ(rawValue(file, 256, 2), 6u);
    EXPECT_EQ(rawValue(file, 258, 2), 18u);
    EXPECT_EQ(rawValue(file, 260, 1), 1u);
    EXPECT_EQ(rawValue(file, 262, 2), 91u);
    EXPECT_EQ(rawValue(file, 276, 4), 1u);
    EXPECT_EQ(rawValue(file, cellOffset(1, 6, 18), 2), 0u);
    EXPECT_EQ(rawValue(file, cellOffset(1, 1, 1), 2), 100u);
    EXPECT_EQ(rawValue(file, 63460 + 522, 2), 30u);  // 30 peasants in slot 1
    EXPECT_EQ(rawValue(file, 67520, 1), 3u);
    EXPECT_EQ(rawValue(file, 68805, 1), 3u);
    EXPECT_EQ(rawValue(file, 69062, 2), 29u);
    EXPECT_EQ(rawValue(file, 69064, 2), 19u);
    EXPECT_EQ(rawValue(file, 69066, 1), 1u);
    EXPECT_EQ(rawValue(file, 69100, 4), 350u);
    EXPECT_EQ(rawValue(file, 69104, 4), 120u);
    EXPECT_EQ(rawValue(file, 74192 + 256, 1), 1u);                // town 1 is human
    EXPECT_EQ(rawValue(file, 74192 + 29 * 5084 + 1068, 1), 30u);  // town 30 keeps letter 30
    EXPECT_EQ(rawValue(file, 226712, 1), 0u);
    EXPECT_EQ(rawValue(file, 226713, 1), 1u);
}

TEST(GoldenSave, LoadsThroughTheSlotsAndReadsBackAsWritten) {
    char tmpl[] = "/tmp/vestran-golden-XXXXXX";
    ASSERT_NE(::mkdtemp(tmpl), nullptr);
    saveslots::setSaveDirOverride(tmpl);
    fs::copy_file(kGolden, saveslots::slotPath(1));

    auto gs = std::make_unique<GameState>();
    SaveResult r = saveslots::loadFromSlot(1, *gs);
    EXPECT_TRUE(r.ok) << r.error;
    EXPECT_EQ(validateSave(*gs), "");
    EXPECT_EQ(saveslots::slotLine(1), "");
    EXPECT_EQ(gs->continentName(1).str(), "ИСКОРТИЯ");
    EXPECT_EQ(gs->raceName(4).str(), "Некроманты");
    EXPECT_EQ(gs->town(24).name.str(), "Лут Голейн");
    EXPECT_EQ(gs->slot(2).name.str(), "Гномы-лучники");
    EXPECT_EQ(gs->slot(2).picFile.str(), "GArch.pic");
    // Twenty cp1251 letters to a line, then CR LF.
    EXPECT_EQ(cp1251::toUtf8(gs->diaryText.bytes().substr(0, 22)), "...СЕГОДНЯ НА РАССВЕ\r\n");
    EXPECT_EQ(gs->diaryText.len, 178);

    // Writing the loaded game gives the very same file.
    EXPECT_EQ(encodeSave(*gs), fileBytes(kGolden));

    saveslots::setSaveDirOverride("");
    fs::remove_all(tmpl);
}

TEST(GoldenSave, NewGameOfSeedOneWritesItByteForByte) {
    FillTemplates();
    auto gs = std::make_unique<GameState>();
    std::memset(static_cast<void*>(gs.get()), 0, sizeof(GameState));
    Random rnd;
    rnd.useSeedSequence(1);
    HeadlessPlatform platform;
    NewGame(*gs, rnd, platform);
    EXPECT_TRUE(encodeSave(*gs) == fileBytes(kGolden));
}
