// The asset generator: every picture, sound, tune and the help page of the game is
// made here, deterministically, from code. Each art family lives in its own file and
// hands finished images, sounds and bytes to the Sink, which writes them in the
// formats the game reads.
#pragma once

#include <QImage>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace gen {

// How a picture is stored.
enum class PicKind {
    Opaque,  // every pixel drawn
    Sprite,  // transparent where alpha is 0; keyed by the colour of pixel (1,1)
};

class Sink {
public:
    Sink(std::string root, std::vector<std::string> only);

    // True when `rel` is to be produced in this run (all files unless --only was given).
    // While the twins are on, `rel` names the 1x picture and its twin's path is asked;
    // a picture whose twin is asked for is made too.
    bool wanted(const std::string& rel) const;

    // A .pic: 8-bit palettized BMP with scrambled rows. The palette is built from the
    // picture itself unless `palette` is given (pictures that must join each other share
    // one palette so their borders match exactly).
    void pic(const std::string& rel, const QImage& img, PicKind kind,
             const std::vector<QRgb>* palette = nullptr);
    void bmp24(const std::string& rel, const QImage& img);  // plain 24-bit BMP
    void png(const std::string& rel, const QImage& img);
    void bytes(const std::string& rel, const std::string& data);

    const std::set<std::string>& written() const { return written_; }

    // The twins: while on, every picture goes to its twin's path (core/data/Twins)
    // instead, and is listed with the checksum of its 1x picture, which must have
    // been written before at half the twin's width and height. writeTwinTable()
    // writes the list beside the set.
    void setTwins(bool on) { twins_ = on; }
    void writeTwinTable();

private:
    void writeFile(const std::string& rel, const std::string& data);
    // Writes a picture's bytes, to its twin's path while the twins are on.
    void writePicture(const std::string& picture, QSize size, const std::string& data);

    std::string root_;
    std::vector<std::string> only_;
    std::set<std::string> written_;
    bool twins_ = false;
    struct Single {
        uint64_t sum;
        QSize size;
    };
    std::map<std::string, Single> singles_;  // every picture written at 1x
    std::string twinTable_;
};

// Art families, one per file.
void genMapTiles(Sink& s);    // grass, water and shores
void genMapObjects(Sink& s);  // forest, rock, towns, treasure, portal, orb
void genMapFigures(Sink& s);  // hero, ships, roaming armies
void genCreatures(Sink& s);   // the twenty battle creatures
void genBattleArt(Sink& s);   // battle grounds, obstacles, effects
void genTownViews(Sink& s);   // the 500 x 200 town views
void genWindowArt(Sink& s);   // pictures built into the windows
void genSounds(Sink& s);      // every .wav
void genMusic(Sink& s);       // every .mid
void genHelpPage(Sink& s);    // ReadMe.htm
void genPadPicture(Sink& s);  // the help page's picture of the gamepad

// The game's icon, for the desktop's menus; not read by the game itself.
inline constexpr int kIconSizes[] = {32, 48, 64, 128, 256};
QImage iconImage(int size);  // size x size, transparent around the emblem
void genIcons(Sink& s);      // Icons/32.png .. Icons/256.png

}  // namespace gen
