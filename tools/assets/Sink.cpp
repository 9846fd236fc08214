#include <QBuffer>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "core/data/Twins.h"
#include "platform/PicCodec.h"
#include "tools/assets/Gen.h"
#include "tools/assets/Palette.h"

namespace gen {

namespace {

const QRgb kKey = qRgb(255, 0, 255);

void put16(std::string& s, uint32_t v) {
    s += char(v & 0xFF);
    s += char((v >> 8) & 0xFF);
}
void put32(std::string& s, uint32_t v) {
    put16(s, v & 0xFFFF);
    put16(s, v >> 16);
}

// Headers of a bottom-up BMP with `bpp` bits per pixel and `colours` palette entries.
std::string bmpHeader(int w, int h, int bpp, int colours, size_t rowBytes) {
    uint32_t pixels = uint32_t(rowBytes * h);
    uint32_t offset = 14 + 40 + 4 * colours;
    std::string s;
    s += "BM";
    put32(s, offset + pixels);
    put32(s, 0);
    put32(s, offset);
    put32(s, 40);
    put32(s, uint32_t(w));
    put32(s, uint32_t(h));
    put16(s, 1);
    put16(s, uint32_t(bpp));
    put32(s, 0);
    put32(s, pixels);
    put32(s, 2835);
    put32(s, 2835);
    put32(s, uint32_t(colours));
    put32(s, uint32_t(colours));
    return s;
}

}  // namespace

Sink::Sink(std::string root, std::vector<std::string> only)
    : root_(std::move(root)), only_(std::move(only)) {
    if (!root_.empty() && root_.back() != '/') root_ += '/';
}

bool Sink::wanted(const std::string& rel) const {
    if (only_.empty()) return true;
    auto asked = [this](const std::string& path) {
        for (const auto& p : only_)
            if (path.compare(0, p.size(), p) == 0) return true;
        return false;
    };
    // A twin is drawn after its 1x picture, whose checksum it is listed with: the
    // 1x picture is made whenever its twin is asked for.
    const auto twin = twins::twinPath(rel);
    if (twins_) return twin && asked(*twin);
    return asked(rel) || (twin && asked(*twin));
}

void Sink::writeFile(const std::string& rel, const std::string& data) {
    std::filesystem::path p = std::filesystem::path(root_) / rel;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream f(p, std::ios::binary | std::ios::trunc);
    f.write(data.data(), std::streamsize(data.size()));
    if (!f) throw std::runtime_error("cannot write " + p.string());
    written_.insert(rel);
}

void Sink::writeTwinTable() {
    // A run limited to some pictures leaves the whole set's table alone.
    if (!twinTable_.empty() && wanted(twins::kTable)) writeFile(twins::kTable, twinTable_);
}

void Sink::writePicture(const std::string& picture, QSize size, const std::string& data) {
    if (!twins_) {
        singles_[picture] = {twins::checksum(data), size};
        writeFile(picture, data);
        return;
    }
    const auto twin = twins::twinPath(picture);
    const auto single = singles_.find(picture);
    if (!twin || single == singles_.end())
        throw std::runtime_error(picture + ": no 1x picture to twin");
    if (size != single->second.size * 2)
        throw std::runtime_error(picture + ": the twin is not twice the 1x picture's size");
    twinTable_ += twins::tableLine(picture, single->second.sum);
    writeFile(*twin, data);
}

void Sink::pic(const std::string& rel, const QImage& src, PicKind kind,
               const std::vector<QRgb>* shared) {
    if (!wanted(rel)) return;
    QImage img = src.convertToFormat(QImage::Format_ARGB32);
    const int w = img.width(), h = img.height();
    std::vector<QRgb> pal;
    int first = 0, key = -1;
    if (kind == PicKind::Sprite) {
        if (qAlpha(img.pixel(1, 1)) >= 128)
            throw std::runtime_error(rel + ": a sprite must be transparent at (1,1)");
        pal.push_back(kKey);
        for (QRgb c : buildPalette({&img}, 255)) {
            // Nothing drawn may take the key colour, or it would vanish in the game.
            if ((c & 0xFFFFFF) == (kKey & 0xFFFFFF)) c = qRgb(250, 6, 250);
            pal.push_back(c);
        }
        first = 1;
        key = 0;
    } else {
        pal = shared ? *shared : buildPalette({&img}, 256);
    }
    std::vector<uint8_t> idx = mapToPalette(img, pal, first, key);

    const size_t rowBytes = (size_t(w) + 3) & ~size_t(3);
    std::vector<uint8_t> rows(rowBytes * h, 0);
    for (int y = 0; y < h; ++y)
        std::copy(idx.begin() + size_t(y) * w, idx.begin() + size_t(y + 1) * w,
                  rows.begin() + size_t(y) * rowBytes);
    EncodeRows(rows.data(), w, h, std::ptrdiff_t(rowBytes));

    std::string out = bmpHeader(w, h, 8, int(pal.size()), rowBytes);
    for (QRgb c : pal) {
        out += char(qBlue(c));
        out += char(qGreen(c));
        out += char(qRed(c));
        out += char(0);
    }
    for (int y = h - 1; y >= 0; --y)
        out.append(reinterpret_cast<const char*>(rows.data() + size_t(y) * rowBytes), rowBytes);
    writePicture(rel, img.size(), out);
}

void Sink::bmp24(const std::string& rel, const QImage& src) {
    if (!wanted(rel)) return;
    QImage img = src.convertToFormat(QImage::Format_RGB32);
    const int w = img.width(), h = img.height();
    const size_t rowBytes = (size_t(w) * 3 + 3) & ~size_t(3);
    std::string out = bmpHeader(w, h, 24, 0, rowBytes);
    for (int y = h - 1; y >= 0; --y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        std::string r;
        for (int x = 0; x < w; ++x) {
            r += char(qBlue(row[x]));
            r += char(qGreen(row[x]));
            r += char(qRed(row[x]));
        }
        r.resize(rowBytes, '\0');
        out += r;
    }
    writePicture(rel, img.size(), out);
}

void Sink::png(const std::string& rel, const QImage& src) {
    if (!wanted(rel)) return;
    QImage img = src.hasAlphaChannel() ? src.convertToFormat(QImage::Format_ARGB32)
                                       : src.convertToFormat(QImage::Format_RGB32);
    QByteArray ba;
    QBuffer buf(&ba);
    buf.open(QIODevice::WriteOnly);
    if (!img.save(&buf, "PNG")) throw std::runtime_error("cannot encode " + rel);
    writePicture(rel, img.size(), std::string(ba.constData(), size_t(ba.size())));
}

void Sink::bytes(const std::string& rel, const std::string& data) {
    if (!wanted(rel)) return;
    writeFile(rel, data);
}

}  // namespace gen
