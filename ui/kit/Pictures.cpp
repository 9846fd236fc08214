#include "ui/kit/Pictures.h"

#include <QBuffer>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <algorithm>
#include <map>

#include "core/data/Twins.h"
#include "platform/Paths.h"
#include "platform/PicCodec.h"
#include "platform/Platform.h"

namespace {

// A file's bytes; empty when it cannot be read.
QByteArray fileBytes(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage decode(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(false);
    return reader.read();
}

// The picture at `path` and its bytes (for the twin's checksum).
QImage readImage(Platform& platform, const std::string& path, QByteArray& bytes) {
    if (!platform.fileExists(path))
        platform.fatal("Can't find file " + path + " Abnormal terminate!");
    bytes = fileBytes(path);
    QImage image = decode(bytes);
    // A damaged file would leave the window without its picture; stopping with
    // the same message is better than drawing garbage or crashing later.
    if (image.isNull()) platform.fatal("Can't find file " + path + " Abnormal terminate!");
    return image;
}

std::optional<bool> gTwinsWanted;

// The twin table of the data folder, read again only when the file changes.
const std::map<std::string, uint64_t>& twinTable() {
    static QString path;
    static QDateTime modified;
    static qint64 size = -1;
    static std::map<std::string, uint64_t> table;
    const QFileInfo info(QString::fromStdString(dataPath(twins::kTable)));
    if (info.filePath() != path || info.lastModified() != modified || info.size() != size) {
        path = info.filePath();
        modified = info.lastModified();
        size = info.size();
        table = twins::parseTable(fileBytes(dataPath(twins::kTable)).toStdString());
    }
    return table;
}

// The twin of the picture at `path` (a full path into the data folder) whose
// file holds `bytes` and whose size is `size`, rows as stored; null when there
// is none that may be used.
QImage twinOf(const std::string& path, const QByteArray& bytes, QSize size) {
    const std::string& root = programDir();
    if (path.rfind(root, 0) != 0) return {};
    const std::string picture = path.substr(root.size());
    const auto& table = twinTable();
    const auto entry = table.find(picture);
    const auto twinPath = twins::twinPath(picture);
    if (entry == table.end() || !twinPath ||
        twins::checksum(std::string(bytes.constData(), size_t(bytes.size()))) != entry->second)
        return {};
    QImage twin = decode(fileBytes(dataPath(*twinPath)));
    if (twin.isNull() || twin.size() != size * 2) return {};
    return twin;
}

// `single`, or its twin drawn at its size where the twin may be used.
QImage twinOr(QImage single, const std::string& path, const QByteArray& bytes) {
    if (!twinsWanted()) return single;
    QImage twin = twinOf(path, bytes, single.size());
    if (twin.isNull()) return single;
    twin.setDevicePixelRatio(2);
    return twin;
}

// A picture at twice its size, each pixel four; an 8-bit picture stays 8-bit, so
// that its rows mirror as the loaded ones do.
QImage doubled(const QImage& picture) {
    if (picture.format() != QImage::Format_Indexed8) return picture.scaled(picture.size() * 2);
    QImage out(picture.size() * 2, QImage::Format_Indexed8);
    out.setColorTable(picture.colorTable());
    for (int y = 0; y < out.height(); ++y) {
        const uchar* from = picture.constScanLine(y / 2);
        uchar* to = out.scanLine(y);
        for (int x = 0; x < out.width(); ++x) to[x] = from[x / 2];
    }
    return out;
}

// The transform works on the first W bytes of each row, W being the width in
// pixels. A picture of fewer bits per pixel has shorter rows than that: never
// reach past a row's own bytes.
int rowBytes(const QImage& picture) {
    return static_cast<int>(std::min<qsizetype>(picture.width(), picture.bytesPerLine()));
}

}  // namespace

void EncodeRows(QImage& picture) {
    if (picture.isNull()) return;
    ::EncodeRows(picture.bits(), rowBytes(picture), picture.height(), picture.bytesPerLine());
}

void DecodeRows(QImage& picture) {
    if (picture.isNull()) return;
    ::DecodeRows(picture.bits(), rowBytes(picture), picture.height(), picture.bytesPerLine());
}

void MirrorRows(QImage& picture) {
    if (picture.isNull()) return;
    if (picture.depth() == 8) {
        ::MirrorRows(picture.bits(), picture.width(), picture.height(), picture.bytesPerLine());
    } else {
        picture.mirror(true, false);
    }
}

QImage LoadPic(Platform& platform, const std::string& path, Mirror mirror) {
    QByteArray bytes;
    QImage picture = twinOr(readImage(platform, path, bytes), path, bytes);
    DecodeRows(picture);
    if (mirror == Mirror::Yes) MirrorRows(picture);
    return picture;
}

QImage LoadBmp(Platform& platform, const std::string& path) {
    QByteArray bytes;
    return twinOr(readImage(platform, path, bytes), path, bytes);
}

QImage LoadWindowPicture(const std::string& path, int width, int height, QColor fallback) {
    const QByteArray bytes = fileBytes(path);
    QImage picture = decode(bytes);
    if (!picture.isNull()) return twinOr(picture, path, bytes);
    picture = QImage(width, height, QImage::Format_RGB32);
    picture.fill(fallback);
    return picture;
}

bool twinsWanted() {
    if (gTwinsWanted) return *gTwinsWanted;
    return qGuiApp && qGuiApp->devicePixelRatio() > 1;
}

void setTwinsWanted(std::optional<bool> wanted) {
    gTwinsWanted = wanted;
}

QImage LoadPicTwice(Platform& platform, const std::string& path) {
    QByteArray bytes;
    QImage single = readImage(platform, path, bytes);
    QImage twin = twinOf(path, bytes, single.size());
    if (twin.isNull()) {
        DecodeRows(single);
        return doubled(single);
    }
    DecodeRows(twin);
    return twin;
}

QImage composingCanvas(QSize size) {
    const int ratio = twinsWanted() ? 2 : 1;
    QImage canvas(size * ratio, QImage::Format_RGB32);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::black);
    return canvas;
}

