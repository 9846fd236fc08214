// The game's music, written as note data: six map pieces with different moods, the
// victory piece and the intro. Each piece has a form (intro, A, A', B, A, coda), a
// chord progression per section, a bass line and, where it helps, drums.
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
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

using DrumLines = std::vector<std::pair<int, std::string>>;  // note, steps ('x' hit, 'o' soft)

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
    enum BassKind { None, Whole, RootFifth, March, OomPah } bassKind = None;
    int bassVel = 80;
    MidiTrack* drums = nullptr;
    DrumLines drumLines;
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

// What changes in the style before a section; what is left unnamed stays. A track
// is named by its name in the tune ("" for none).
class Change {
public:
    Change& lead(const char* t) { return set(lead_, t); }
    Change& leadOct(int v) { return set(leadOct_, v); }
    Change& pad(const char* t) { return set(pad_, t); }
    Change& padVel(int v) { return set(padVel_, v); }
    Change& padCentre(int v) { return set(padCentre_, v); }
    Change& arp(const char* t) { return set(arp_, t); }
    Change& arpPattern(std::vector<int> v) { return set(arpPattern_, std::move(v)); }
    Change& arpStep(int v) { return set(arpStep_, v); }
    Change& arpVel(int v) { return set(arpVel_, v); }
    Change& arpCentre(int v) { return set(arpCentre_, v); }
    Change& bass(const char* t) { return set(bass_, t); }
    Change& bassKind(Style::BassKind v) { return set(bassKind_, v); }
    Change& bassVel(int v) { return set(bassVel_, v); }
    Change& timp(const char* t) { return set(timp_, t); }
    Change& drums(const char* t) { return set(drums_, t); }
    Change& drumLines(DrumLines v) { return set(drumLines_, std::move(v)); }
    Change& crash(bool v) { return set(crash_, v); }

    void applyTo(Piece& pc, Style& s) const;

private:
    template <class T, class V>
    Change& set(std::optional<T>& field, V&& v) {
        field = std::forward<V>(v);
        return *this;
    }
    std::optional<const char*> lead_, pad_, arp_, bass_, timp_, drums_;
    std::optional<int> leadOct_, padVel_, padCentre_, arpStep_, arpVel_, arpCentre_, bassVel_;
    std::optional<std::vector<int>> arpPattern_;
    std::optional<Style::BassKind> bassKind_;
    std::optional<DrumLines> drumLines_;
    std::optional<bool> crash_;
};

struct Part {
    Change change;
    std::string chords;
    std::string tune;  // the lead's melody; "" for none
};

struct TrackSpec {
    const char* name;
    int channel, program, volume, pan;
};

struct Tune {
    struct {
        const char* title;
        int bpm, beats;
        Key key;
    } head;
    std::vector<TrackSpec> tracks;
    std::vector<Part> parts;
    struct {
        std::vector<const char*> tracks;  // who holds the closing chord
        int centre, velocity;
    } ending;
};

MidiTrack* trackNamed(Piece& pc, const char* name) {
    if (!*name) return nullptr;
    for (MidiTrack& t : pc.song.tracks)
        if (t.name == name) return &t;
    throw std::logic_error(std::string("no track ") + name + " in " + pc.song.title);
}

void Change::applyTo(Piece& pc, Style& s) const {
    auto track = [&](const std::optional<const char*>& name, MidiTrack*& to) {
        if (name) to = trackNamed(pc, *name);
    };
    auto value = [](const auto& v, auto& to) {
        if (v) to = *v;
    };
    track(lead_, s.lead);
    value(leadOct_, s.leadOct);
    track(pad_, s.pad);
    value(padVel_, s.padVel);
    value(padCentre_, s.padCentre);
    track(arp_, s.arp);
    value(arpPattern_, s.arpPattern);
    value(arpStep_, s.arpStep);
    value(arpVel_, s.arpVel);
    value(arpCentre_, s.arpCentre);
    track(bass_, s.bass);
    value(bassKind_, s.bassKind);
    value(bassVel_, s.bassVel);
    track(timp_, s.timp);
    track(drums_, s.drums);
    value(drumLines_, s.drumLines);
    value(crash_, s.crash);
}

std::string write(const Tune& t) {
    Piece pc = makePiece(t.head.title, t.head.bpm, t.head.beats, t.head.key);
    for (const TrackSpec& k : t.tracks)
        pc.song.track(k.name, k.channel, k.program, k.volume, k.pan);
    Style s;
    for (const Part& p : t.parts) {
        p.change.applyTo(pc, s);
        section(pc, p.chords, p.tune, s);
    }
    std::vector<MidiTrack*> closing;
    for (const char* name : t.ending.tracks) closing.push_back(trackNamed(pc, name));
    ending(pc, closing, t.ending.centre, t.ending.velocity);
    return pc.song.smf();
}

