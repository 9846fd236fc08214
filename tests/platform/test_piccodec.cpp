#include <gtest/gtest.h>

#include <vector>

#include "platform/PicCodec.h"
#include "platform/Random.h"

namespace {

// Rows with padding past the width, as bitmap rows have; the padding must never
// be touched.
struct Rows {
    int width, height, stride;
    std::vector<uint8_t> bytes;
    Rows(int w, int h, uint64_t seed) : width(w), height(h), stride((w + 3) / 4 * 4 + 4) {
        Random rnd(seed);
        bytes.resize(static_cast<size_t>(stride) * h);
        for (auto& b : bytes) b = static_cast<uint8_t>(rnd(256));
    }
    uint8_t* data() { return bytes.data(); }
    uint8_t at(int x, int y) const { return bytes[static_cast<size_t>(y) * stride + x]; }
};

}  // namespace

TEST(PicCodec, DecodeUndoesEncodeForEveryWidth) {
    for (int w = 1; w <= 40; ++w) {
        Rows p(w, 3, 100 + w);
        const auto original = p.bytes;
        EncodeRows(p.data(), p.width, p.height, p.stride);
        if (w >= 11) {
            EXPECT_NE(p.bytes, original) << "width " << w;
        } else {
            EXPECT_EQ(p.bytes, original) << "width " << w << " is stored unchanged";
        }
        DecodeRows(p.data(), p.width, p.height, p.stride);
        EXPECT_EQ(p.bytes, original) << "width " << w;
    }
}

TEST(PicCodec, EncodeIsTenPassesOfALaggedSum) {
    // Width 11: only byte 0 changes, by ten times byte 10.
    Rows p(11, 1, 7);
    const uint8_t b0 = p.at(0, 0), b10 = p.at(10, 0);
    EncodeRows(p.data(), 11, 1, p.stride);
    EXPECT_EQ(p.at(0, 0), static_cast<uint8_t>(b0 + 10 * b10));
    for (int x = 1; x <= 10; ++x) EXPECT_EQ(p.at(x, 0), Rows(11, 1, 7).at(x, 0));

    // Width 12, all ones: one pass gives 2,2 then ones; ten passes give 11,11.
    std::vector<uint8_t> row(12, 1);
    EncodeRows(row.data(), 12, 1, 12);
    EXPECT_EQ(row[0], 11);
    EXPECT_EQ(row[1], 11);
    EXPECT_EQ(row[2], 1);
}

TEST(PicCodec, MirrorReversesTheWidthOfEveryRowOnly) {
    Rows p(5, 2, 3);
    const Rows before = p;
    MirrorRows(p.data(), 5, 2, p.stride);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 5; ++x) EXPECT_EQ(p.at(x, y), before.at(4 - x, y));
        for (int x = 5; x < p.stride; ++x) EXPECT_EQ(p.at(x, y), before.at(x, y));
    }
    MirrorRows(p.data(), 5, 2, p.stride);
    EXPECT_EQ(p.bytes, before.bytes);
}
