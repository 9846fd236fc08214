// The game's music, written as note data: six map pieces with different moods, the
// victory piece and the intro. Each piece has a form (intro, A, A', B, A, coda), a
// chord progression per section, a bass line and, where it helps, drums.
#include <sstream>
#include <string>
#include <vector>

#include "platform/AssetNames.h"
#include "tools/assets/Gen.h"
#include "tools/assets/Midi.h"

namespace gen {

namespace {

// General MIDI programs (0-based).
enum Gm {
    kPiano = 0,
    kCelesta = 8,
    kAccordion = 21,
    kNylonGuitar = 24,
    kCello = 42,
    kContrabass = 43,
    kPizzicato = 45,
    kHarp = 46,
    kTimpani = 47,
    kStrings = 48,
    kSlowStrings = 49,
    kChoir = 52,
    kTrumpet = 56,
    kTrombone = 57,
    kTuba = 58,
    kHorn = 60,
    kBrass = 61,
    kOboe = 68,
    kBassoon = 70,
    kClarinet = 71,
    kFlute = 73,
    kPanFlute = 75,
    kViolin = 40,
    kBanjo = 105,
    kWarmPad = 89,
};
enum Drum {
    kKick = 36,
    kSnare = 38,
    kHat = 42,
    kOpenHat = 46,
    kCrash = 49,
    kRide = 51,
    kTambourine = 54,
    kLowTom = 45
};

std::vector<Chord> chords(const std::string& text) {
    std::vector<Chord> v;
    std::istringstream in(text);
    std::string t;
    while (in >> t) {
        Chord c;
        c.root = t[0] - '0';
        c.seventh = t.find('7', 1) != std::string::npos;
        c.sharpThird = t.find('+') != std::string::npos ? 1 : 0;
        v.push_back(c);
    }
    return v;
}

struct Style {
    MidiTrack* lead = nullptr;
    int leadVel = 90;
    int leadOct = 0;
    MidiTrack* pad = nullptr;
    int padVel = 55;
    int padCentre = 62;
    MidiTrack* arp = nullptr;
    std::vector<int> arpPattern;  // chord-tone indices per step (-1 = rest), 3 = octave root
    int arpStep = kEighth;
    int arpVel = 60;
    int arpCentre = 64;
    MidiTrack* bass = nullptr;
    enum { None, Whole, RootFifth, March, OomPah } bassKind = None;
    int bassVel = 80;
    MidiTrack* drums = nullptr;
    std::vector<std::pair<int, std::string>> drumLines;  // note, steps ('x' hit, 'o' soft)
    int drumSteps = 16;
    bool crash = false;
    MidiTrack* timp = nullptr;
};

struct Piece {
    Song song;
    Key key;
    uint32_t bar;  // ticks per bar
    uint32_t now = 0;
};

void section(Piece& pc, const std::string& chordText, const std::string& tune, const Style& s) {
    const auto cs = chords(chordText);
    const Key& k = pc.key;
    if (s.lead && !tune.empty()) melody(*s.lead, k, pc.now, tune, s.leadVel, s.leadOct);
    for (size_t b = 0; b < cs.size(); ++b) {
        const uint32_t t0 = pc.now + uint32_t(b) * pc.bar;
        const Chord& c = cs[b];
        if (s.pad)
            for (int n : chordNotes(k, c, s.padCentre)) s.pad->note(t0, pc.bar - 20, n, s.padVel);
        if (s.arp && !s.arpPattern.empty()) {
            auto notes = chordNotes(k, c, s.arpCentre);
            int i = 0;
            for (uint32_t t = 0; t < pc.bar; t += uint32_t(s.arpStep), ++i) {
                int idx = s.arpPattern[size_t(i) % s.arpPattern.size()];
                if (idx < 0) continue;
                int n = idx >= int(notes.size()) ? notes[0] + 12 : notes[size_t(idx)];
                s.arp->note(t0 + t, uint32_t(s.arpStep * 1.6), n, s.arpVel + (t == 0 ? 8 : 0));
            }
        }
        if (s.bass) {
            int root = k.degree(c.root);
            while (root > 52) root -= 12;
            while (root < 36) root += 12;
            int fifth = root + 7 > 55 ? root - 5 : root + 7;
            const uint32_t q = kPpq;
            switch (s.bassKind) {
                case Style::Whole:
                    s.bass->note(t0, pc.bar - 30, root, s.bassVel);
                    break;
                case Style::RootFifth:
                    s.bass->note(t0, pc.bar / 2 - 30, root, s.bassVel);
                    s.bass->note(t0 + pc.bar / 2, pc.bar / 2 - 30, fifth, s.bassVel - 8);
                    break;
                case Style::March:
                    for (uint32_t t = 0; t < pc.bar; t += q)
                        s.bass->note(t0 + t, q * 6 / 10, (t / q) % 2 ? fifth : root,
                                     s.bassVel - ((t / q) % 2 ? 10 : 0));
                    break;
                case Style::OomPah:
                    for (uint32_t t = 0; t < pc.bar; t += q)
                        if ((t / q) % 2 == 0)
                            s.bass->note(t0 + t, q / 2, (t / q) % 4 ? fifth : root, s.bassVel);
                    break;
                default:
                    break;
            }
        }
        if (s.timp) {
            int root = k.degree(c.root);
            while (root > 50) root -= 12;
            while (root < 40) root += 12;
            s.timp->note(t0, kPpq, root, 85);
            if (b % 2 == 1)
                for (int r = 0; r < 4; ++r)
                    s.timp->note(t0 + pc.bar - kPpq + r * kPpq / 4, kPpq / 4, root, 60 + r * 8);
        }
        if (s.drums) {
            const uint32_t step = pc.bar / uint32_t(s.drumSteps);
            for (const auto& [n, steps] : s.drumLines)
                for (size_t i = 0; i < steps.size() && int(i) < s.drumSteps; ++i)
                    if (steps[i] == 'x' || steps[i] == 'o')
                        s.drums->note(t0 + uint32_t(i) * step, step / 2, n,
                                      steps[i] == 'x' ? 100 : 60);
            if (s.crash && b == 0) s.drums->note(t0, kPpq, kCrash, 90);
        }
    }
    pc.now += uint32_t(cs.size()) * pc.bar;
}

// A closing chord held for one bar, so the piece ends cleanly.
void ending(Piece& pc, const std::vector<MidiTrack*>& tracks, int centre, int vel) {
    for (MidiTrack* t : tracks)
        for (int n : chordNotes(pc.key, Chord{1}, centre)) t->note(pc.now, pc.bar * 3 / 2, n, vel);
    pc.now += pc.bar * 2;
}

Piece makePiece(const char* title, int bpm, int beats, Key key) {
    Piece pc{Song{}, key, uint32_t(kPpq * beats)};
    pc.song.title = title;
    pc.song.bpm = bpm;
    pc.song.beatsPerBar = beats;
    pc.song.tracks.reserve(8);  // tracks are referenced while the piece is written
    return pc;
}

std::string pastoral() {
    Piece pc = makePiece("Meadows", 96, 3, major(62));
    auto& flute = pc.song.track("Flute", 0, kFlute, 100, 70);
    auto& oboe = pc.song.track("Oboe", 1, kOboe, 90, 50);
    auto& strings = pc.song.track("Strings", 2, kStrings, 70, 60);
    auto& harp = pc.song.track("Harp", 3, kHarp, 85, 80);
    auto& cello = pc.song.track("Cello", 4, kCello, 85, 40);
    const std::string A =
        "5:2 3:1 4:1 5:2 | 6:2 5:2 3:2 | 4:2 2:1 3:1 4:2 | 5:6 | "
        "5:2 3:1 4:1 5:2 | 8:2 7:2 6:2 | 5:2 4:2 2:2 | 1:6";
    const std::string A2 =
        "5:2 3:1 4:1 5:1 6:1 | 6:2 5:1 4:1 3:2 | 4:2 2:1 3:1 4:1 5:1 | 5:6 | "
        "5:2 3:1 4:1 5:2 | 8:1 9:1 8:1 7:1 6:2 | 5:2 4:1 3:1 2:2 | 1:6";
    const std::string B =
        "6:3 5:1 6:2 | 8:2 7:2 6:2 | 5:3 4:1 3:2 | 2:6 | "
        "3:2 4:2 5:2 | 6:2 7:2 8:2 | 9:2 7:2 5:2 | 5:6";
    const char* cA = "1 6 2 5 1 4 57 1";
    const char* cB = "6 6 4 5 1 6 5 5";
    Style s;
    s.pad = &strings;
    s.padVel = 45;
    s.arp = &harp;
    s.arpPattern = {0, 1, 2, 3, 2, 1};
    s.arpCentre = 66;
    s.bass = &cello;
    s.bassKind = Style::Whole;
    section(pc, "1 4 1 5", "", s);
    s.lead = &flute;
    section(pc, cA, A, s);
    s.lead = &oboe;
    section(pc, cA, A2, s);
    s.lead = &flute;
    s.leadOct = 0;
    s.arpPattern = {0, 2, 1, 2, 3, 2};
    section(pc, cB, B, s);
    s.lead = &oboe;
    section(pc, cB, B, s);
    s.lead = &flute;
    s.arpPattern = {0, 1, 2, 3, 2, 1};
    section(pc, cA, A2, s);
    s.padVel = 60;
    section(pc, cA, A, s);
    s.lead = nullptr;
    section(pc, "4 1 5 1", "", s);
    ending(pc, {&strings, &harp}, 62, 60);
    return pc.song.smf();
}

std::string march() {
    Piece pc = makePiece("The Road", 112, 4, minor(55));
    auto& trumpet = pc.song.track("Trumpet", 0, kTrumpet, 100, 64);
    auto& horns = pc.song.track("Horns", 1, kHorn, 85, 50);
    auto& brass = pc.song.track("Brass", 2, kBrass, 70, 80);
    auto& tuba = pc.song.track("Tuba", 3, kTuba, 90, 60);
    auto& drums = pc.song.track("Drums", 9, 0, 90, 64);
    const std::string A =
        "1:3 1:1 5:2 5:2 | 6:1.5 5:0.5 4:2 3:4 | 4:3 4:1 6:2 5:2 | 4:1.5 3:0.5 2:2 5,:4 | "
        "1:3 1:1 5:2 5:2 | 8:3 7:1 6:2 5:2 | 6:2 4:2 3:2 2:2 | 1:8";
    const std::string B =
        "3:2 5:2 8:3 7:1 | 6:2 5:2 3:4 | 4:2 6:2 8:3 7:1 | 7:8 | "
        "8:2 7:2 6:2 5:2 | 4:2 5:2 6:4 | 5:2 4:2 3:1.5 2:0.5 3:2 | 5:8";
    const char* cA = "1 6 4 5+ 1 6 4 1";
    const char* cB = "3 6 4 7 1 4 5+ 5+";
    Style s;
    s.drums = &drums;
    s.drumLines = {{kSnare, "x..ox.o.x..ox.oo"}, {kKick, "x.......x......."}};
    s.bass = &tuba;
    s.bassKind = Style::March;
    section(pc, "1 5+", "", s);
    s.lead = &trumpet;
    s.arp = &brass;
    s.arpPattern = {-1, 0, -1, 1, -1, 2, -1, 1};
    s.arpCentre = 62;
    s.crash = true;
    section(pc, cA, A, s);
    s.pad = &horns;
    s.padVel = 50;
    section(pc, cA, A, s);
    s.lead = &horns;
    s.pad = nullptr;
    s.leadOct = 0;
    section(pc, cB, B, s);
    s.lead = &trumpet;
    s.pad = &horns;
    section(pc, cA, A, s);
    s.lead = &trumpet;
    section(pc, cB, B, s);
    s.drumLines = {{kSnare, "x.oox.oox.oox.oo"}, {kKick, "x...x...x...x..."}};
    section(pc, cA, A, s);
    s.lead = nullptr;
    section(pc, "4 1", "", s);
    ending(pc, {&horns, &brass}, 60, 80);
    return pc.song.smf();
}

std::string mystery() {
    Piece pc = makePiece("Old Stones", 80, 4, dorian(64));
    auto& lead = pc.song.track("Pan flute", 0, kPanFlute, 95, 64);
    auto& choir = pc.song.track("Choir", 1, kChoir, 70, 50);
    auto& harp = pc.song.track("Harp", 2, kHarp, 90, 80);
    auto& bass = pc.song.track("Bass", 3, kContrabass, 80, 60);
    auto& cel = pc.song.track("Celesta", 4, kCelesta, 75, 90);
    const std::string A =
        "5:4 4:2 3:2 | 2:6 1:2 | 3:3 4:1 5:2 7:2 | 6:8 | "
        "5:4 4:2 3:2 | 2:4 7,:2 1:2 | 2:3 3:1 2:2 1:2 | 1:8";
    const std::string B =
        "8:4 7:2 6:2 | 5:8 | 6:3 5:1 4:2 3:2 | 2:8 | "
        "3:2 4:2 5:2 6:2 | 7:4 8:4 | 9:3 8:1 7:2 5:2 | 5:8";
    const char* cA = "1 7 3 4 1 7 2 1";
    const char* cB = "4 5 4 2 1 7 5 5";
    Style s;
    s.pad = &choir;
    s.padVel = 48;
    s.padCentre = 60;
    s.arp = &harp;
    s.arpPattern = {0, 1, 2, 3, 2, 1, 2, 1};
    s.arpCentre = 60;
    s.bass = &bass;
    s.bassKind = Style::Whole;
    section(pc, "1 7 1 4", "", s);
    s.lead = &lead;
    section(pc, cA, A, s);
    s.lead = &cel;
    s.leadOct = 1;
    section(pc, cB, B, s);
    s.lead = &lead;
    s.leadOct = 0;
    s.arpPattern = {0, 2, 3, 2, 1, 2, 3, 2};
    section(pc, cA, A, s);
    s.lead = &lead;
    section(pc, cB, B, s);
    s.lead = &cel;
    s.leadOct = 1;
    section(pc, cA, A, s);
    s.lead = nullptr;
    section(pc, "4 1", "", s);
    ending(pc, {&choir, &harp}, 60, 50);
    return pc.song.smf();
}

std::string folkDance() {
    Piece pc = makePiece("Village Dance", 126, 4, minor(57));
    auto& lead = pc.song.track("Balalaika", 0, kBanjo, 95, 70);
    auto& acc = pc.song.track("Accordion", 1, kAccordion, 75, 50);
    auto& guitar = pc.song.track("Guitar", 2, kNylonGuitar, 80, 80);
    auto& bass = pc.song.track("Bass", 3, kPizzicato, 95, 60);
    auto& drums = pc.song.track("Drums", 9, 0, 80, 64);
    const std::string A =
        "5:1 5:1 5:1 6:1 5:2 4:2 | 3:1 4:1 5:1 3:1 2:2 1:2 | 2:1 2:1 2:1 3:1 4:2 3:2 | "
        "2:2 5,:2 7#,:4 | 5:1 5:1 5:1 6:1 5:2 4:2 | 3:1 4:1 5:1 6:1 7:2 8:2 | "
        "7:1 6:1 5:1 4:1 3:2 2:2 | 1:4 r:4";
    const std::string B =
        "3:2 3:1 4:1 5:2 5:2 | 6:1 5:1 4:1 3:1 4:4 | 4:2 4:1 5:1 6:2 6:2 | 7:1 6:1 5:1 4:1 5:4 | "
        "8:2 8:1 7:1 6:2 5:2 | 6:1 5:1 4:1 3:1 2:4 | 3:1 4:1 5:1 3:1 2:2 7#,:2 | 1:4 r:4";
    const char* cA = "1 1 7 5+ 1 6 5+ 1";
    const char* cB = "3 4 7 3 6 4 5+ 1";
    Style s;
    s.drums = &drums;
    s.drumLines = {{kTambourine, "..x...x...x...x."},
                   {kKick, "x.......x......."},
                   {kLowTom, "....x.......x..."}};
    s.bass = &bass;
    s.bassKind = Style::OomPah;
    s.arp = &guitar;
    s.arpPattern = {-1, -1, 0, -1, -1, -1, 1, -1};
    s.arpStep = kEighth;
    s.arpCentre = 64;
    section(pc, "1 5+ 1 5+", "", s);
    s.lead = &lead;
    section(pc, cA, A, s);
    s.pad = &acc;
    s.padVel = 45;
    section(pc, cA, A, s);
    s.lead = &acc;
    s.pad = nullptr;
    section(pc, cB, B, s);
    s.lead = &lead;
    s.pad = &acc;
    section(pc, cB, B, s);
    s.pad = nullptr;
    s.lead = &lead;
    s.leadOct = 1;
    section(pc, cA, A, s);
    s.leadOct = 0;
    s.lead = &acc;
    section(pc, cA, A, s);
    s.lead = &lead;
    s.pad = &acc;
    section(pc, cB, B, s);
    section(pc, cA, A, s);
    s.lead = nullptr;
    section(pc, "4 5+", "", s);
    ending(pc, {&acc, &guitar}, 64, 80);
    return pc.song.smf();
}

std::string lament() {
    Piece pc = makePiece("Ashes", 72, 4, minor(59));
    auto& cello = pc.song.track("Cello", 0, kCello, 100, 50);
    auto& piano = pc.song.track("Piano", 1, kPiano, 85, 75);
    auto& strings = pc.song.track("Strings", 2, kSlowStrings, 60, 64);
    auto& bass = pc.song.track("Bass", 3, kContrabass, 70, 60);
    const std::string A =
        "5:4 4:2 3:2 | 3:3 2:1 2:4 | 4:4 3:2 2:2 | 2:3 1:1 1:4 | "
        "1:2 2:2 3:2 5:2 | 6:4 5:2 4:2 | 3:2 4:2 2:2 7#,:2 | 1:8";
    const std::string B =
        "3:4 5:2 8:2 | 7:4 6:4 | 6:2 5:2 4:2 6:2 | 5:8 | "
        "8:4 7:2 6:2 | 5:4 4:2 3:2 | 4:2 3:2 2:2 7#,:2 | 1:8";
    const char* cA = "1 7 4 1 1 6 5+ 1";
    const char* cB = "3 7 6 1 6 3 5+ 1";
    Style s;
    s.arp = &piano;
    s.arpPattern = {0, 1, 2, 3, 2, 1, 2, 1};
    s.arpCentre = 62;
    s.arpVel = 55;
    s.bass = &bass;
    s.bassKind = Style::Whole;
    s.bassVel = 65;
    section(pc, "1 6", "", s);
    s.lead = &cello;
    s.leadOct = -1;
    section(pc, cA, A, s);
    s.pad = &strings;
    s.padVel = 40;
    section(pc, cB, B, s);
    s.lead = &piano;
    s.leadOct = 1;
    s.arp = nullptr;
    section(pc, cA, A, s);
    s.lead = &cello;
    s.leadOct = -1;
    s.arp = &piano;
    section(pc, cB, B, s);
    s.lead = &cello;
    section(pc, cA, A, s);
    s.lead = nullptr;
    section(pc, "4 5+", "", s);
    ending(pc, {&strings, &piano}, 62, 50);
    return pc.song.smf();
}

std::string heroic() {
    Piece pc = makePiece("Banners", 104, 4, major(60));
    auto& horns = pc.song.track("Horns", 0, kHorn, 100, 50);
    auto& trumpet = pc.song.track("Trumpet", 1, kTrumpet, 85, 75);
    auto& strings = pc.song.track("Strings", 2, kStrings, 75, 64);
    auto& bass = pc.song.track("Bass", 3, kContrabass, 85, 60);
    auto& timp = pc.song.track("Timpani", 4, kTimpani, 90, 64);
    auto& drums = pc.song.track("Drums", 9, 0, 70, 64);
    const std::string A =
        "1:2 5:3 5:1 6:1 7:1 | 8:4 5:4 | 4:2 3:1.5 2:0.5 3:2 1:2 | 2:8 | "
        "1:2 5:3 5:1 6:1 7:1 | 8:4 10:4 | 9:2 8:1.5 7:0.5 6:2 7:2 | 8:8";
    const std::string B =
        "3:3 2:1 3:2 4:2 | 5:4 3:4 | 6:3 5:1 4:2 6:2 | 5:8 | "
        "6:3 5:1 6:2 7:2 | 8:4 6:4 | 5:2 4:2 3:2 2:2 | 5:8";
    const char* cA = "1 1 4 5 1 6 5 1";
    const char* cB = "6 3 4 5 4 6 2 5";
    Style s;
    s.pad = &strings;
    s.padVel = 55;
    s.padCentre = 60;
    s.bass = &bass;
    s.bassKind = Style::RootFifth;
    s.timp = &timp;
    s.drums = &drums;
    s.drumLines = {{kSnare, "x.o.....x.o.o.o."}};
    section(pc, "1 5 1 5", "", s);
    s.lead = &horns;
    s.leadOct = -1;
    s.crash = true;
    section(pc, cA, A, s);
    s.lead = &trumpet;
    s.leadOct = 0;
    section(pc, cA, A, s);
    s.lead = &strings;
    s.pad = nullptr;
    s.arp = &horns;
    s.arpPattern = {0, -1, -1, 1, -1, -1, 2, -1};
    s.arpCentre = 58;
    section(pc, cB, B, s);
    s.lead = &horns;
    s.arp = nullptr;
    s.pad = &strings;
    section(pc, cA, A, s);
    s.lead = &trumpet;
    section(pc, cB, B, s);
    s.lead = &horns;
    section(pc, cA, A, s);
    s.lead = nullptr;
    section(pc, "4 5", "", s);
    ending(pc, {&strings, &horns, &trumpet}, 62, 90);
    return pc.song.smf();
}

std::string victory() {
    Piece pc = makePiece("Victory", 116, 4, major(62));
    auto& trumpet = pc.song.track("Trumpet", 0, kTrumpet, 110, 64);
    auto& horns = pc.song.track("Horns", 1, kHorn, 90, 50);
    auto& strings = pc.song.track("Strings", 2, kStrings, 80, 70);
    auto& bass = pc.song.track("Bass", 3, kTrombone, 85, 60);
    auto& timp = pc.song.track("Timpani", 4, kTimpani, 95, 64);
    auto& drums = pc.song.track("Drums", 9, 0, 80, 64);
    const std::string A =
        "1:1 1:1 1:1 5:3 3:2 | 5:2 8:4 5:2 | 6:1 6:1 6:1 8:3 6:2 | 5:8 | "
        "4:1 4:1 4:1 6:3 4:2 | 3:1 3:1 3:1 5:3 3:2 | 2:2 5:2 7,:2 2:2 | 1:8";
    const std::string coda =
        "8:4 7:2 6:2 | 5:4 4:2 3:2 | 4:2 5:2 6:2 7:2 | 8:8 | "
        "5:2 8:2 5:2 8:2 | 10:4 9:4 | 8:8 | 8:8";
    Style s;
    s.lead = &trumpet;
    s.pad = &horns;
    s.padVel = 70;
    s.bass = &bass;
    s.bassKind = Style::March;
    s.timp = &timp;
    s.drums = &drums;
    s.drumLines = {{kSnare, "x.oox.oox.oox.oo"}, {kKick, "x.......x......."}};
    s.crash = true;
    section(pc, "1 1 4 1 4 1 5 1", A, s);
    s.arp = &strings;
    s.arpPattern = {0, 1, 2, 3, 0, 1, 2, 3};
    s.arpCentre = 70;
    section(pc, "4 1 4 5 1 5 1 1", coda, s);
    ending(pc, {&horns, &strings, &trumpet}, 62, 100);
    return pc.song.smf();
}

std::string intro() {
    Piece pc = makePiece("The Tale of Vakhnar", 66, 4, minor(62));
    auto& horn = pc.song.track("Horn", 0, kHorn, 95, 55);
    auto& strings = pc.song.track("Strings", 1, kSlowStrings, 80, 64);
    auto& choir = pc.song.track("Choir", 2, kChoir, 65, 70);
    auto& bass = pc.song.track("Basses", 3, kContrabass, 85, 60);
    auto& timp = pc.song.track("Timpani", 4, kTimpani, 70, 64);
    auto& oboe = pc.song.track("Oboe", 5, kOboe, 85, 80);
    auto& harp = pc.song.track("Harp", 6, kHarp, 70, 90);
    const std::string A =
        "1:4 2:2 3:2 | 2:6 r:2 | 3:4 4:2 5:2 | 4:3 3:1 2:4 | "
        "1:4 7,:2 6,:2 | 7#,:6 r:2 | 6,:2 7,:2 1:2 2:2 | 1:8";
    const std::string B =
        "5:4 6:2 5:2 | 4:4 3:4 | 3:4 4:2 3:2 | 2:8 | "
        "1:2 2:2 3:2 4:2 | 5:4 6:4 | 5:2 4:2 3:2 2:2 | 7#,:8";
    const char* cA = "1 5+ 3 7 6 5+ 4 1";
    const char* cB = "1 4 6 5+ 1 6 4 5+";
    Style s;
    s.pad = &strings;
    s.padVel = 45;
    s.padCentre = 57;
    s.bass = &bass;
    s.bassKind = Style::Whole;
    s.bassVel = 70;
    section(pc, "1 6 1 5+", "", s);
    s.lead = &horn;
    s.leadOct = -1;
    section(pc, cA, A, s);
    s.lead = &oboe;
    s.leadOct = 0;
    s.arp = &harp;
    s.arpPattern = {0, 1, 2, 1, 0, 1, 2, 1};
    s.arpCentre = 57;
    s.arpVel = 45;
    section(pc, cA, A, s);
    s.lead = &horn;
    s.leadOct = -1;
    s.pad = &choir;
    s.padVel = 50;
    s.timp = &timp;
    section(pc, cB, B, s);
    s.pad = &strings;
    s.timp = nullptr;
    s.lead = &oboe;
    s.leadOct = 0;
    section(pc, cA, A, s);
    s.lead = nullptr;
    s.arp = nullptr;
    section(pc, "4 5+", "", s);
    ending(pc, {&strings, &choir}, 57, 50);
    return pc.song.smf();
}

}  // namespace

void genMusic(Sink& s) {
    const std::string pieces[] = {pastoral(), march(), mystery(), folkDance(), lament(), heroic()};
    for (int n = 1; n <= 6; ++n) s.bytes(assets::mapMusic(n), pieces[n - 1]);
    s.bytes(assets::kMusicWin, victory());
    s.bytes(assets::kMusicIntro, intro());
}

}  // namespace gen