// The themes (degree:eighths, as melody() reads them) and chord progressions
// of the tunes.
namespace meadows {
const std::string A =
    "5:2 3:1 4:1 5:2 | 6:2 5:2 3:2 | 4:2 2:1 3:1 4:2 | 5:6 | "
    "5:2 3:1 4:1 5:2 | 8:2 7:2 6:2 | 5:2 4:2 2:2 | 1:6";
const std::string A2 =
    "5:2 3:1 4:1 5:1 6:1 | 6:2 5:1 4:1 3:2 | 4:2 2:1 3:1 4:1 5:1 | 5:6 | "
    "5:2 3:1 4:1 5:2 | 8:1 9:1 8:1 7:1 6:2 | 5:2 4:1 3:1 2:2 | 1:6";
const std::string B =
    "6:3 5:1 6:2 | 8:2 7:2 6:2 | 5:3 4:1 3:2 | 2:6 | "
    "3:2 4:2 5:2 | 6:2 7:2 8:2 | 9:2 7:2 5:2 | 5:6";
const char* const cA = "1 6 2 5 1 4 57 1";
const char* const cB = "6 6 4 5 1 6 5 5";
}  // namespace meadows

namespace road {
const std::string A =
    "1:3 1:1 5:2 5:2 | 6:1.5 5:0.5 4:2 3:4 | 4:3 4:1 6:2 5:2 | 4:1.5 3:0.5 2:2 5,:4 | "
    "1:3 1:1 5:2 5:2 | 8:3 7:1 6:2 5:2 | 6:2 4:2 3:2 2:2 | 1:8";
const std::string B =
    "3:2 5:2 8:3 7:1 | 6:2 5:2 3:4 | 4:2 6:2 8:3 7:1 | 7:8 | "
    "8:2 7:2 6:2 5:2 | 4:2 5:2 6:4 | 5:2 4:2 3:1.5 2:0.5 3:2 | 5:8";
const char* const cA = "1 6 4 5+ 1 6 4 1";
const char* const cB = "3 6 4 7 1 4 5+ 5+";
}  // namespace road

namespace stones {
const std::string A =
    "5:4 4:2 3:2 | 2:6 1:2 | 3:3 4:1 5:2 7:2 | 6:8 | "
    "5:4 4:2 3:2 | 2:4 7,:2 1:2 | 2:3 3:1 2:2 1:2 | 1:8";
const std::string B =
    "8:4 7:2 6:2 | 5:8 | 6:3 5:1 4:2 3:2 | 2:8 | "
    "3:2 4:2 5:2 6:2 | 7:4 8:4 | 9:3 8:1 7:2 5:2 | 5:8";
const char* const cA = "1 7 3 4 1 7 2 1";
const char* const cB = "4 5 4 2 1 7 5 5";
}  // namespace stones

namespace dance {
const std::string A =
    "5:1 5:1 5:1 6:1 5:2 4:2 | 3:1 4:1 5:1 3:1 2:2 1:2 | 2:1 2:1 2:1 3:1 4:2 3:2 | "
    "2:2 5,:2 7#,:4 | 5:1 5:1 5:1 6:1 5:2 4:2 | 3:1 4:1 5:1 6:1 7:2 8:2 | "
    "7:1 6:1 5:1 4:1 3:2 2:2 | 1:4 r:4";
const std::string B =
    "3:2 3:1 4:1 5:2 5:2 | 6:1 5:1 4:1 3:1 4:4 | 4:2 4:1 5:1 6:2 6:2 | 7:1 6:1 5:1 4:1 5:4 | "
    "8:2 8:1 7:1 6:2 5:2 | 6:1 5:1 4:1 3:1 2:4 | 3:1 4:1 5:1 3:1 2:2 7#,:2 | 1:4 r:4";
const char* const cA = "1 1 7 5+ 1 6 5+ 1";
const char* const cB = "3 4 7 3 6 4 5+ 1";
}  // namespace dance

namespace ashes {
const std::string A =
    "5:4 4:2 3:2 | 3:3 2:1 2:4 | 4:4 3:2 2:2 | 2:3 1:1 1:4 | "
    "1:2 2:2 3:2 5:2 | 6:4 5:2 4:2 | 3:2 4:2 2:2 7#,:2 | 1:8";
const std::string B =
    "3:4 5:2 8:2 | 7:4 6:4 | 6:2 5:2 4:2 6:2 | 5:8 | "
    "8:4 7:2 6:2 | 5:4 4:2 3:2 | 4:2 3:2 2:2 7#,:2 | 1:8";
const char* const cA = "1 7 4 1 1 6 5+ 1";
const char* const cB = "3 7 6 1 6 3 5+ 1";
}  // namespace ashes

