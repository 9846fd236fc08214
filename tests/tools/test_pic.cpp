#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/PicCodec.h"
#include "tests/tools/ToolRun.h"

namespace fs = std::filesystem;

namespace {

constexpr int kW = 13, kH = 3, kStride = 16;

void put(std::vector<uint8_t>& b, uint32_t v, int n) {
    for (int i = 0; i < n; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// A bottom-up bitmap file; `bits` 8 (with a 16-colour table) or 24.
void writeBmp(const fs::path& path, const std::vector<uint8_t>& rows, int bits = 8) {
    const uint32_t palette = bits == 8 ? 16 * 4 : 0;
    const uint32_t stride = bits == 8 ? kStride : (kW * 3 + 3) / 4 * 4;
    const uint32_t offset = 14 + 40 + palette, size = stride * kH;
    std::vector<uint8_t> b{'B', 'M'};
    put(b, offset + size, 4);
    put(b, 0, 4);
    put(b, offset, 4);
    for (uint32_t v : {40u, uint32_t(kW), uint32_t(kH)}) put(b, v, 4);
    put(b, 1, 2);
    put(b, bits, 2);
    for (uint32_t v : {0u, size, 2835u, 2835u, bits == 8 ? 16u : 0u, 0u}) put(b, v, 4);
    for (uint32_t i = 0; i < palette / 4; ++i) put(b, i * 0x0f0f0f, 4);
    for (int y = kH - 1; y >= 0; --y)
        for (uint32_t x = 0; x < stride; ++x)
            b.push_back(bits == 8 && x < kW ? rows[y * kStride + x] : uint8_t(x));
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), b.size());
}

// The pixel rows of an 8-bit bitmap file, top row first, kStride apart.
std::vector<uint8_t> readRows(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> f((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    auto u = [&](size_t at, int n) {
        uint32_t v = 0;
        for (int i = n - 1; i >= 0; --i) v = (v << 8) | f.at(at + i);
        return v;
    };
    EXPECT_EQ(u(28, 2), 8u) << path;
    EXPECT_EQ(u(18, 4), uint32_t(kW));
    const uint32_t offset = u(10, 4), stride = (kW + 3) / 4 * 4;
    std::vector<uint8_t> rows(kStride * kH, 0);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            rows[y * kStride + x] = f.at(offset + (kH - 1 - y) * stride + x);
    return rows;
}

struct TempDir {
    fs::path path;
    TempDir() {
        char tmpl[] = "/tmp/vestran-pic-XXXXXX";
        path = mkdtemp(tmpl);
    }
    ~TempDir() { fs::remove_all(path); }
};

}  // namespace

TEST(PicTool, EncodeThenDecodeGivesTheBitmapBackAndReplacesThePickedFiles) {
    TempDir dir;
    fs::create_directories(dir.path / "old.set");
    std::vector<uint8_t> rows(kStride * kH, 0);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) rows[y * kStride + x] = uint8_t((x * 7 + y * 5) % 16);
    const fs::path a = dir.path / "old.set" / "Troll.orig.bmp", b = dir.path / "Elf.bmp";
    writeBmp(a, rows);
    writeBmp(b, rows);

    ToolRun r = runTool("pic encode " + a.string() + " " + b.string());
    ASSERT_EQ(r.status, 0) << r.out;
    // Last file first; the name is cut at the first dot of the file name only.
    EXPECT_LT(r.out.find("Elf.pic"), r.out.find("Troll.pic")) << r.out;
    const fs::path aPic = dir.path / "old.set" / "Troll.pic", bPic = dir.path / "Elf.pic";
    ASSERT_TRUE(fs::exists(aPic));
    EXPECT_FALSE(fs::exists(a));
    EXPECT_FALSE(fs::exists(b));
    std::vector<uint8_t> scrambled = rows;
    EncodeRows(scrambled.data(), kW, kH, kStride);
    EXPECT_EQ(readRows(aPic), scrambled);
    EXPECT_EQ(readRows(bPic), scrambled);

    r = runTool("pic decode " + aPic.string());
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_FALSE(fs::exists(aPic));
    EXPECT_EQ(readRows(dir.path / "old.set" / "Troll.bmp"), rows);

    // Decoding "x.bmp" writes "x.bmp" itself: rewritten in place, not deleted.
    const fs::path same = dir.path / "Same.bmp";
    writeBmp(same, scrambled);
    r = runTool("pic decode " + same.string());
    ASSERT_EQ(r.status, 0) << r.out;
    ASSERT_TRUE(fs::exists(same));
    EXPECT_EQ(readRows(same), rows);
}

TEST(PicTool, RefusesWhatItCannotConvertAndKeepsTheFile) {
    TempDir dir;
    std::vector<uint8_t> rows(kStride * kH, 3);
    const fs::path deep = dir.path / "deep.bmp", text = dir.path / "note.bmp";
    writeBmp(deep, rows, 24);
    std::ofstream(text) << "not a picture";
    ToolRun r = runTool("pic encode " + deep.string() + " " + text.string() + " " +
                        (dir.path / "none.bmp").string());
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("not an 8-bit picture"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("no such file"), std::string::npos) << r.out;
    EXPECT_TRUE(fs::exists(deep));
    EXPECT_TRUE(fs::exists(text));
    EXPECT_FALSE(fs::exists(dir.path / "deep.pic"));

    EXPECT_EQ(runTool("pic --help").status, 0);
    EXPECT_EQ(runTool("pic rotate " + deep.string()).status, 1);
    EXPECT_EQ(runTool("pic encode").status, 1);
}
