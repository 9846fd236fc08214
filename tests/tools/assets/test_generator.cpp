// The asset generator's parts: palettes, the sprite finish, the .pic writer, noise,
// sound and MIDI writing, and the note-data notation the music is written in.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/PicCodec.h"
#include "tools/assets/Gen.h"
#include "tools/assets/Midi.h"
#include "tools/assets/Paint.h"
#include "tools/assets/Palette.h"
#include "tools/assets/Synth.h"

namespace fs = std::filesystem;
using namespace gen;

namespace {

std::string slurp(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}
uint32_t le(const std::string& s, size_t at, int n) {
    uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = (v << 8) | uint8_t(s[at + size_t(i)]);
    return v;
}

TEST(Palette, KeepsFewColoursExactlyAndMapsToTheNearest) {
    QImage img(4, 1, QImage::Format_ARGB32);
    img.setPixel(0, 0, qRgb(10, 20, 30));
    img.setPixel(1, 0, qRgb(200, 100, 50));
    img.setPixel(2, 0, qRgb(10, 20, 30));
    img.setPixel(3, 0, qRgba(0, 0, 0, 0));  // transparent: not in the palette
    auto pal = buildPalette({&img}, 256);
    ASSERT_EQ(pal.size(), 2u);
    auto idx = mapToPalette(img, pal, 0, -1);
    EXPECT_EQ(pal[idx[0]] & 0xFFFFFF, 0x0A141Eu);
    EXPECT_EQ(pal[idx[1]] & 0xFFFFFF, 0xC86432u);
    EXPECT_EQ(idx[0], idx[2]);

    // With a key entry in front, opaque pixels never take it.
    std::vector<QRgb> keyed{qRgb(255, 0, 255), qRgb(250, 10, 250), qRgb(0, 0, 0)};
    QImage magenta(2, 1, QImage::Format_ARGB32);
    magenta.setPixel(0, 0, qRgb(255, 0, 255));
    magenta.setPixel(1, 0, qRgba(0, 0, 0, 0));
    auto k = mapToPalette(magenta, keyed, 1, 0);
    EXPECT_EQ(k[0], 1);
    EXPECT_EQ(k[1], 0);
}

TEST(Palette, ReducesManyColoursToTheLimit) {
    QImage img(64, 64, QImage::Format_ARGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) img.setPixel(x, y, qRgb(x * 4, y * 4, (x + y) * 2));
    auto pal = buildPalette({&img}, 16);
    EXPECT_LE(pal.size(), 16u);
    EXPECT_GE(pal.size(), 12u);
    // Every pixel lands within a modest distance of its entry.
    auto idx = mapToPalette(img, pal, 0, -1);
    int worst = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            QRgb a = img.pixel(x, y), b = pal[idx[size_t(y) * 64 + x]];
            worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b))});
        }
    EXPECT_LT(worst, 64);
}

TEST(Paint, SpriteFinishIsOneBitWithAnOutlineRing) {
    QImage body = canvas(7, 7);
    body.setPixel(3, 3, qRgba(200, 100, 0, 255));
    body.setPixel(0, 0, qRgba(40, 40, 40, 60));  // faint: dropped
    QImage under = canvas(7, 7);
    under.setPixel(6, 6, qRgba(1, 2, 3, 255));
    QImage s = finishSprite(body, 1, &under, QColor(9, 9, 9));
    int opaque = 0;
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 7; ++x) {
            int a = qAlpha(s.pixel(x, y));
            EXPECT_TRUE(a == 0 || a == 255) << x << "," << y;
            opaque += a == 255;
        }
    EXPECT_EQ(s.pixel(3, 3) & 0xFFFFFF, 0xC86400u);
    for (auto [x, y] : {std::pair{2, 3}, {4, 3}, {3, 2}, {3, 4}})
        EXPECT_EQ(s.pixel(x, y), qRgb(9, 9, 9));
    EXPECT_EQ(qAlpha(s.pixel(2, 2)), 0);  // the ring follows the four neighbours only
    EXPECT_EQ(s.pixel(6, 6), qRgb(1, 2, 3));
    EXPECT_EQ(qAlpha(s.pixel(0, 0)), 0);
    EXPECT_EQ(opaque, 1 + 4 + 1);
}

TEST(Paint, GroundShadowLeavesEveryOtherPixel) {
    QImage layer = canvas(20, 10);
    groundShadow(layer, QRectF(0, 0, 20, 10));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x + 1 < 20; ++x)
            EXPECT_FALSE(qAlpha(layer.pixel(x, y)) && qAlpha(layer.pixel(x + 1, y)));
    EXPECT_NE(qAlpha(layer.pixel(10, 5)) + qAlpha(layer.pixel(11, 5)), 0);
}