namespace banners {
const std::string A =
    "1:2 5:3 5:1 6:1 7:1 | 8:4 5:4 | 4:2 3:1.5 2:0.5 3:2 1:2 | 2:8 | "
    "1:2 5:3 5:1 6:1 7:1 | 8:4 10:4 | 9:2 8:1.5 7:0.5 6:2 7:2 | 8:8";
const std::string B =
    "3:3 2:1 3:2 4:2 | 5:4 3:4 | 6:3 5:1 4:2 6:2 | 5:8 | "
    "6:3 5:1 6:2 7:2 | 8:4 6:4 | 5:2 4:2 3:2 2:2 | 5:8";
const char* const cA = "1 1 4 5 1 6 5 1";
const char* const cB = "6 3 4 5 4 6 2 5";
}  // namespace banners

namespace victory {
const std::string A =
    "1:1 1:1 1:1 5:3 3:2 | 5:2 8:4 5:2 | 6:1 6:1 6:1 8:3 6:2 | 5:8 | "
    "4:1 4:1 4:1 6:3 4:2 | 3:1 3:1 3:1 5:3 3:2 | 2:2 5:2 7,:2 2:2 | 1:8";
const std::string coda =
    "8:4 7:2 6:2 | 5:4 4:2 3:2 | 4:2 5:2 6:2 7:2 | 8:8 | "
    "5:2 8:2 5:2 8:2 | 10:4 9:4 | 8:8 | 8:8";
}  // namespace victory

namespace tale {
const std::string A =
    "1:4 2:2 3:2 | 2:6 r:2 | 3:4 4:2 5:2 | 4:3 3:1 2:4 | "
    "1:4 7,:2 6,:2 | 7#,:6 r:2 | 6,:2 7,:2 1:2 2:2 | 1:8";
const std::string B =
    "5:4 6:2 5:2 | 4:4 3:4 | 3:4 4:2 3:2 | 2:8 | "
    "1:2 2:2 3:2 4:2 | 5:4 6:4 | 5:2 4:2 3:2 2:2 | 7#,:8";
const char* const cA = "1 5+ 3 7 6 5+ 4 1";
const char* const cB = "1 4 6 5+ 1 6 4 5+";
}  // namespace tale

