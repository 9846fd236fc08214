// A Standard MIDI File (type 1) writer and a few composition helpers: notes are
// written as scale degrees in a key, chords as degrees of that key.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gen {

constexpr int kPpq = 480;  // ticks per quarter note
constexpr int kEighth = kPpq / 2;

struct MidiTrack {
    std::string name;
    int channel = 0;
    int program = 0;  // General MIDI program, 0-based
    int volume = 100;
    int pan = 64;
    struct Ev {
        uint32_t tick;
        int order;  // note-offs before note-ons at the same tick
        std::vector<uint8_t> bytes;
    };
    std::vector<Ev> events;
    void note(uint32_t start, uint32_t length, int key, int velocity);
};

struct Song {
    std::string title;
    int bpm = 100;
    int beatsPerBar = 4;
    std::vector<MidiTrack> tracks;
    MidiTrack& track(const std::string& name, int channel, int program, int volume = 100,
                     int pan = 64);
    std::string smf() const;
    uint32_t lengthTicks() const;
};

// A key: tonic MIDI note and a mode (semitone steps of the seven degrees).
struct Key {
    int tonic;               // e.g. 62 for D4
    std::vector<int> steps;  // e.g. major {0,2,4,5,7,9,11}
    // MIDI note of a degree (1-based; 8 = octave above; 0 and below go down).
    int degree(int d) const;
};
Key major(int tonic);
Key minor(int tonic);  // natural minor, with the raised 7th available as degree 7 + '#'
Key dorian(int tonic);

// Writes a melody written as text into a track from `start`; returns the end tick.
// Tokens, separated by blanks: DEGREE[#|b][']*[,]*:EIGHTHS (may be 1.5, 0.5), "r:EIGHTHS" for a
// rest,
// "|" ignored (bar lines for the reader). ' raises an octave, , lowers one.
// Example: "1:2 3:1 5:1 8':4 | r:2".
uint32_t melody(MidiTrack& t, const Key& k, uint32_t start, const std::string& text, int vel,
                int octaveShift = 0, double legato = 0.92);

// A chord: root degree of the key and the degrees above it that sound.
struct Chord {
    int root;  // degree 1..7
    bool seventh = false;
    int sharpThird = 0;  // +1 raises the third (major V in minor keys)
};
// Chord tones as MIDI notes near `centre` (root, third, fifth [, seventh]).
std::vector<int> chordNotes(const Key& k, const Chord& c, int centre);

}  // namespace gen
