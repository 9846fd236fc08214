// vestran-tool map: one continent of a saved game, as text or as a picture.
#include <QImage>
#include <cstdio>
#include <string>
#include <vector>

#include "core/data/GameState.h"
#include "tools/vestran-tool/Command.h"
#include "tools/vestran-tool/Options.h"

namespace {

const char* kHelp =
    "Usage: vestran-tool map FILE [--continent C] [--png OUT] [--spoilers]\n"
    "Prints continent C (1..3; the hero's continent by default) of the saved game FILE,\n"
    "one character per cell, 70 columns (x) by 80 lines (y), then a legend:\n"
    "  .  open ground      ~  water            s  moored ship\n"
    "  f  forest           ^  rock             P  portal\n"
    "  $  treasure         o  orb              b  bandits\n"
    "  1..9, 0  towns by their number on the continent (0 = the tenth)\n"
    "  @  the hero         +  the grave (only with --spoilers)\n"
    "With --png, also draws the continent into the picture OUT (8 pixels a cell).\n"
    "Where the grave lies is the game's secret: --spoilers marks it, in both.\n";

// Town t is shown by its place among the ten of its continent: 1..9, then 0.
char townDigit(int t) {
    return static_cast<char>('0' + ((t - 1) % 10 + 1) % 10);
}

bool graveAt(const GameState& gs, int c, int x, int y) {
    return gs.graveContinent == c && gs.graveX == x && gs.graveY == y;
}

char symbol(const GameState& gs, int c, int x, int y, bool spoilers) {
    if (gs.continent == c && gs.heroX == x && gs.heroY == y) return '@';
    if (spoilers && graveAt(gs, c, x, y)) return '+';
    const uint16_t v = gs.cell(c, x, y);
    if (v == cell::kGround) return '.';
    if (cell::isForest(v)) return 'f';
    if (cell::isRock(v)) return '^';
    if (v == cell::kPortal) return 'P';
    if (v == cell::kTreasure) return '$';
    if (v == cell::kOrb) return 'o';
    if (v == cell::kShip) return 's';
    if (cell::isWater(v)) return '~';
    if (cell::isArmy(v)) return 'b';
    if (cell::isTown(v)) return townDigit(v - cell::kTownBase);
    return '?';
}

QRgb colour(const GameState& gs, int c, int x, int y) {
    const uint16_t v = gs.cell(c, x, y);
    if (v == cell::kGround) return qRgb(150, 200, 100);
    if (cell::isForest(v)) return qRgb(30, 105, 40);
    if (cell::isRock(v)) return qRgb(128, 118, 108);
    if (v == cell::kPortal) return qRgb(190, 60, 220);
    if (v == cell::kTreasure) return qRgb(250, 210, 40);
    if (v == cell::kOrb) return qRgb(80, 230, 240);
    if (v == cell::kShip) return qRgb(140, 90, 40);
    if (cell::isWater(v)) return qRgb(40, 90, 170);
    if (cell::isArmy(v)) return qRgb(20, 20, 20);
    if (cell::isTown(v)) {
        // The colours of the five races: humans, dwarves, elves, necromancers, orcs.
        static const QRgb kRace[6] = {qRgb(255, 255, 255), qRgb(220, 40, 40), qRgb(230, 140, 30),
                                      qRgb(245, 245, 245), qRgb(90, 40, 120), qRgb(120, 70, 30)};
        const int race = gs.town(v - cell::kTownBase).race;
        return kRace[race >= 1 && race <= 5 ? race : 0];
    }
    return qRgb(255, 0, 255);
}

bool writePng(const GameState& gs, int c, const std::string& out, bool spoilers) {
    constexpr int kScale = 8;
    QImage img(kMapW * kScale, kMapH * kScale, QImage::Format_RGB32);
    for (int x = 1; x <= kMapW; ++x)
        for (int y = 1; y <= kMapH; ++y) {
            const QRgb base = colour(gs, c, x, y);
            const bool town = cell::isTown(gs.cell(c, x, y));
            const bool hero = gs.continent == c && gs.heroX == x && gs.heroY == y;
            const bool grave = spoilers && graveAt(gs, c, x, y);
            for (int px = 0; px < kScale; ++px)
                for (int py = 0; py < kScale; ++py) {
                    const bool rim = px == 0 || py == 0 || px == kScale - 1 || py == kScale - 1;
                    QRgb p = base;
                    if (town && rim) p = qRgb(0, 0, 0);
                    if (grave && (px == kScale / 2 || py == kScale / 3)) p = qRgb(255, 255, 255);
                    if (hero) p = rim ? qRgb(0, 0, 0) : qRgb(255, 230, 0);
                    img.setPixel((x - 1) * kScale + px, (y - 1) * kScale + py, p);
                }
        }
    // Written beside the target and renamed, so a failed write leaves no half picture.
    const std::string tmp = out + ".tmp";
    if (!img.save(QString::fromStdString(tmp), "PNG")) {
        std::remove(tmp.c_str());
        return false;
    }
    if (std::rename(tmp.c_str(), out.c_str()) != 0) {
        std::remove(tmp.c_str());
        return false;
    }
    return true;
}

int run(const std::vector<std::string>& args) {
    std::string file;
    std::string png;
    std::optional<uint64_t> continent;
    bool spoilers = false;
    CommandArgs cli("map", kHelp);
    cli.number("--continent", continent, 1, 3, "--continent wants 1, 2 or 3, not '{}'");
    cli.option("--png", png);
    cli.flag("--spoilers", spoilers);
    cli.file(file, "more than one file given", "no save file given");
    if (auto end = cli.parse(args)) return *end;
    int c = continent ? static_cast<int>(*continent) : 0;
    auto gs = loadSaveForTool(file, SaveUse::Show);
    if (!gs) return 1;
    if (c == 0) c = gs->continent >= 1 && gs->continent <= kContinents ? gs->continent : 1;

    std::printf("Континент %d: %s\n", c, gs->continentName(c).str().c_str());
    for (int y = 1; y <= kMapH; ++y) {
        std::string line;
        for (int x = 1; x <= kMapW; ++x) line += symbol(*gs, c, x, y, spoilers);
        std::printf("%s\n", line.c_str());
    }
    std::printf(
        ". земля  ~ вода  s корабль  f лес  ^ скалы  P портал  $ сокровище  o шар  "
        "b разбойники  @ герой%s\n",
        spoilers ? "  + могила" : "");
    for (int t = (c - 1) * 10 + 1; t <= c * 10; ++t)
        for (int x = 1; x <= kMapW; ++x)
            for (int y = 1; y <= kMapH; ++y)
                if (gs->cell(c, x, y) == cell::kTownBase + t)
                    std::printf("%c %s (город %d) X=%d Y=%d\n", townDigit(t),
                                gs->town(t).name.str().c_str(), t, x, y);
    if (!png.empty() && !writePng(*gs, c, png, spoilers))
        return toolError("map: cannot write the picture " + png);
    return 0;
}

const ToolCommandRegistrar reg({"map", "one continent of a saved game as text or picture", run});

}  // namespace