Picture::Picture(QImage image) : image_(std::move(image)) {
    if (image_.isNull()) return;
    const int kx = image_.width() > 1 ? 1 : 0;
    const int ky = image_.height() > 1 ? 1 : 0;
    if (image_.format() == QImage::Format_Indexed8) {
        // An index past the colour table would make pixel() warn and return 0.
        const int index = image_.constScanLine(ky)[kx];
        key_ = index < image_.colorCount() ? image_.color(index) : 0;
    } else {
        key_ = image_.pixel(kx, ky);
    }
}

const QPixmap& Picture::opaquePixmap() const {
    if (opaque_.isNull() && !image_.isNull()) opaque_ = QPixmap::fromImage(image_);
    return opaque_;
}

const QPixmap& Picture::transparentPixmap() const {
    if (transparent_.isNull() && !image_.isNull()) {
        QImage argb = image_.convertToFormat(QImage::Format_ARGB32);
        const QRgb key = key_ | 0xff000000u;
        for (int y = 0; y < argb.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(argb.scanLine(y));
            for (int x = 0; x < argb.width(); ++x)
                if ((row[x] | 0xff000000u) == key) row[x] = 0;
        }
        transparent_ = QPixmap::fromImage(argb);
    }
    return transparent_;
}

void Picture::draw(QPainter& p, int x, int y) const {
    if (!image_.isNull()) p.drawPixmap(x, y, opaquePixmap());
}

void Picture::drawTransparent(QPainter& p, int x, int y) const {
    if (!image_.isNull()) p.drawPixmap(x, y, transparentPixmap());
}

Picture Picture::mirrored() const {
    QImage copy = image_;
    MirrorRows(copy);
    Picture result(std::move(copy));
    result.key_ = key_;
    return result;
}
