// vestran-tool contact-sheet OUT.png: every picture of the game, decoded, with its name,
// on one neutral grey sheet, to review the art as a whole.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/data/GameFiles.h"
#include "platform/AssetNames.h"
#include "platform/Paths.h"
#include "platform/PicCodec.h"
#include "tools/vestran-tool/Command.h"
#include "tools/vestran-tool/Options.h"

namespace {

bool keyed(const std::string& rel) {
    const std::string travel = assets::kTravel, battle = assets::kBattle, army = assets::kArmy;
    if (rel.rfind(army, 0) == 0) return true;
    if (rel.rfind(battle, 0) == 0) return rel.find("/free") == std::string::npos;
    if (rel.rfind(travel, 0) == 0) {
        for (const auto& s : assets::mapSlots())
            if (!s.file.empty() && travel + s.file == rel) return s.transparent;
    }
    return false;
}

// Loads a picture the way the game does: BMP, rows unscrambled for .pic, and the
// colour of pixel (1,1) keyed out for transparent pictures.
QImage loadPicture(const std::string& path, const std::string& rel) {
    QImage img(QString::fromStdString(path));
    if (img.isNull()) return img;
    if (rel.size() > 4 && rel.compare(rel.size() - 4, 4, ".pic") == 0) {
        if (img.format() != QImage::Format_Indexed8)
            img = img.convertToFormat(QImage::Format_Indexed8);
        DecodeRows(img.bits(), img.width(), img.height(), img.bytesPerLine());
        const bool k = keyed(rel);
        const uchar key = img.scanLine(1)[1];
        QImage out(img.size(), QImage::Format_ARGB32);
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                uchar i = img.scanLine(y)[x];
                out.setPixel(x, y, k && i == key ? 0u : img.color(i) | 0xFF000000u);
            }
        return out;
    }
    return img.convertToFormat(QImage::Format_ARGB32);
}

const char* kHelp =
    "Usage: vestran-tool contact-sheet OUT.png [--data-dir DIR] [--scale N]\n"
    "Draws every picture of the game, decoded, with its file name, on a grey sheet.\n"
    "DIR is the folder holding Resourse/ (default: the tool's own folder when it\n"
    "holds the pictures, else the installed game's ../share/games/vestran).\n";

int run(const std::vector<std::string>& args) {
    std::vector<std::string> outs;
    std::string dir;
    std::optional<uint64_t> scaleGiven;
    CommandArgs cli("contact-sheet", kHelp, "unexpected argument");
    cli.option("--data-dir", dir, "unexpected argument '--data-dir'");
    // A sheet is 1600 pixels a scale wide: beyond 8 it no longer fits in memory.
    cli.number("--scale", scaleGiven, 1, 8, "--scale wants 1..8, not '{}'",
               "unexpected argument '--scale'");
    cli.words(outs);
    if (auto end = cli.parse(args)) return *end;
    if (outs.size() > 1) return cli.error("unexpected argument '" + outs[1] + "'");
    if (outs.empty()) return cli.error("name the PNG file to write");
    const std::string& out = outs[0];
    const int scale = static_cast<int>(scaleGiven.value_or(1));
    if (dir.empty()) {
        const DataSearch data = findGameData(executableDir());
        if (data.dir.empty()) return toolError(noDataMessage(data));
        dir = data.dir;
    }
    if (dir.back() != '/') dir += '/';

    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "vestran-tool";
    static char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);

    struct Item {
        std::string rel;
        QImage img;
    };
    std::vector<Item> items;
    std::vector<std::string> missing;
    for (const std::string& rel : assets::allGameFiles()) {
        bool picture = rel.find(".pic") != std::string::npos ||
                       rel.find(".bmp") != std::string::npos ||
                       rel.find(".png") != std::string::npos;
        if (!picture) continue;
        QImage img = loadPicture(dir + rel, rel);
        if (img.isNull())
            missing.push_back(rel);
        else
            items.push_back({rel, img.scaled(img.width() * scale, img.height() * scale)});
    }
    if (items.empty()) return toolError("contact-sheet: no pictures under " + dir);

    const int sheetW = 1600 * scale, pad = 8, label = 14;
    int x = pad, y = pad, rowH = 0;
    std::vector<QPoint> pos;
    for (const auto& it : items) {
        int w = std::max(it.img.width(), 90);
        if (x + w > sheetW - pad) x = pad, y += rowH + label + pad, rowH = 0;
        pos.emplace_back(x, y);
        x += w + pad;
        rowH = std::max(rowH, it.img.height());
    }
    QImage sheet(sheetW, y + rowH + label + pad, QImage::Format_RGB32);
    sheet.fill(QColor(128, 128, 128));
    QPainter p(&sheet);
    QFont f("DejaVu Sans");
    f.setPixelSize(10);
    p.setFont(f);
    for (size_t i = 0; i < items.size(); ++i) {
        p.drawImage(pos[i], items[i].img);
        std::string n = items[i].rel.substr(items[i].rel.find_last_of('/') + 1);
        p.setPen(QColor(20, 20, 20));
        p.drawText(QPoint(pos[i].x(), pos[i].y() + items[i].img.height() + 11),
                   QString::fromStdString(n));
    }
    p.end();
    if (!sheet.save(QString::fromStdString(out), "PNG"))
        return toolError("contact-sheet: cannot write " + out);
    for (const auto& m : missing)
        std::fprintf(stderr, "vestran-tool: contact-sheet: missing %s\n", m.c_str());
    std::printf("%zu pictures on %s\n", items.size(), out.c_str());
    return missing.empty() ? 0 : 1;
}

ToolCommandRegistrar reg({"contact-sheet", "draw every picture of the game on one sheet", run});

}  // namespace