TEST(Paint, PeriodicNoiseWraps) {
    for (float x : {0.3f, 2.7f, 5.5f})
        for (float y : {0.1f, 3.9f}) {
            EXPECT_FLOAT_EQ(vnoise(x, y, 7, 8), vnoise(x + 8, y, 7, 8));
            EXPECT_FLOAT_EQ(vnoise(x, y, 7, 8), vnoise(x, y + 16, 7, 8));
            EXPECT_NEAR(fbm(x, y, 3, 4), fbm(x + 4, y - 4, 3, 4), 1e-5);
        }
    EXPECT_NE(vnoise(0.5f, 0.5f, 1, 0), vnoise(0.5f, 0.5f, 2, 0));
}

struct SinkTest : ::testing::Test {
    fs::path dir = fs::temp_directory_path() / ("vestran-gen-" + std::to_string(::getpid()));
    void TearDown() override { fs::remove_all(dir); }
};

TEST_F(SinkTest, PicIsAnEightBitBmpWhoseRowsDecodeToThePicture) {
    Sink s(dir.string(), {});
    QImage img(23, 5, QImage::Format_ARGB32);  // odd width: rows are padded
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 23; ++x) img.setPixel(x, y, qRgb((x * 11) & 255, y * 40, 7));
    s.pic("a/b.pic", img, PicKind::Opaque);
    std::string f = slurp(dir / "a/b.pic");
    ASSERT_EQ(f.substr(0, 2), "BM");
    EXPECT_EQ(le(f, 28, 2), 8u);
    const uint32_t off = le(f, 10, 4), colours = le(f, 46, 4);
    EXPECT_EQ(off, 54 + 4 * colours);
    const size_t stride = 24;
    ASSERT_EQ(f.size(), off + stride * 5);
    std::vector<uint8_t> rows(f.begin() + off, f.end());
    DecodeRows(rows.data(), 23, 5, stride);
    for (int y = 0; y < 5; ++y)  // bottom-up
        for (int x = 0; x < 23; ++x) {
            uint8_t i = rows[size_t(4 - y) * stride + x];
            EXPECT_EQ(le(f, 54 + 4 * i, 3), img.pixel(x, y) & 0xFFFFFF) << x << "," << y;
        }
    EXPECT_TRUE(s.written().count("a/b.pic"));
}

TEST_F(SinkTest, SpritesNeedATransparentCornerAndNeverDrawInTheKey) {
    Sink s(dir.string(), {});
    QImage solid(12, 12, QImage::Format_ARGB32);
    solid.fill(qRgb(1, 2, 3));
    EXPECT_THROW(s.pic("x.pic", solid, PicKind::Sprite), std::runtime_error);

    QImage spr(12, 12, QImage::Format_ARGB32);
    spr.fill(Qt::transparent);
    spr.setPixel(6, 6, qRgb(255, 0, 255));  // drawn in the key colour itself
    s.pic("y.pic", spr, PicKind::Sprite);
    std::string f = slurp(dir / "y.pic");
    const uint32_t colours = le(f, 46, 4);
    EXPECT_EQ(le(f, 54, 3), 0xFF00FFu);  // entry 0 is the key
    for (uint32_t i = 1; i < colours; ++i) EXPECT_NE(le(f, 54 + 4 * i, 3), 0xFF00FFu);
}

TEST_F(SinkTest, OnlyWritesWhatWasAskedFor) {
    Sink s(dir.string(), {"Wav/", "Music/Mel1"});
    EXPECT_TRUE(s.wanted("Wav/Gold.Wav"));
    EXPECT_TRUE(s.wanted("Music/Mel1.mid"));
    EXPECT_FALSE(s.wanted("Music/Mel2.mid"));
    s.bytes("Music/Mel2.mid", "x");
    EXPECT_FALSE(fs::exists(dir / "Music/Mel2.mid"));
    EXPECT_TRUE(Sink(dir.string(), {}).wanted("anything"));
}

TEST(Synth, WavIsNormalisedWithSilentEnds) {
    Buf b(0.2);
    for (size_t i = 0; i < b.size(); ++i) b[i] = 3.0f * float(std::sin(i * 0.05));
    b[0] = 3.0f;  // a sharp start must not stay loud
    std::string w = wavFile(b);
    ASSERT_EQ(w.size(), 44 + b.size() * 2);
    EXPECT_EQ(w.substr(0, 4), "RIFF");
    EXPECT_EQ(le(w, 4, 4), w.size() - 8);
    EXPECT_EQ(le(w, 24, 4), 22050u);
    int peak = 0;
    for (size_t i = 0; i < b.size(); ++i)
        peak = std::max(peak, std::abs(int(int16_t(le(w, 44 + 2 * i, 2)))));
    EXPECT_NEAR(peak, 0.708 * 32767, 40);
    EXPECT_EQ(int16_t(le(w, 44, 2)), 0);
    EXPECT_EQ(int16_t(le(w, w.size() - 2, 2)), 0);
    // Silence stays silence (no division by a zero peak).
    std::string quiet = wavFile(Buf(0.1));
    for (size_t i = 44; i < quiet.size(); ++i) EXPECT_EQ(quiet[i], 0);
}

