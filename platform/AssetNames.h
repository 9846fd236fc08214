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
inline constexpr const char* kHelpPad = "Resourse/Help/gamepad.png";  // the help page's pad

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
std::string battleBackground(int n);        // "free1.pic" .. "free5.pic"
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

// Pictures built into the windows (PNG, generated with everything else). A window
// whose picture is missing draws a plain background instead of stopping the game.
inline constexpr const char* kWinTitle = "Resourse/Windows/title.png";            // 505 x 500
inline constexpr const char* kWinIntro = "Resourse/Windows/intro.png";            // 399 x 500
inline constexpr const char* kWinBandits = "Resourse/Windows/bandits.png";        // 439 x 300
inline constexpr const char* kWinTreasure = "Resourse/Windows/treasure.png";      // 411 x 207
inline constexpr const char* kWinPortal = "Resourse/Windows/portal.png";          // 400 x 165
inline constexpr const char* kWinDiary = "Resourse/Windows/diary.png";            // 289 x 363
inline constexpr const char* kWinSpell = "Resourse/Windows/spell.png";            // 314 x 261
inline constexpr const char* kWinSpellFailed = "Resourse/Windows/spellfail.png";  // 409 x 448
inline constexpr const char* kWinGameWon = "Resourse/Windows/gamewon.png";        // 578 x 500
inline constexpr const char* kWinVault = "Resourse/Windows/vault.png";            // 456 x 472
inline constexpr const char* kWinVictory = "Resourse/Windows/victory.png";        // 391 x 423
inline constexpr const char* kWinDefeat = "Resourse/Windows/defeat.png";          // 370 x 317
inline constexpr const char* kWinRetreat = "Resourse/Windows/retreat.png";        // 313 x 192
inline constexpr const char* kWinNewWeek = "Resourse/Windows/newweek.png";        // 354 x 433
inline constexpr const char* kWinDismiss = "Resourse/Windows/dismiss.png";        // 290 x 134
inline constexpr const char* kGlyphUp = "Resourse/Windows/up.png";                // 25 x 25 buttons
inline constexpr const char* kGlyphDown = "Resourse/Windows/down.png";
inline constexpr const char* kGlyphDismiss = "Resourse/Windows/dismissbtn.png";
std::vector<std::string> windowPictures();

}  // namespace assets