// Every tune: the six map pieces in their order, then the victory piece and the
// intro. Each part names what changes before it; the style carries on otherwise.
std::vector<Tune> tunes() {
    using S = Style;
    return {
        {{"Meadows", 96, 3, major(62)},
         {{"Flute", 0, kFlute, 100, 70},
          {"Oboe", 1, kOboe, 90, 50},
          {"Strings", 2, kStrings, 70, 60},
          {"Harp", 3, kHarp, 85, 80},
          {"Cello", 4, kCello, 85, 40}},
         {{Change()
               .pad("Strings")
               .padVel(45)
               .arp("Harp")
               .arpPattern({0, 1, 2, 3, 2, 1})
               .arpCentre(66)
               .bass("Cello")
               .bassKind(S::Whole),
           "1 4 1 5", ""},
          {Change().lead("Flute"), meadows::cA, meadows::A},
          {Change().lead("Oboe"), meadows::cA, meadows::A2},
          {Change().lead("Flute").leadOct(0).arpPattern({0, 2, 1, 2, 3, 2}), meadows::cB,
           meadows::B},
          {Change().lead("Oboe"), meadows::cB, meadows::B},
          {Change().lead("Flute").arpPattern({0, 1, 2, 3, 2, 1}), meadows::cA, meadows::A2},
          {Change().padVel(60), meadows::cA, meadows::A},
          {Change().lead(""), "4 1 5 1", ""}},
         {{"Strings", "Harp"}, 62, 60}},
        {{"The Road", 112, 4, minor(55)},
         {{"Trumpet", 0, kTrumpet, 100, 64},
          {"Horns", 1, kHorn, 85, 50},
          {"Brass", 2, kBrass, 70, 80},
          {"Tuba", 3, kTuba, 90, 60},
          {"Drums", 9, 0, 90, 64}},
         {{Change().bass("Tuba").bassKind(S::March).drums("Drums").drumLines(
               {{kSnare, "x..ox.o.x..ox.oo"}, {kKick, "x.......x......."}}),
           "1 5+", ""},
          {Change()
               .lead("Trumpet")
               .arp("Brass")
               .arpPattern({-1, 0, -1, 1, -1, 2, -1, 1})
               .arpCentre(62)
               .crash(true),
           road::cA, road::A},
          {Change().pad("Horns").padVel(50), road::cA, road::A},
          {Change().lead("Horns").leadOct(0).pad(""), road::cB, road::B},
          {Change().lead("Trumpet").pad("Horns"), road::cA, road::A},
          {Change().lead("Trumpet"), road::cB, road::B},
          {Change().drumLines({{kSnare, "x.oox.oox.oox.oo"}, {kKick, "x...x...x...x..."}}),
           road::cA, road::A},
          {Change().lead(""), "4 1", ""}},
         {{"Horns", "Brass"}, 60, 80}},
        {{"Old Stones", 80, 4, dorian(64)},
         {{"Pan flute", 0, kPanFlute, 95, 64},
          {"Choir", 1, kChoir, 70, 50},
          {"Harp", 2, kHarp, 90, 80},
          {"Bass", 3, kContrabass, 80, 60},
          {"Celesta", 4, kCelesta, 75, 90}},
         {{Change()
               .pad("Choir")
               .padVel(48)
               .padCentre(60)
               .arp("Harp")
               .arpPattern({0, 1, 2, 3, 2, 1, 2, 1})
               .arpCentre(60)
               .bass("Bass")
               .bassKind(S::Whole),
           "1 7 1 4", ""},
          {Change().lead("Pan flute"), stones::cA, stones::A},
          {Change().lead("Celesta").leadOct(1), stones::cB, stones::B},
          {Change().lead("Pan flute").leadOct(0).arpPattern({0, 2, 3, 2, 1, 2, 3, 2}), stones::cA,
           stones::A},
          {Change().lead("Pan flute"), stones::cB, stones::B},
          {Change().lead("Celesta").leadOct(1), stones::cA, stones::A},
          {Change().lead(""), "4 1", ""}},
         {{"Choir", "Harp"}, 60, 50}},
        {{"Village Dance", 126, 4, minor(57)},
         {{"Balalaika", 0, kBanjo, 95, 70},
          {"Accordion", 1, kAccordion, 75, 50},
          {"Guitar", 2, kNylonGuitar, 80, 80},
          {"Bass", 3, kPizzicato, 95, 60},
          {"Drums", 9, 0, 80, 64}},
         {{Change()
               .arp("Guitar")
               .arpPattern({-1, -1, 0, -1, -1, -1, 1, -1})
               .arpStep(kEighth)
               .arpCentre(64)
               .bass("Bass")
               .bassKind(S::OomPah)
               .drums("Drums")
               .drumLines({{kTambourine, "..x...x...x...x."},
                           {kKick, "x.......x......."},
                           {kLowTom, "....x.......x..."}}),
           "1 5+ 1 5+", ""},
          {Change().lead("Balalaika"), dance::cA, dance::A},
          {Change().pad("Accordion").padVel(45), dance::cA, dance::A},
          {Change().lead("Accordion").pad(""), dance::cB, dance::B},
          {Change().lead("Balalaika").pad("Accordion"), dance::cB, dance::B},
          {Change().lead("Balalaika").leadOct(1).pad(""), dance::cA, dance::A},
          {Change().lead("Accordion").leadOct(0), dance::cA, dance::A},
          {Change().lead("Balalaika").pad("Accordion"), dance::cB, dance::B},
          {Change(), dance::cA, dance::A},
          {Change().lead(""), "4 5+", ""}},
         {{"Accordion", "Guitar"}, 64, 80}},
        {{"Ashes", 72, 4, minor(59)},
         {{"Cello", 0, kCello, 100, 50},
          {"Piano", 1, kPiano, 85, 75},
          {"Strings", 2, kSlowStrings, 60, 64},
          {"Bass", 3, kContrabass, 70, 60}},
         {{Change()
               .arp("Piano")
               .arpPattern({0, 1, 2, 3, 2, 1, 2, 1})
               .arpVel(55)
               .arpCentre(62)
               .bass("Bass")
               .bassKind(S::Whole)
               .bassVel(65),
           "1 6", ""},
          {Change().lead("Cello").leadOct(-1), ashes::cA, ashes::A},
          {Change().pad("Strings").padVel(40), ashes::cB, ashes::B},
          {Change().lead("Piano").leadOct(1).arp(""), ashes::cA, ashes::A},
          {Change().lead("Cello").leadOct(-1).arp("Piano"), ashes::cB, ashes::B},
          {Change().lead("Cello"), ashes::cA, ashes::A},
          {Change().lead(""), "4 5+", ""}},
         {{"Strings", "Piano"}, 62, 50}},
        {{"Banners", 104, 4, major(60)},
         {{"Horns", 0, kHorn, 100, 50},
          {"Trumpet", 1, kTrumpet, 85, 75},
          {"Strings", 2, kStrings, 75, 64},
          {"Bass", 3, kContrabass, 85, 60},
          {"Timpani", 4, kTimpani, 90, 64},
          {"Drums", 9, 0, 70, 64}},
         {{Change()
               .pad("Strings")
               .padVel(55)
               .padCentre(60)
               .bass("Bass")
               .bassKind(S::RootFifth)
               .timp("Timpani")
               .drums("Drums")
               .drumLines({{kSnare, "x.o.....x.o.o.o."}}),
           "1 5 1 5", ""},
          {Change().lead("Horns").leadOct(-1).crash(true), banners::cA, banners::A},
          {Change().lead("Trumpet").leadOct(0), banners::cA, banners::A},
          {Change()
               .lead("Strings")
               .pad("")
               .arp("Horns")
               .arpPattern({0, -1, -1, 1, -1, -1, 2, -1})
               .arpCentre(58),
           banners::cB, banners::B},
          {Change().lead("Horns").pad("Strings").arp(""), banners::cA, banners::A},
          {Change().lead("Trumpet"), banners::cB, banners::B},
          {Change().lead("Horns"), banners::cA, banners::A},
          {Change().lead(""), "4 5", ""}},
         {{"Strings", "Horns", "Trumpet"}, 62, 90}},
        {{"Victory", 116, 4, major(62)},
         {{"Trumpet", 0, kTrumpet, 110, 64},
          {"Horns", 1, kHorn, 90, 50},
          {"Strings", 2, kStrings, 80, 70},
          {"Bass", 3, kTrombone, 85, 60},
          {"Timpani", 4, kTimpani, 95, 64},
          {"Drums", 9, 0, 80, 64}},
         {{Change()
               .lead("Trumpet")
               .pad("Horns")
               .padVel(70)
               .bass("Bass")
               .bassKind(S::March)
               .timp("Timpani")
               .drums("Drums")
               .drumLines({{kSnare, "x.oox.oox.oox.oo"}, {kKick, "x.......x......."}})
               .crash(true),
           "1 1 4 1 4 1 5 1", victory::A},
          {Change().arp("Strings").arpPattern({0, 1, 2, 3, 0, 1, 2, 3}).arpCentre(70),
           "4 1 4 5 1 5 1 1", victory::coda}},
         {{"Horns", "Strings", "Trumpet"}, 62, 100}},
        {{"The Tale of Vakhnar", 66, 4, minor(62)},
         {{"Horn", 0, kHorn, 95, 55},
          {"Strings", 1, kSlowStrings, 80, 64},
          {"Choir", 2, kChoir, 65, 70},
          {"Basses", 3, kContrabass, 85, 60},
          {"Timpani", 4, kTimpani, 70, 64},
          {"Oboe", 5, kOboe, 85, 80},
          {"Harp", 6, kHarp, 70, 90}},
         {{Change()
               .pad("Strings")
               .padVel(45)
               .padCentre(57)
               .bass("Basses")
               .bassKind(S::Whole)
               .bassVel(70),
           "1 6 1 5+", ""},
          {Change().lead("Horn").leadOct(-1), tale::cA, tale::A},
          {Change()
               .lead("Oboe")
               .leadOct(0)
               .arp("Harp")
               .arpPattern({0, 1, 2, 1, 0, 1, 2, 1})
               .arpVel(45)
               .arpCentre(57),
           tale::cA, tale::A},
          {Change().lead("Horn").leadOct(-1).pad("Choir").padVel(50).timp("Timpani"), tale::cB,
           tale::B},
          {Change().lead("Oboe").leadOct(0).pad("Strings").timp(""), tale::cA, tale::A},
          {Change().lead("").arp(""), "4 5+", ""}},
         {{"Strings", "Choir"}, 57, 50}},
    };
}

}  // namespace

void genMusic(Sink& s) {
    const std::vector<Tune> all = tunes();
    for (int n = 1; n <= 6; ++n) s.bytes(assets::mapMusic(n), write(all[n - 1]));
    s.bytes(assets::kMusicWin, write(all[6]));
    s.bytes(assets::kMusicIntro, write(all[7]));
}

}  // namespace gen
