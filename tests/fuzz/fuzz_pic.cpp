// A .pic file of arbitrary bytes through the picture loader: Qt reads the bitmap,
// then the game unscrambles and mirrors its rows. A damaged file may be refused,
// but nothing may be read or written outside the picture.
#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <cstddef>
#include <cstdint>

#include "ui/kit/Pictures.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    reader.setAutoTransform(false);
    // Pictures of the game are at most a few hundred pixels a side; do not let a
    // forged header ask for gigabytes.
    const QSize sz = reader.size();
    if (!sz.isValid() || static_cast<long long>(sz.width()) * sz.height() > (1 << 22)) return 0;
    QImage picture = reader.read();
    if (picture.isNull()) return 0;
    DecodeRows(picture);
    MirrorRows(picture);
    EncodeRows(picture);
    return 0;
}
