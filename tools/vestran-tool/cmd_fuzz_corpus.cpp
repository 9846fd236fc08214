// vestran-tool fuzz-corpus: the seed files the fuzz targets start from.
#include <QImage>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/adventure/Movement.h"
#include "core/data/GameState.h"
#include "core/data/SaveImage.h"
#include "core/flow/NewGame.h"
#include "platform/PicCodec.h"
#include "platform/Random.h"
#include "platform/headless/HeadlessPlatform.h"
#include "tools/vestran-tool/Command.h"
#include "tools/vestran-tool/Options.h"

namespace {

const char* kHelp =
    "Usage: vestran-tool fuzz-corpus DIR\n"
    "Writes the seed files of the fuzz targets: DIR/save/ holds saved games (new games\n"
    "at several seeds and a few states of play), DIR/pic/ holds .pic pictures of\n"
    "several widths and depths, scrambled as the game stores them, DIR/args/ holds\n"
    "command lines of every subcommand (arguments ended by NUL bytes). DIR is created\n"
    "when missing; files already there are replaced.\n";

namespace fs = std::filesystem;

bool writeGame(const fs::path& file, const GameState& gs) {
    SaveResult r = writeSaveFile(file.string(), gs);
    if (!r.ok) toolError(r.error);
    return r.ok;
}

// Saved games a player can have: fresh ones and a few later states.
bool writeSaves(const fs::path& dir) {
    HeadlessPlatform platform;
    auto gs = std::make_unique<GameState>();
    for (uint64_t seed = 1; seed <= 3; ++seed) {
        Random rnd;
        rnd.useSeedSequence(seed);
        NewGame(*gs, rnd, platform);
        if (!writeGame(dir / ("new" + std::to_string(seed) + ".psv"), *gs)) return false;
    }
    // Seed 3 played on: armies closed in, letters known, relations at both ends,
    // music on, a bought ship, the hero sailing on another continent.
    moveArmies(*gs, gs->heroX + 1, gs->heroY);
    for (int k = 1; k <= kLetters; k += 2) gs->letter(k) = 1;
    gs->relation(1) = 0;
    gs->relation(2) = 5;
    gs->musicOn = 1;
    gs->steps = 209;
    gs->gold = 123456;
    gs->saveName.set("Поход");
    if (!writeGame(dir / "played.psv", *gs)) return false;
    gs->continent = 2;
    for (int x = 1; x <= kMapW && !gs->onShip; ++x)
        for (int y = 1; y <= kMapH; ++y)
            if (gs->cell(2, x, y) == cell::kWater && x >= 3 && y >= 3 && x <= 68 && y <= 78) {
                gs->heroX = static_cast<uint16_t>(x);
                gs->heroY = static_cast<uint16_t>(y);
                gs->onShip = 1;
                gs->heroSprite = 98;
                break;
            }
    return writeGame(dir / "sailing.psv", *gs);
}

bool writePicture(const fs::path& file, QImage img) {
    if (img.format() == QImage::Format_Indexed8)
        EncodeRows(img.bits(), img.width(), img.height(), img.bytesPerLine());
    if (!img.save(QString::fromStdString(file.string()), "BMP")) {
        toolError("не удалось записать " + file.string());
        return false;
    }
    return true;
}

bool writePictures(const fs::path& dir) {
    int n = 0;
    for (int w : {1, 10, 11, 12, 37, 100}) {
        QImage img(w, 5, QImage::Format_Indexed8);
        img.setColorCount(256);
        for (int i = 0; i < 256; ++i) img.setColor(i, qRgb(i, 255 - i, (i * 5) & 255));
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < w; ++x) img.scanLine(y)[x] = static_cast<uchar>(x * 7 + y * 3);
        if (!writePicture(dir / ("p" + std::to_string(++n) + ".pic"), img)) return false;
    }
    // Depths the game does not write, as a foreign or damaged file may hold.
    QImage colour(23, 4, QImage::Format_RGB32);
    colour.fill(qRgb(10, 200, 30));
    QImage mono = colour.convertToFormat(QImage::Format_Mono);
    return writePicture(dir / "rgb.pic", colour) && writePicture(dir / "mono.pic", mono);
}

// Command lines of every subcommand, each argument ended by a NUL byte. They name
// the files the argument fuzzer keeps in its scratch folder: a.psv (a new game),
// z.psv and n.psv (zeros and noise of a save's size), p.bmp and q.pic.
bool writeCommandLines(const fs::path& dir) {
    const std::vector<std::vector<std::string>> lines = {
        {"info", "a.psv"},
        {"info", "--json", "n.psv"},
        {"info", "--spoilers", "a.psv"},
        {"templates"},
        {"towns", "z.psv"},
        {"new-game", "--seed", "7", "--out", "b.psv"},
        {"new-game", "--seed", "3", "--name", "Поход", "--out", "b.psv"},
        {"map", "a.psv", "--continent", "2"},
        {"map", "n.psv", "--png", "m.png", "--spoilers"},
        {"path", "a.psv", "30", "40"},
        {"diary", "a.psv", "--all"},
        {"walk", "a.psv", "--keys", "6632147895.LRUD", "--seed", "2", "--out", "w.psv"},
        {"town", "a.psv", "4"},
        {"town-list", "a.psv"},
        {"week", "a.psv", "--seed", "3", "--weeks", "2", "--out", "k.psv"},
        {"melee", "0:10", "3:5", "--trials", "3", "--seed", "1"},
        {"shot", "1:10", "0:30", "--seed", "5"},
        {"battle", "--hero", "0:30,1:20", "--enemy", "3:10", "--seed", "2", "--runs", "2"},
        {"battle", "--hero", "0:30", "--enemy", "19:2", "--vault", "--quiet"},
        {"play", "a.psv", "--steps", "40", "--seed", "9", "--trials", "2", "--out", "e.psv"},
        {"play", "--new", "--steps", "20", "--seed", "1", "--go-on"},
        {"pic", "encode", "p.bmp"},
        {"pic", "decode", "q.pic", "z.psv"},
        {"templates", "--help"},
    };
    int n = 0;
    for (const auto& line : lines) {
        std::string bytes;
        for (const std::string& a : line) bytes += a + '\0';
        std::FILE* f = std::fopen((dir / ("line" + std::to_string(++n))).c_str(), "wb");
        if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) {
            if (f) std::fclose(f);
            toolError("не удалось записать " + (dir / ("line" + std::to_string(n))).string());
            return false;
        }
        std::fclose(f);
    }
    return true;
}

int run(const std::vector<std::string>& args) {
    std::vector<std::string> dirs;
    CommandArgs cli("fuzz-corpus", kHelp);
    cli.words(dirs);
    if (auto end = cli.parse(args)) return *end;
    if (dirs.size() != 1) {
        std::fputs(kHelp, stderr);
        return cli.error("give one folder DIR");
    }
    FillTemplates();
    const fs::path dir = dirs[0];
    std::error_code ec;
    fs::create_directories(dir / "save", ec);
    fs::create_directories(dir / "pic", ec);
    fs::create_directories(dir / "args", ec);
    if (ec) return toolError("не удалось создать папку " + dir.string() + ": " + ec.message());
    if (!writeSaves(dir / "save") || !writePictures(dir / "pic") ||
        !writeCommandLines(dir / "args"))
        return 1;
    return 0;
}

ToolCommandRegistrar reg({"fuzz-corpus", "seed files for the fuzz targets", run});

}  // namespace
