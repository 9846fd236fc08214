// Every file the game reads, by the names the game's code uses. The windows take
// their file names from here, and the asset generator and its test check that the
// generated tree holds each one.
#pragma once

#include <string>
#include <vector>

namespace assets {

// Folders under programDir, with their trailing '/'.
inline constexpr const char* kTravel = "Resourse/Travel/";
inline constexpr const char* kArmy = "Resourse/Army/";
inline constexpr const char* kBattle = "Resourse/Battle/";
inline constexpr const char* kWav = "Wav/";
inline constexpr const char* kMusic = "Music/";
inline constexpr const char* kReadMe = "ReadMe.htm";

// The map window's picture slots 1..110: the file under kTravel for each slot
// ("" for a slot that stays empty), and whether the slot is the mirrored copy of
// the slot before it (mirroredFrom != 0 names the slot it copies).
struct MapSlot {
    std::string file;  // relative to kTravel, e.g. "Water/u1.pic"
    bool transparent = false;
    int mirroredFrom = 0;
};
const std::vector<MapSlot>& mapSlots();  // index 0 unused, 1..110

// Town views of the town window, by race 1..5 (plain BMP, under kTravel).
const char* townView(int race);  // "Town/THuman.bmp" ...

// Battle pictures (under kBattle).
std::string battleBackground(int n);  // "free1.pic" .. "free5.pic"
std::vector<std::string> battlePictures();  // every .pic of the battle folder

// Sounds and music.
inline constexpr const char* kWavGold = "Wav/Gold.Wav";
inline constexpr const char* kWavTown = "Wav/Town.wav";
inline constexpr const char* kWavPortal = "Wav/Portal.wav";
inline constexpr const char* kWavBandit = "Wav/Bandit.wav";
inline constexpr const char* kWavBattle = "Wav/Battle.wav";
inline constexpr const char* kWavVictory = "Wav/Victory.wav";
inline constexpr const char* kWavDie = "Wav/Die.wav";
inline constexpr const char* kWavSpell = "Wav/Spell.wav";
inline constexpr const char* kWavNF = "Wav/NF.wav";
inline constexpr const char* kWavStep = "Resourse/Battle/Step.wav";
inline constexpr const char* kWavFight = "Resourse/Battle/Fight.wav";
inline constexpr const char* kWavShotA = "Resourse/Battle/ShotA.wav";
inline constexpr const char* kWavShotB = "Resourse/Battle/ShotB.wav";
inline constexpr const char* kWavFly = "Resourse/Battle/Fly.wav";
std::string mapMusic(int n);  // "Music/Mel1.mid" .. "Music/Mel6.mid"
inline constexpr const char* kMusicWin = "Music/VG.mid";
inline constexpr const char* kMusicIntro = "Music/Z.mid";

// Every file programDir must hold for the game to run (relative paths): map and
// battle pictures, creature pictures and sounds, town views, sounds, music, help.
std::vector<std::string> allGameFiles();

}  // namespace assets
