// Sound effects and music on SDL2_mixer. The library and the audio device are
// opened on first use; without them the game plays silently and says so once on
// stderr. Only the piece playing, or the last one played, is kept in the mixer.
#pragma once

#include <cstdint>
#include <string>

struct _Mix_Music;

namespace audio {

// Keeps the device closed for the whole run (window tests): sounds are dropped
// and music players keep time without making a sound.
void setSilent(bool silent);
// True once the device is open; opens it on the first call.
bool ready();
// Plays a .wav file; async returns at once, otherwise when the sound has ended.
// A new sound cuts the one still playing: the game plays one sound at a time.
void playWave(const std::string& path, bool async);
// Closes the device (at exit).
void shutdown();

}  // namespace audio

// The music player a window owns (a MIDI piece at a time). Positions and lengths
// are in milliseconds. Only one piece sounds at a time in the whole game: a player
// that starts playing pushes aside the one that played before. The piece pushed
// aside stands where it was while the other plays, and counts as ended (position
// equal to length) once the mixer is free again, so a window that restarts its
// music at a piece's end picks a new one after, say, the victory fanfare.
class MidiPlayer {
public:
    MidiPlayer() = default;
    ~MidiPlayer();
    MidiPlayer(const MidiPlayer&) = delete;
    MidiPlayer& operator=(const MidiPlayer&) = delete;

    void setFile(const std::string& path);
    const std::string& file() const { return file_; }
    // Opens the file (its length now, the piece itself when it first plays);
    // false when it cannot be read (the player stays silent). The position goes
    // back to 0.
    bool open();
    void close();
    bool isOpen() const { return open_; }

    // Plays from the current position (a piece that has played to its end starts
    // again from the beginning).
    void play();
    // Stops and keeps the position.
    void stop();
    void seek(int ms);
    int position() const;
    int length() const;
    // Between play() and the end of the piece (or stop()).
    bool playing() const;

private:
    int elapsedMs() const;
    void settle() const;  // notices a piece that has ended on its own
    void pushAside();     // another player takes the mixer
    void letGo();         // frees the piece read into the mixer

    std::string file_;
    _Mix_Music* music_ = nullptr;
    bool open_ = false;
    int lengthMs_ = 0;                  // 0 when the file did not say
    mutable bool running_ = false;      // playing, as far as this player knows
    mutable bool ended_ = false;        // played to its end
    mutable bool pushedAside_ = false;  // stopped by another player's piece
    mutable int positionMs_ = 0;        // where a stopped player stands
    int startPositionMs_ = 0;           // where the current run began
    uint64_t startTicks_ = 0;
};
