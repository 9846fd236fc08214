#include "ui/kit/Pictures.h"

#include <QImageReader>
#include <QPainter>
#include <algorithm>

#include "platform/PicCodec.h"
#include "platform/Platform.h"

namespace {

QImage readImage(Platform& platform, const std::string& path) {
    const QString file = QString::fromStdString(path);
    if (!platform.fileExists(path))
        platform.fatal("Can't find file " + path + " Abnormal terminate!");
    QImageReader reader(file);
    reader.setAutoTransform(false);
    QImage image = reader.read();
    // A damaged file would leave the window without its picture; stopping with
    // the same message is better than drawing garbage or crashing later.
    if (image.isNull()) platform.fatal("Can't find file " + path + " Abnormal terminate!");
    return image;
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
    QImage picture = readImage(platform, path);
    DecodeRows(picture);
    if (mirror == Mirror::Yes) MirrorRows(picture);
    return picture;
}

QImage LoadBmp(Platform& platform, const std::string& path) {
    return readImage(platform, path);
}

QImage LoadWindowPicture(const std::string& path, int width, int height, QColor fallback) {
    QImage picture(QString::fromStdString(path));
    if (!picture.isNull()) return picture;
    picture = QImage(width, height, QImage::Format_RGB32);
    picture.fill(fallback);
    return picture;
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