TEST(Synth, PartsAreFadedOutWhereTheyEnd) {
    Buf dst(0.1), part(0.05);
    for (size_t i = 0; i < part.size(); ++i) part[i] = 1;
    dst.add(part, 0.01);
    const size_t start = size_t(0.01 * kRate);
    EXPECT_FLOAT_EQ(dst[start], 1);
    EXPECT_LT(dst[start + part.size() - 1], 0.05f);
    EXPECT_FLOAT_EQ(dst[start + part.size() + 1], 0);
}

TEST(Midi, KeysDegreesAndChords) {
    Key c = major(60);
    EXPECT_EQ(c.degree(1), 60);
    EXPECT_EQ(c.degree(8), 72);
    EXPECT_EQ(c.degree(0), 59);   // the seventh below
    EXPECT_EQ(c.degree(-2), 55);  // counting down: 0 is B, -1 is A, -2 is G
    Key a = minor(57);
    auto v = chordNotes(a, Chord{5, false, 1}, 64);  // E major in A minor, any inversion
    ASSERT_EQ(v.size(), 3u);
    std::vector<int> classes;
    for (int n : v) {
        EXPECT_LE(std::abs(n - 64), 6);  // voiced close to the centre
        classes.push_back(n % 12);
    }
    std::sort(classes.begin(), classes.end());
    EXPECT_EQ(classes, (std::vector<int>{4, 8, 11}));  // E, G sharp (the leading tone), B
    auto seventh = chordNotes(c, Chord{5, true, 0}, 67);
    EXPECT_EQ(seventh.size(), 4u);
}

TEST(Midi, MelodyNotation) {
    Song song;
    auto& t = song.track("Lead", 0, 73);
    Key c = major(60);
    uint32_t end = melody(t, c, 480, "1:2 3#:1 | 5':1 r:2 1,:0.5", 90, 0, 1.0);
    EXPECT_EQ(end, uint32_t(480 + 6.5 * kEighth));
    std::vector<int> keys;
    std::vector<uint32_t> starts;
    for (const auto& e : t.events)
        if ((e.bytes[0] & 0xF0) == 0x90) keys.push_back(e.bytes[1]), starts.push_back(e.tick);
    EXPECT_EQ(keys, (std::vector<int>{60, 65, 79, 48}));
    EXPECT_EQ(starts, (std::vector<uint32_t>{480, 480 + 2 * kEighth, 480 + 3 * kEighth,
                                             480 + 6 * kEighth}));
    EXPECT_THROW(melody(t, c, 0, "1", 90), std::runtime_error);
}

TEST(Midi, WritesTypeOneWithTempoAndOrderedEvents) {
    Song song;
    song.bpm = 120;
    auto& t = song.track("Bass", 2, 32);
    t.note(0, 480, 40, 100);
    t.note(480, 480, 40, 100);  // its note-on meets the previous note-off
    std::string m = song.smf();
    ASSERT_EQ(m.substr(0, 4), "MThd");
    EXPECT_EQ(uint8_t(m[9]), 1);   // type 1
    EXPECT_EQ(uint8_t(m[11]), 2);  // conductor + one track
    size_t tempo = m.find(std::string("\xFF\x51\x03", 3));
    ASSERT_NE(tempo, std::string::npos);
    EXPECT_EQ((uint8_t(m[tempo + 3]) << 16) | (uint8_t(m[tempo + 4]) << 8) | uint8_t(m[tempo + 5]),
              500000);
    size_t off = m.find(std::string("\x82\x28\x00", 3));
    size_t on = m.find(std::string("\x92\x28\x64", 3), m.find(std::string("\x92\x28\x64", 3)) + 1);
    ASSERT_NE(off, std::string::npos);
    ASSERT_NE(on, std::string::npos);
    EXPECT_LT(off, on);  // the repeated note is released before it sounds again
    EXPECT_EQ(song.lengthTicks(), 960u);
    // Deltas above 127 ticks are written as variable-length numbers: 480 = 0x83 0x60.
    EXPECT_NE(m.find(std::string("\x83\x60\x82", 3)), std::string::npos);
}

}  // namespace
