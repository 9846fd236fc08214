#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "platform/headless/HeadlessPlatform.h"
#include "shell/MyGraph.h"

namespace {

// An 8-bit picture with a full colour table (so the bitmap writer keeps one byte
// per pixel) and row bytes that differ everywhere.
QImage testPicture(int w, int h) {
    QImage img(w, h, QImage::Format_Indexed8);
    img.setColorCount(256);
    for (int i = 0; i < 256; ++i) img.setColor(i, qRgb(i, 255 - i, (i * 7) & 255));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.scanLine(y)[x] = static_cast<uchar>(x * 13 + y * 31 + 5);
    return img;
}

bool sameRows(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return false;
    for (int y = 0; y < a.height(); ++y)
        if (memcmp(a.constScanLine(y), b.constScanLine(y), a.width()) != 0) return false;
    return true;
}

}  // namespace

TEST(MyGraph, LoadPicUnscramblesAnEncodedBitmapAndMirrors) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QImage original = testPicture(37, 9);
    QImage scrambled = original;
    EncodeRows(scrambled);
    ASSERT_FALSE(sameRows(scrambled, original));
    const std::string path = dir.filePath("Troll.pic").toStdString();
    ASSERT_TRUE(scrambled.save(QString::fromStdString(path), "BMP"));

    HeadlessPlatform platform;
    QImage loaded = LoadPic(platform, path);
    EXPECT_EQ(loaded.format(), QImage::Format_Indexed8);
    EXPECT_TRUE(sameRows(loaded, original));
    EXPECT_TRUE(platform.messages.empty());

    QImage mirrored = LoadPic(platform, path, Mirror::Yes);
    ASSERT_EQ(mirrored.width(), 37);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 37; ++x)
            ASSERT_EQ(mirrored.constScanLine(y)[x], original.constScanLine(y)[36 - x]);
}

TEST(MyGraph, MissingOrDamagedPictureStopsTheGameWithTheMessage) {
    QTemporaryDir dir;
    HeadlessPlatform platform;
    const std::string missing = dir.filePath("Resourse/Army/Nobody.pic").toStdString();
    EXPECT_THROW(LoadPic(platform, missing), FatalError);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0], "Can't find file " + missing + " Abnormal terminate!");

    const QString damaged = dir.filePath("bad.pic");
    QFile f(damaged);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("BM not a picture");
    f.close();
    EXPECT_THROW(LoadBmp(platform, damaged.toStdString()), FatalError);
    EXPECT_EQ(platform.messages.size(), 2u);
}

TEST(MyGraph, TransparentDrawingKeysOutThePixelAtOneOne) {
    QImage sprite(4, 3, QImage::Format_Indexed8);
    sprite.setColorCount(3);
    sprite.setColor(0, qRgb(10, 20, 30));
    sprite.setColor(1, qRgb(255, 0, 255));  // the key colour
    sprite.setColor(2, qRgb(200, 100, 0));
    sprite.fill(1);
    sprite.scanLine(0)[0] = 0;  // pixel (0,0) is not the key: (1,1) is
    sprite.scanLine(2)[3] = 2;
    Picture pic(sprite);
    EXPECT_EQ(pic.keyColour() & 0xffffff, 0xff00ffu);

    QImage canvas(6, 5, QImage::Format_RGB32);
    canvas.fill(qRgb(1, 2, 3));
    {
        QPainter p(&canvas);
        pic.drawTransparent(p, 1, 1);
    }
    EXPECT_EQ(canvas.pixel(1, 1), qRgb(10, 20, 30));
    EXPECT_EQ(canvas.pixel(2, 2), qRgb(1, 2, 3));  // key: background shows through
    EXPECT_EQ(canvas.pixel(4, 3), qRgb(200, 100, 0));
    {
        QPainter p(&canvas);
        pic.draw(p, 1, 1);
    }
    EXPECT_EQ(canvas.pixel(2, 2), qRgb(255, 0, 255));

    Picture flipped = pic.mirrored();
    EXPECT_EQ(flipped.keyColour(), pic.keyColour());
    EXPECT_EQ(flipped.image().pixel(3, 0), qRgb(10, 20, 30));
}

TEST(MyGraph, MissingWindowPictureIsAPlainColour) {
    QImage img = LoadWindowPicture("/nonexistent/title.png", 50, 40, QColor(192, 192, 192));
    EXPECT_EQ(img.size(), QSize(50, 40));
    EXPECT_EQ(img.pixel(10, 10), qRgb(192, 192, 192));
}
