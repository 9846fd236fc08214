// How long a Standard MIDI File plays. The music back-end cannot say how long a
// MIDI piece is or where it is, so the game's music player measures it itself.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Playing time in milliseconds of a Standard MIDI File (formats 0 and 1, tempo
// changes honoured, SMPTE time division included). Empty when the bytes are not
// a MIDI file or are cut short.
std::optional<int> MidiLengthMs(const std::vector<uint8_t>& file);
std::optional<int> MidiFileLengthMs(const std::string& path);
