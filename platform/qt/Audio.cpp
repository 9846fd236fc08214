#include "platform/qt/Audio.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <map>

#include "platform/MidiLength.h"
#include "platform/qt/SdlStart.h"

namespace {

// The General MIDI instruments (Debian package timgm6mb-soundfont).
constexpr const char* kSoundFonts[] = {"/usr/share/sounds/sf2/TimGM6mb.sf2",
                                       "/usr/share/sounds/sf2/default-GM.sf2"};

enum class Device { Untried, Open, Missing };
Device device = Device::Untried;
const SdlCalls* sdl = nullptr;  // the library's calls, once the device is open
bool silentRun = false;
std::map<std::string, Mix_Chunk*> chunks;  // sounds stay loaded for the whole run
MidiPlayer* musicOwner = nullptr;          // the player whose piece is in the mixer
// The last piece let go, kept until the next one is loaded: the sound font's
// instruments are read once and stay while the music changes pieces.
Mix_Music* spare = nullptr;

bool exists(const char* path) {
    struct stat st {};
    return ::stat(path, &st) == 0;
}

uint64_t nowMs() {
    using namespace std::chrono;
    return static_cast<uint64_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

}  // namespace

namespace audio {

void setSilent(bool silent) {
    silentRun = silent;
}

bool ready() {
    if (silentRun) return false;
    if (device == Device::Untried) {
        sdl = sdlCalls();  // says itself on stderr when the library is missing
        if (!sdl) {
            device = Device::Missing;
            return false;
        }
        // Only where the font is: the instruments are read with the first piece played.
        for (const char* sf : kSoundFonts)
            if (exists(sf)) {
                sdl->Mix_SetSoundFonts(sf);
                break;
            }
        // The sound libraries below SDL report every driver they try on stderr;
        // the player gets one line from the game instead.
        std::fflush(stderr);
        const int savedErr = ::dup(2);
        const int devNull = ::open("/dev/null", O_WRONLY);
        if (savedErr >= 0 && devNull >= 0) ::dup2(devNull, 2);
        const bool opened =
            startSdl(SDL_INIT_AUDIO) && sdl->Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 2048) == 0;
        std::fflush(stderr);
        if (savedErr >= 0 && devNull >= 0) ::dup2(savedErr, 2);
        if (devNull >= 0) ::close(devNull);
        if (savedErr >= 0) ::close(savedErr);
        if (!opened) {
            std::fprintf(stderr, "vestran: no audio device (%s); playing without sound\n",
                         sdl->SDL_GetError());
            device = Device::Missing;
            return false;
        }
        sdl->Mix_Init(MIX_INIT_MID);
        device = Device::Open;
    }
    return device == Device::Open;
}

void playWave(const std::string& path, bool async) {
    if (!ready()) return;
    Mix_Chunk*& chunk = chunks[path];
    if (!chunk) chunk = sdl->Mix_LoadWAV(path.c_str());
    if (!chunk) {
        chunks.erase(path);
        return;
    }
    sdl->Mix_HaltChannel(0);
    if (sdl->Mix_PlayChannel(0, chunk, 0) < 0 || async) return;

    // Wait for the end, but never longer than the sound lasts (plus a margin), in
    // case the device stalls.
    int freq = 0, channels = 0;
    Uint16 format = 0;
    sdl->Mix_QuerySpec(&freq, &format, &channels);
    const uint64_t bytesPerSecond =
        static_cast<uint64_t>(freq) * channels * (SDL_AUDIO_BITSIZE(format) / 8);
    const uint64_t lasts = bytesPerSecond ? chunk->alen * 1000ull / bytesPerSecond : 0;
    const uint64_t deadline = nowMs() + lasts + 500;
    while (sdl->Mix_Playing(0) && nowMs() < deadline) sdl->SDL_Delay(5);
}

void shutdown() {
    if (device != Device::Open) return;
    sdl->Mix_HaltChannel(-1);
    sdl->Mix_HaltMusic();
    for (auto& [path, chunk] : chunks) sdl->Mix_FreeChunk(chunk);
    chunks.clear();
    if (spare) sdl->Mix_FreeMusic(spare);
    spare = nullptr;
    sdl->Mix_CloseAudio();
    sdl->Mix_Quit();
    sdl->SDL_QuitSubSystem(SDL_INIT_AUDIO);
    device = Device::Missing;
}

}  // namespace audio

MidiPlayer::~MidiPlayer() {
    close();
}

void MidiPlayer::setFile(const std::string& path) {
    file_ = path;
}

