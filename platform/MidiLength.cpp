#include "platform/MidiLength.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>

namespace {

struct Reader {
    const std::vector<uint8_t>& d;
    size_t pos;
    size_t end;
    bool ok = true;

    bool more() const { return ok && pos < end; }
    uint8_t byte() {
        if (pos >= end) {
            ok = false;
            return 0;
        }
        return d[pos++];
    }
    uint32_t be(int n) {
        uint32_t v = 0;
        for (int i = 0; i < n; ++i) v = (v << 8) | byte();
        return v;
    }
    uint32_t varLen() {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i) {
            const uint8_t b = byte();
            v = (v << 7) | (b & 0x7f);
            if (!(b & 0x80)) return v;
        }
        ok = false;  // longer than the four bytes a MIDI file allows
        return v;
    }
    void skip(uint32_t n) {
        if (n > end - pos) {
            ok = false;
            pos = end;
        } else {
            pos += n;
        }
    }
};

}  // namespace

std::optional<int> MidiLengthMs(const std::vector<uint8_t>& file) {
    Reader head{file, 0, file.size()};
    if (head.be(4) != 0x4d546864u /* MThd */) return std::nullopt;
    const uint32_t headLen = head.be(4);
    const uint32_t format = head.be(2);
    const uint32_t tracks = head.be(2);
    const uint32_t division = head.be(2);
    if (!head.ok || headLen < 6 || format > 2 || division == 0) return std::nullopt;
    head.skip(headLen - 6);

    std::map<uint64_t, uint32_t> tempos;  // tick -> microseconds per quarter note
    uint64_t lastTick = 0;
    size_t pos = head.pos;
    for (uint32_t t = 0; t < tracks && head.ok; ++t) {
        Reader chunk{file, pos, file.size()};
        const uint32_t id = chunk.be(4);
        const uint32_t len = chunk.be(4);
        if (!chunk.ok || len > file.size() - chunk.pos) return std::nullopt;
        pos = chunk.pos + len;
        if (id != 0x4d54726bu /* MTrk */) {
            --t;  // unknown chunks are skipped and do not count as tracks
            continue;
        }
        Reader r{file, chunk.pos, pos};
        uint64_t tick = 0;
        uint8_t status = 0;
        while (r.more()) {
            tick += r.varLen();
            uint8_t b = r.byte();
            if (b == 0xff) {
                const uint8_t type = r.byte();
                const uint32_t n = r.varLen();
                if (type == 0x51 && n == 3) {
                    tempos[tick] = r.be(3);
                } else {
                    r.skip(n);
                }
                if (type == 0x2f) break;  // end of track
            } else if (b == 0xf0 || b == 0xf7) {
                r.skip(r.varLen());
            } else {
                // A channel message; without a status byte it repeats the last one.
                if (b & 0x80) {
                    status = b;
                    r.byte();
                } else if (status == 0) {
                    return std::nullopt;
                }
                const uint8_t kind = status & 0xf0;
                if (kind != 0xc0 && kind != 0xd0) r.byte();
            }
        }
        if (!r.ok) return std::nullopt;
        lastTick = std::max(lastTick, tick);
    }

    double ms = 0;
    if (division & 0x8000) {
        const int fps = -static_cast<int8_t>(division >> 8);
        const int perFrame = division & 0xff;
        if (fps <= 0 || perFrame == 0) return std::nullopt;
        ms = static_cast<double>(lastTick) * 1000.0 / (fps * perFrame);
    } else {
        uint64_t at = 0;
        uint32_t tempo = 500000;  // 120 beats a minute until the file says otherwise
        for (const auto& [tick, value] : tempos) {
            if (tick >= lastTick) break;
            ms += static_cast<double>(tick - at) * tempo / division / 1000.0;
            at = tick;
            tempo = value;
        }
        ms += static_cast<double>(lastTick - at) * tempo / division / 1000.0;
    }
    if (ms > 2.0e9) return std::nullopt;
    return static_cast<int>(ms + 0.5);
}

std::optional<int> MidiFileLengthMs(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
    return MidiLengthMs(bytes);
}
