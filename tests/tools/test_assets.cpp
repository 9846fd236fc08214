// The generated assets: every file the game can ask for exists beside the binaries in
// the format the game reads, the pieces of the map join, and the generator is
// deterministic.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "core/data/Creatures.h"
#include "core/data/GameFiles.h"
#include "platform/AssetNames.h"
#include "platform/PicCodec.h"
#include "tests/tools/ToolRun.h"

namespace fs = std::filesystem;

namespace {

const std::string kDir = std::string(VESTRAN_DATA_DIR) + "/";

std::string slurp(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

uint32_t le(const std::string& s, size_t at, int n) {
    uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = (v << 8) | uint8_t(s[at + size_t(i)]);
    return v;
}
uint32_t be(const std::string& s, size_t at, int n) {
    uint32_t v = 0;
    for (int i = 0; i < n; ++i) v = (v << 8) | uint8_t(s[at + size_t(i)]);
    return v;
}

bool endsWith(const std::string& s, const char* suffix) {
    std::string x = suffix;
    return s.size() >= x.size() && s.compare(s.size() - x.size(), x.size(), x) == 0;
}

// A decoded 8-bit picture: indices top row first, and its palette as 0xRRGGBB.
struct Pic {
    int w = 0, h = 0;
    std::vector<uint8_t> px;
    std::vector<uint32_t> pal;
    uint32_t rgb(int x, int y) const { return pal[px[size_t(y) * w + x]]; }
};

// Reads a .pic as the game does: an 8-bit BMP whose rows are then unscrambled.
Pic readPic(const std::string& path, std::string& why) {
    Pic p;
    std::string s = slurp(path);
    if (s.size() < 54 || s.compare(0, 2, "BM") != 0) return why = "not a BMP", p;
    uint32_t offset = le(s, 10, 4);
    int32_t w = int32_t(le(s, 18, 4)), h = int32_t(le(s, 22, 4));
    if (le(s, 28, 2) != 8) return why = "not 8 bits per pixel", p;
    if (le(s, 30, 4) != 0) return why = "compressed", p;
    if (w <= 0 || h <= 0) return why = "not a bottom-up bitmap", p;
    uint32_t colours = le(s, 46, 4);
    if (colours == 0) colours = 256;
    if (colours > 256) return why = "more than 256 colours", p;
    const size_t stride = (size_t(w) + 3) & ~size_t(3);
    if (s.size() < offset + stride * size_t(h)) return why = "truncated", p;
    std::vector<uint8_t> rows(stride * size_t(h));
    for (int y = 0; y < h; ++y)  // bottom-up in the file
        std::copy_n(s.begin() + long(offset + stride * size_t(h - 1 - y)), stride,
                    rows.begin() + long(stride * size_t(y)));
    DecodeRows(rows.data(), w, h, std::ptrdiff_t(stride));
    p.w = w, p.h = h;
    for (int y = 0; y < h; ++y)
        p.px.insert(p.px.end(), rows.begin() + long(stride * size_t(y)),
                    rows.begin() + long(stride * size_t(y) + size_t(w)));
    for (uint32_t i = 0; i < colours; ++i) p.pal.push_back(le(s, 54 + 4 * i, 3));
    for (uint8_t i : p.px)
        if (i >= p.pal.size()) return why = "pixel outside the palette", Pic{};
    return p;
}

bool keyed(const std::string& rel) {
    if (rel.rfind(assets::kArmy, 0) == 0) return true;
    if (rel.rfind(assets::kBattle, 0) == 0) return rel.find("/free") == std::string::npos;
    for (const auto& s : assets::mapSlots())
        if (!s.file.empty() && std::string(assets::kTravel) + s.file == rel) return s.transparent;
    return false;
}

struct Size {
    int w, h;
};
Size expectedPicSize(const std::string& rel) {
    if (rel.find("/skull") != std::string::npos) return {26, 26};
    if (rel.rfind(assets::kTravel, 0) == 0) return {100, 100};
    return {80, 80};
}

const std::map<std::string, Size>& windowSizes() {
    static const std::map<std::string, Size> m = {
        {assets::kWinTitle, {505, 500}},   {assets::kWinIntro, {399, 500}},
        {assets::kWinBandits, {439, 300}}, {assets::kWinTreasure, {411, 207}},
        {assets::kWinPortal, {400, 165}},  {assets::kWinDiary, {289, 363}},
        {assets::kWinSpell, {314, 261}},   {assets::kWinSpellFailed, {409, 448}},
        {assets::kWinGameWon, {578, 500}}, {assets::kWinVault, {456, 472}},
        {assets::kWinVictory, {391, 423}}, {assets::kWinDefeat, {370, 317}},
        {assets::kWinRetreat, {313, 192}}, {assets::kWinNewWeek, {354, 433}},
        {assets::kWinDismiss, {290, 134}}, {assets::kGlyphUp, {25, 25}},
        {assets::kGlyphDown, {25, 25}},    {assets::kGlyphDismiss, {25, 25}},
    };
    return m;
}

struct Assets : ::testing::Test {
    static void SetUpTestSuite() { FillTemplates(); }
};

TEST_F(Assets, EveryFileTheGameAsksForExists) {
    for (const std::string& rel : assets::allGameFiles())
        EXPECT_TRUE(fs::is_regular_file(kDir + rel)) << rel;
}

TEST_F(Assets, PicturesDecodeToTheirSizeAndSpritesAreKeyed) {
    int checked = 0;
    for (const std::string& rel : assets::allGameFiles()) {
        if (!endsWith(rel, ".pic")) continue;
        std::string why;
        Pic p = readPic(kDir + rel, why);
        ASSERT_TRUE(why.empty()) << rel << ": " << why;
        Size want = expectedPicSize(rel);
        EXPECT_EQ(p.w, want.w) << rel;
        EXPECT_EQ(p.h, want.h) << rel;
        ++checked;
        if (!keyed(rel)) continue;
        // The key colour at (1,1) belongs to one palette entry only, and the picture
        // is neither empty nor a full square.
        const uint8_t keyIdx = p.px[size_t(1) * p.w + 1];
        const uint32_t key = p.pal[keyIdx];
        size_t drawn = 0;
        for (uint8_t i : p.px) {
            if (i != keyIdx) {
                ++drawn;
                EXPECT_NE(p.pal[i], key) << rel << " draws with its key colour";
            }
        }
        EXPECT_GT(drawn, p.px.size() / 50) << rel << " is nearly empty";
        EXPECT_LT(drawn, p.px.size()) << rel << " has no transparent pixel but (1,1)";
    }
    EXPECT_GT(checked, 100);
}

// Mean colour step across an edge between two pictures, against the mean step between
// neighbouring columns inside them: a seam shows as a jump far above the texture's own.
double stepAcross(const Pic& a, const Pic& b, bool horizontal) {
    auto diff = [](uint32_t x, uint32_t y) {
        int d = 0;
        for (int k = 0; k < 3; ++k)
            d += std::abs(int((x >> (8 * k)) & 255) - int((y >> (8 * k)) & 255));
        return d;
    };
    double seam = 0, inner = 0;
    const int n = horizontal ? a.h : a.w;
    for (int i = 0; i < n; ++i) {
        if (horizontal) {
            seam += diff(a.rgb(a.w - 1, i), b.rgb(0, i));
            inner += diff(a.rgb(a.w - 2, i), a.rgb(a.w - 1, i)) + diff(b.rgb(0, i), b.rgb(1, i));
        } else {
            seam += diff(a.rgb(i, a.h - 1), b.rgb(i, 0));
            inner += diff(a.rgb(i, a.h - 2), a.rgb(i, a.h - 1)) + diff(b.rgb(i, 0), b.rgb(i, 1));
        }
    }
    return seam / std::max(1.0, inner / 2);
}

TEST_F(Assets, GroundAndShoresJoinWithoutSeams) {
    auto load = [](const std::string& name) {
        std::string why;
        Pic p = readPic(kDir + assets::kTravel + name, why);
        EXPECT_TRUE(why.empty()) << name << ": " << why;
        return p;
    };
    std::vector<Pic> grass;
    for (int v = 1; v <= 8; ++v) grass.push_back(load("FreeT/grass" + std::to_string(v) + ".pic"));
    // Any two grass variants side by side, both ways.
    for (const Pic& a : grass)
        for (const Pic& b : grass) {
            EXPECT_LT(stepAcross(a, b, true), 1.6);
            EXPECT_LT(stepAcross(a, b, false), 1.6);
        }
    for (int f = 1; f <= 3; ++f) {
        const std::string n = std::to_string(f) + ".pic";
        Pic water = load("Water/water" + n), u = load("Water/u" + n), d = load("Water/d" + n),
            l = load("Water/l" + n), r = load("Water/r" + n), urk = load("Water/urk" + n);
        struct Join {
            const Pic &a, &b;
            bool horizontal;
            const char* what;
        };
        const Join joins[] = {
            {water, water, true, "open water"},    {water, water, false, "open water"},
            {u, u, true, "a coast along the top"}, {grass[0], u, false, "land above a shore"},
            {d, grass[2], false, "land below"},    {grass[4], l, true, "land left"},
            {r, grass[5], true, "land right"},     {l, l, false, "a coast down the left"},
            {urk, u, true, "a coast turning"},     {u, water, false, "shore to open water"},
        };
        for (const Join& j : joins)
            EXPECT_LT(stepAcross(j.a, j.b, j.horizontal), 1.8) << j.what << " frame " << f;
    }
}

TEST_F(Assets, TownViewsArePlainBitmaps) {
    for (int r = 1; r <= 5; ++r) {
        std::string s = slurp(kDir + assets::kTravel + assets::townView(r));
        ASSERT_GE(s.size(), 54u) << r;
        EXPECT_EQ(s.substr(0, 2), "BM");
        EXPECT_EQ(le(s, 18, 4), 500u);
        EXPECT_EQ(le(s, 22, 4), 200u);
        EXPECT_EQ(le(s, 30, 4), 0u);  // uncompressed
        EXPECT_EQ(s.size(), le(s, 10, 4) + size_t(((500 * le(s, 28, 2) / 8) + 3) & ~3u) * 200);
    }
}

TEST_F(Assets, WindowPicturesArePngsOfTheirSize) {
    for (const std::string& rel : assets::windowPictures()) {
        std::string s = slurp(kDir + rel);
        ASSERT_GE(s.size(), 24u) << rel;
        EXPECT_EQ(s.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8)) << rel;
        auto it = windowSizes().find(rel);
        ASSERT_NE(it, windowSizes().end()) << rel << " has no expected size";
        EXPECT_EQ(be(s, 16, 4), uint32_t(it->second.w)) << rel;
        EXPECT_EQ(be(s, 20, 4), uint32_t(it->second.h)) << rel;
    }
}

TEST_F(Assets, SoundsArePcm16MonoAndNormalised) {
    int n = 0;
    for (const std::string& rel : assets::allGameFiles()) {
        if (!endsWith(rel, ".wav") && !endsWith(rel, ".Wav")) continue;
        std::string s = slurp(kDir + rel);
        ASSERT_GE(s.size(), 44u) << rel;
        EXPECT_EQ(s.substr(0, 4), "RIFF") << rel;
        EXPECT_EQ(s.substr(8, 8), "WAVEfmt ") << rel;
        EXPECT_EQ(le(s, 20, 2), 1u) << rel << " is not PCM";
        EXPECT_EQ(le(s, 22, 2), 1u) << rel << " is not mono";
        EXPECT_EQ(le(s, 24, 4), 22050u) << rel;
        EXPECT_EQ(le(s, 34, 2), 16u) << rel;
        ASSERT_EQ(s.substr(36, 4), "data") << rel;
        const size_t samples = le(s, 40, 4) / 2;
        ASSERT_EQ(s.size(), 44 + samples * 2) << rel;
        const double seconds = double(samples) / 22050;
        const double longest = rel == assets::kWavBattle ? 3.5 : 2.1;
        EXPECT_GE(seconds, 0.1) << rel;
        EXPECT_LE(seconds, longest) << rel;
        int peak = 0;
        for (size_t i = 0; i < samples; ++i)
            peak = std::max(peak, std::abs(int(int16_t(le(s, 44 + 2 * i, 2)))));
        EXPECT_NEAR(peak / 32767.0, 0.708, 0.02) << rel << " is not at -3 dBFS";
        // Faded in and out: no click at either end.
        EXPECT_LT(std::abs(int(int16_t(le(s, 44, 2)))), 200) << rel;
        EXPECT_LT(std::abs(int(int16_t(le(s, 44 + 2 * (samples - 1), 2)))), 200) << rel;
        ++n;
    }
    EXPECT_EQ(n, 14 + 20);
}

// Length in seconds of a type 1 MIDI file with a single tempo in its first track.
double midiSeconds(const std::string& s, std::string& why) {
    if (s.compare(0, 4, "MThd") != 0 || be(s, 4, 4) != 6) return why = "no MThd", 0;
    if (be(s, 8, 2) != 1) return why = "not type 1", 0;
    const uint32_t tracks = be(s, 10, 2), ppq = be(s, 12, 2);
    size_t at = 14;
    uint32_t tempo = 500000, endTick = 0;
    for (uint32_t t = 0; t < tracks; ++t) {
        if (at + 8 > s.size() || s.compare(at, 4, "MTrk") != 0) return why = "bad track chunk", 0;
        const size_t end = at + 8 + be(s, at + 4, 4);
        if (end > s.size()) return why = "truncated track", 0;
        size_t i = at + 8;
        uint32_t tick = 0;
        uint8_t status = 0;
        bool ended = false;
        while (i < end) {
            uint32_t delta = 0;
            uint8_t c;
            do c = uint8_t(s[i++]), delta = (delta << 7) | (c & 0x7F);
            while (c & 0x80);
            tick += delta;
            uint8_t b = uint8_t(s[i]);
            if (b & 0x80) status = b, ++i;
            if (status == 0xFF) {
                uint8_t type = uint8_t(s[i++]);
                uint32_t len = 0;
                do c = uint8_t(s[i++]), len = (len << 7) | (c & 0x7F);
                while (c & 0x80);
                if (type == 0x51) tempo = be(s, i, 3);
                if (type == 0x2F) ended = true;
                i += len;
            } else {
                i += (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0 ? 1 : 2;
            }
        }
        if (!ended) return why = "track without end", 0;
        endTick = std::max(endTick, tick);
        at = end;
    }
    if (tracks < 3) return why = "fewer than two instrument tracks", 0;
    return double(endTick) / ppq * tempo / 1e6;
}

TEST_F(Assets, MusicIsGeneralMidiOfTheRightLength) {
    for (int n = 1; n <= 6; ++n) {
        std::string why;
        double sec = midiSeconds(slurp(kDir + assets::mapMusic(n)), why);
        EXPECT_TRUE(why.empty()) << n << ": " << why;
        EXPECT_GE(sec, 90) << assets::mapMusic(n);
        EXPECT_LE(sec, 180) << assets::mapMusic(n);
    }
    std::string why;
    double win = midiSeconds(slurp(kDir + assets::kMusicWin), why);
    EXPECT_TRUE(why.empty()) << why;
    EXPECT_GE(win, 30);
    EXPECT_LE(win, 45);
    double intro = midiSeconds(slurp(kDir + assets::kMusicIntro), why);
    EXPECT_TRUE(why.empty()) << why;
    EXPECT_GE(intro, 100);
    EXPECT_LE(intro, 150);
}

TEST_F(Assets, HelpPageIsUtf8AndCoversTheKeys) {
    std::string s = slurp(kDir + assets::kReadMe);
    EXPECT_NE(s.find("charset=\"utf-8\""), std::string::npos);
    for (const char* word : {"Home", "End", "PgUp", "PgDn", "W", "Пробел", "Авторитет", "Хранилищ",
                             "Дневник", "портал", "корабл", "Сохран", "F1", "мыш"})
        EXPECT_NE(s.find(word), std::string::npos) << word;
}

TEST_F(Assets, GeneratorWritesTheSameBytesTwice) {
    const fs::path base =
        fs::temp_directory_path() / ("vestran-assets-" + std::to_string(::getpid()));
    const std::string gen = kDir + "vestran-assets";
    const std::string only =
        " --only Resourse/Travel/Water/u2 --only Resourse/Army/Dragon"
        " --only Resourse/Battle/boom --only Wav/Gold --only Music/Mel2";
    for (const char* run : {"a", "b"}) {
        std::string cmd = "QT_QPA_PLATFORM=offscreen " + gen + " " + (base / run).string() + only +
                          " >/dev/null 2>&1";
        ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
    }
    int compared = 0;
    for (const auto& e : fs::recursive_directory_iterator(base / "a")) {
        if (!e.is_regular_file()) continue;
        const std::string rel = fs::relative(e.path(), base / "a").string();
        const std::string a = slurp(e.path().string());
        EXPECT_EQ(a, slurp((base / "b" / rel).string())) << rel;
        EXPECT_EQ(a, slurp(kDir + rel)) << rel << " differs from the build's own";
        ++compared;
    }
    fs::remove_all(base);
    EXPECT_EQ(compared, 1 + 2 + 4 + 1 + 1);  // u2, Dragon.pic/.wav, boom1..4, Gold, Mel2
}

TEST_F(Assets, ContactSheetShowsEveryPicture) {
    const fs::path out =
        fs::temp_directory_path() / ("vestran-sheet-" + std::to_string(::getpid()) + ".png");
    ToolRun r = runTool("contact-sheet " + out.string() + " --data-dir " + kDir);
    EXPECT_EQ(r.status, 0) << r.out;
    int pictures = 0;
    for (const std::string& rel : assets::allGameFiles())
        pictures += endsWith(rel, ".pic") || endsWith(rel, ".bmp") || endsWith(rel, ".png");
    EXPECT_NE(r.out.find(std::to_string(pictures) + " pictures"), std::string::npos) << r.out;
    std::string png = slurp(out.string());
    EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    fs::remove(out);

    // A folder without the game's pictures is an error, not an empty sheet.
    r = runTool("contact-sheet " + out.string() + " --data-dir /nonexistent");
    EXPECT_NE(r.status, 0);
    EXPECT_FALSE(fs::exists(out));

    // A scale whose sheet cannot fit in memory (or overflows the width) is refused.
    for (const char* scale : {"0", "9", "100000", "99999999999999999999", "-2", "x"}) {
        r = runTool("contact-sheet " + out.string() + " --data-dir " + kDir + " --scale " + scale);
        EXPECT_EQ(r.status, 1) << scale << "\n" << r.out;
        EXPECT_NE(r.out.find("--scale wants 1..8"), std::string::npos) << r.out;
        EXPECT_FALSE(fs::exists(out));
    }
}

}  // namespace