bool MidiPlayer::open() {
    close();
    if (file_.empty() || !exists(file_.c_str())) return false;
    // The piece itself is read when it first plays: with the music off, the
    // mixer and the sound font are never loaded.
    lengthMs_ = MidiFileLengthMs(file_).value_or(0);
    open_ = true;
    ended_ = false;
    pushedAside_ = false;
    positionMs_ = 0;
    return true;
}

void MidiPlayer::close() {
    stop();
    letGo();
    open_ = false;
    lengthMs_ = 0;
    positionMs_ = 0;
    ended_ = false;
    pushedAside_ = false;
}

void MidiPlayer::letGo() {
    if (!music_) return;
    if (device == Device::Open) {
        if (spare) sdl->Mix_FreeMusic(spare);
        spare = music_;
    }
    music_ = nullptr;
}

int MidiPlayer::elapsedMs() const {
    const uint64_t e = nowMs() - startTicks_;
    return e > 2000000000ull ? 2000000000 : static_cast<int>(e);
}

void MidiPlayer::settle() const {
    if (pushedAside_) {
        // Ended for good once the piece that pushed this one aside is over.
        if (musicOwner) musicOwner->settle();
        if (musicOwner) return;
        pushedAside_ = false;
        ended_ = true;
        if (lengthMs_ > 0) positionMs_ = lengthMs_;
        return;
    }
    if (!running_) return;
    if (musicOwner != this) {
        // Another window's piece took the mixer: this one stopped where it was.
        positionMs_ = startPositionMs_ + elapsedMs();
        if (lengthMs_ > 0 && positionMs_ >= lengthMs_) positionMs_ = lengthMs_ - 1;
        running_ = false;
        pushedAside_ = true;
        settle();
        return;
    }
    const int at = startPositionMs_ + elapsedMs();
    const bool sounding = music_ && device == Device::Open;
    const bool over = sounding ? !sdl->Mix_PlayingMusic() : at >= lengthMs_;
    if (over) {
        running_ = false;
        ended_ = true;
        positionMs_ = lengthMs_ > 0 ? lengthMs_ : at;
        musicOwner = nullptr;
    }
}

void MidiPlayer::play() {
    if (!open_) return;
    settle();
    if (running_) return;
    if (ended_) {
        ended_ = false;
        positionMs_ = 0;
    }
    pushedAside_ = false;
    if (musicOwner && musicOwner != this) musicOwner->pushAside();  // one piece at a time
    musicOwner = this;
    if (!music_ && audio::ready()) {
        music_ = sdl->Mix_LoadMUS(file_.c_str());
        // The piece let go before has kept the sound font loaded until now.
        if (spare) sdl->Mix_FreeMusic(spare);
        spare = nullptr;
    }
    if (music_ && device == Device::Open) {
        if (sdl->Mix_PlayMusic(music_, 0) == 0) {
            if (positionMs_ > 0) sdl->Mix_SetMusicPosition(positionMs_ / 1000.0);
        } else {
            // The mixer refused: keep time silently so the game sees the piece end.
            sdl->Mix_FreeMusic(music_);
            music_ = nullptr;
        }
    }
    startPositionMs_ = positionMs_;
    startTicks_ = nowMs();
    running_ = true;
}

void MidiPlayer::stop() {
    settle();
    if (!running_) return;
    positionMs_ = startPositionMs_ + elapsedMs();
    if (lengthMs_ > 0 && positionMs_ >= lengthMs_) positionMs_ = lengthMs_ - 1;
    running_ = false;
    if (musicOwner == this) {
        if (music_ && device == Device::Open) sdl->Mix_HaltMusic();
        musicOwner = nullptr;
    }
}

void MidiPlayer::pushAside() {
    stop();
    letGo();  // read again should it play on
    pushedAside_ = true;
}

void MidiPlayer::seek(int ms) {
    if (!open_) return;
    settle();
    if (ms < 0) ms = 0;
    if (lengthMs_ > 0 && ms > lengthMs_) ms = lengthMs_;
    ended_ = false;
    pushedAside_ = false;
    if (running_) {
        if (music_ && device == Device::Open) sdl->Mix_SetMusicPosition(ms / 1000.0);
        startPositionMs_ = ms;
        startTicks_ = nowMs();
    } else {
        positionMs_ = ms;
    }
}

int MidiPlayer::position() const {
    settle();
    if (running_) {
        const int at = startPositionMs_ + elapsedMs();
        return lengthMs_ > 0 && at >= lengthMs_ ? lengthMs_ - 1 : at;
    }
    return positionMs_;
}

int MidiPlayer::length() const {
    settle();
    if (lengthMs_ > 0) return lengthMs_;
    // The file did not say: the piece lasts until it has stopped playing.
    if (ended_) return positionMs_;
    return position() + 1;
}

bool MidiPlayer::playing() const {
    settle();
    return running_;
}
