#include "tools/assets/Midi.h"

#include <algorithm>
#include <cctype>
#include <sstream>
#include <stdexcept>

namespace gen {

void MidiTrack::note(uint32_t start, uint32_t length, int key, int velocity) {
    key = std::clamp(key, 0, 127);
    velocity = std::clamp(velocity, 1, 127);
    events.push_back({start, 1, {uint8_t(0x90 | channel), uint8_t(key), uint8_t(velocity)}});
    events.push_back({start + std::max<uint32_t>(1, length),
                      0,
                      {uint8_t(0x80 | channel), uint8_t(key), uint8_t(0)}});
}

MidiTrack& Song::track(const std::string& name, int channel, int program, int volume, int pan) {
    MidiTrack t;
    t.name = name;
    t.channel = channel;
    t.program = program;
    t.volume = volume;
    t.pan = pan;
    tracks.push_back(std::move(t));
    return tracks.back();
}

uint32_t Song::lengthTicks() const {
    uint32_t end = 0;
    for (const auto& t : tracks)
        for (const auto& e : t.events) end = std::max(end, e.tick);
    return end;
}

namespace {
void varLen(std::string& o, uint32_t v) {
    uint8_t buf[5];
    int n = 0;
    buf[n++] = v & 0x7F;
    while (v >>= 7) buf[n++] = uint8_t((v & 0x7F) | 0x80);
    while (n) o += char(buf[--n]);
}
void be(std::string& o, uint32_t v, int n) {
    for (int i = n - 1; i >= 0; --i) o += char((v >> (8 * i)) & 0xFF);
}
std::string chunk(const char* id, const std::string& body) {
    std::string o = id;
    be(o, uint32_t(body.size()), 4);
    return o + body;
}
std::string meta(uint8_t type, const std::string& data) {
    std::string o;
    o += char(0xFF);
    o += char(type);
    varLen(o, uint32_t(data.size()));
    return o + data;
}
}  // namespace

std::string Song::smf() const {
    const uint32_t end = lengthTicks() + kPpq;  // a beat of silence so the last notes ring
    std::string out = "MThd";
    be(out, 6, 4);
    be(out, 1, 2);
    be(out, uint32_t(tracks.size() + 1), 2);
    be(out, kPpq, 2);

    // Conductor track: title, tempo, metre.
    std::string c;
    varLen(c, 0);
    c += meta(0x03, title);
    varLen(c, 0);
    uint32_t us = 60000000u / uint32_t(bpm);
    c += meta(0x51, std::string{char(us >> 16), char((us >> 8) & 0xFF), char(us & 0xFF)});
    varLen(c, 0);
    c += meta(0x58, std::string{char(beatsPerBar), 2, 24, 8});
    varLen(c, end);
    c += meta(0x2F, "");
    out += chunk("MTrk", c);

    for (const auto& t : tracks) {
        std::string b;
        varLen(b, 0);
        b += meta(0x03, t.name);
        const uint8_t ch = uint8_t(t.channel);
        const uint8_t setup[][3] = {{uint8_t(0xC0 | ch), uint8_t(t.program), 0},
                                    {uint8_t(0xB0 | ch), 7, uint8_t(t.volume)},
                                    {uint8_t(0xB0 | ch), 10, uint8_t(t.pan)},
                                    {uint8_t(0xB0 | ch), 91, 40}};
        for (int i = 0; i < 4; ++i) {
            varLen(b, 0);
            b.append(reinterpret_cast<const char*>(setup[i]), i == 0 ? 2 : 3);
        }
        auto ev = t.events;
        std::stable_sort(ev.begin(), ev.end(), [](const MidiTrack::Ev& x, const MidiTrack::Ev& y) {
            return x.tick != y.tick ? x.tick < y.tick : x.order < y.order;
        });
        uint32_t now = 0;
        for (const auto& e : ev) {
            varLen(b, e.tick - now);
            now = e.tick;
            b.append(reinterpret_cast<const char*>(e.bytes.data()), e.bytes.size());
        }
        varLen(b, end > now ? end - now : 0);
        b += meta(0x2F, "");
        out += chunk("MTrk", b);
    }
    return out;
}

int Key::degree(int d) const {
    int oct = 0;
    int i = d - 1;
    while (i < 0) i += 7, --oct;
    oct += i / 7;
    i %= 7;
    return tonic + 12 * oct + steps[size_t(i)];
}

Key major(int t) {
    return {t, {0, 2, 4, 5, 7, 9, 11}};
}
Key minor(int t) {
    return {t, {0, 2, 3, 5, 7, 8, 10}};
}
Key dorian(int t) {
    return {t, {0, 2, 3, 5, 7, 9, 10}};
}

uint32_t melody(MidiTrack& t, const Key& k, uint32_t start, const std::string& text, int vel,
                int octaveShift, double legato) {
    std::istringstream in(text);
    std::string tok;
    uint32_t now = start;
    int n = 0;
    while (in >> tok) {
        if (tok == "|") continue;
        auto colon = tok.find(':');
        if (colon == std::string::npos)
            throw std::runtime_error("melody token without length: " + tok);
        uint32_t len = uint32_t(std::stod(tok.substr(colon + 1)) * kEighth + 0.5);
        std::string p = tok.substr(0, colon);
        if (p != "r") {
            size_t i = 0;
            bool neg = p[0] == '-';
            if (neg) ++i;
            int d = 0;
            while (i < p.size() && std::isdigit(static_cast<unsigned char>(p[i])))
                d = d * 10 + (p[i++] - '0');
            if (neg) d = -d;
            int key = k.degree(d) + 12 * octaveShift;
            for (; i < p.size(); ++i) {
                if (p[i] == '#') ++key;
                if (p[i] == 'b') --key;
                if (p[i] == '\'') key += 12;
                if (p[i] == ',') key -= 12;
            }
            // Gentle accents: stronger on the beat.
            int v = vel + ((now / kPpq) % 2 == 0 && now % kPpq == 0 ? 8 : 0) - (n % 3 == 2 ? 4 : 0);
            t.note(now, uint32_t(len * legato), key, v);
        }
        now += len;
        ++n;
    }
    return now;
}

std::vector<int> chordNotes(const Key& k, const Chord& c, int centre) {
    std::vector<int> n;
    int root = k.degree(c.root);
    n.push_back(root);
    n.push_back(k.degree(c.root + 2) + c.sharpThird);
    n.push_back(k.degree(c.root + 4));
    if (c.seventh) n.push_back(k.degree(c.root + 6));
    for (int& x : n) {
        while (x < centre - 6) x += 12;
        while (x > centre + 6) x -= 12;
    }
    std::sort(n.begin(), n.end());
    return n;
}

}  // namespace gen
