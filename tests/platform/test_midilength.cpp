#include <gtest/gtest.h>

#include <vector>

#include "platform/MidiLength.h"

namespace {

using Bytes = std::vector<uint8_t>;

void be(Bytes& b, uint32_t v, int n) {
    for (int i = n - 1; i >= 0; --i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

Bytes header(int format, int tracks, int division) {
    Bytes b{'M', 'T', 'h', 'd'};
    be(b, 6, 4);
    be(b, format, 2);
    be(b, tracks, 2);
    be(b, division, 2);
    return b;
}

void track(Bytes& file, const Bytes& events) {
    file.insert(file.end(), {'M', 'T', 'r', 'k'});
    be(file, static_cast<uint32_t>(events.size()), 4);
    file.insert(file.end(), events.begin(), events.end());
}

}  // namespace

TEST(MidiLength, TempoChangesAndTheLongestTrackDecide) {
    // 480 ticks a beat. Track 1: tempo 120 bpm, after 960 ticks 60 bpm, ends at 1440.
    // Track 2: notes with running status, ends later, at 1920 ticks.
    Bytes f = header(1, 2, 480);
    track(f, {0x00, 0xff, 0x51, 0x03, 0x07, 0xa1, 0x20,        // 500000 us a beat
              0x87, 0x40, 0xff, 0x51, 0x03, 0x0f, 0x42, 0x40,  // +960: 1000000 us a beat
              0x83, 0x60, 0xff, 0x2f, 0x00});                  // +480: end
    track(f, {0x00, 0xc0, 0x05,                                // program change: one byte
              0x00, 0x90, 0x40, 0x60,                          // note on
              0x8f, 0x00, 0x40, 0x00,                          // +1920, running status
              0x00, 0xf0, 0x02, 0x01, 0xf7,                    // sysex
              0x00, 0xff, 0x2f, 0x00});
    // 960 ticks at 0.5 s a beat = 1 s; 960 more at 1 s a beat = 2 s.
    EXPECT_EQ(MidiLengthMs(f), 3000);
}

TEST(MidiLength, DefaultTempoAndSmpteDivision) {
    Bytes f = header(0, 1, 96);
    track(f, {0x81, 0x40, 0x90, 0x3c, 0x40, 0x00, 0xff, 0x2f, 0x00});  // 192 ticks at 120 bpm
    EXPECT_EQ(MidiLengthMs(f), 1000);

    // 25 frames a second, 40 ticks a frame: 1000 ticks a second.
    Bytes s = header(0, 1, 0xe728);
    track(s, {0x8f, 0x50, 0xff, 0x2f, 0x00});  // 2000 ticks
    EXPECT_EQ(MidiLengthMs(s), 2000);
}

TEST(MidiLength, DamagedFilesHaveNoLength) {
    EXPECT_FALSE(MidiLengthMs({}).has_value());
    EXPECT_FALSE(MidiLengthMs({'R', 'I', 'F', 'F', 0, 0, 0, 6}).has_value());
    Bytes cut = header(0, 1, 96);
    track(cut, {0x81, 0x40, 0x90, 0x3c, 0x40, 0x00, 0xff, 0x2f, 0x00});
    cut.resize(cut.size() - 3);  // the track says it is longer than the file
    EXPECT_FALSE(MidiLengthMs(cut).has_value());
    Bytes noStatus = header(0, 1, 96);
    track(noStatus, {0x00, 0x40, 0x40, 0x00, 0xff, 0x2f, 0x00});
    EXPECT_FALSE(MidiLengthMs(noStatus).has_value());
    EXPECT_FALSE(MidiFileLengthMs("/nonexistent/Z.mid").has_value());
}
