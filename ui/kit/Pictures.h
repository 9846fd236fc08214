// Pictures as every window loads and draws them.
//
// A .pic file is an 8-bit bitmap whose pixel rows are scrambled (platform/PicCodec);
// LoadPic reads it and unscrambles it in place. A missing picture ends the game with
// "Can't find file " + path + " Abnormal terminate!".
//
// Typical use in a window's FormShow (pictures are loaded when a window is first
// shown):
//     Picture troll(LoadPic(ctx.platform, dataPath("Resourse/Army/Troll.pic")));
//     Picture enemy(LoadPic(ctx.platform, path, Mirror::Yes));
// and in paintEvent:
//     QPainter p(this);
//     troll.drawTransparent(p, x, y);   // pixels of the key colour stay unpainted
//     background.draw(p, 0, 0);         // opaque
#pragma once

#include <QImage>
#include <QPixmap>
#include <string>

class Platform;
class QPainter;

enum class Mirror { No, Yes };

// Loads the .pic file `path` (a full path, e.g. dataPath(...)) and decodes its rows;
// with Mirror::Yes the rows are also reversed (enemy stacks face left). The result is
// an 8-bit picture (QImage::Format_Indexed8 for every picture the game ships).
// A missing or unreadable file goes through platform.fatal(), which does not return
// in the game (the headless platform throws FatalError).
QImage LoadPic(Platform& platform, const std::string& path, Mirror mirror = Mirror::No);

// Loads an ordinary bitmap (the town views, "Town/THuman.bmp"...) with the same
// failure rule, without decoding.
QImage LoadBmp(Platform& platform, const std::string& path);

// A window picture (PNG, generated with the other assets). These are built into the
// windows, so a missing file is not fatal: the result is a picture of the given size
// filled with `fallback`.
QImage LoadWindowPicture(const std::string& path, int width, int height, QColor fallback);

// The row transforms on a loaded picture, in place, on the first width() bytes of
// every row.
void EncodeRows(QImage& picture);
void DecodeRows(QImage& picture);
void MirrorRows(QImage& picture);

// A loaded picture ready for drawing. Its transparent (key) colour is the colour of
// pixel (1,1); drawTransparent() leaves the pixels of that colour unpainted.
class Picture {
public:
    Picture() = default;
    explicit Picture(QImage image);

    bool isNull() const { return image_.isNull(); }
    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    const QImage& image() const { return image_; }
    QRgb keyColour() const { return key_; }

    // Opaque copy at (x, y).
    void draw(QPainter& p, int x, int y) const;
    // Copy at (x, y) without the pixels of the key colour.
    void drawTransparent(QPainter& p, int x, int y) const;
    // The same picture mirrored left to right (its key colour stays the same).
    Picture mirrored() const;

    // For drawing with QPainter directly (stretching, clipping).
    const QPixmap& opaquePixmap() const;
    const QPixmap& transparentPixmap() const;

private:
    QImage image_;
    QRgb key_ = 0;
    mutable QPixmap opaque_;       // made on first use
    mutable QPixmap transparent_;  // made on first use
};
