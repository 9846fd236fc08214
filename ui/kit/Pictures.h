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
#include <optional>
#include <string>

class Platform;
class QPainter;

enum class Mirror { No, Yes };

// Loads the .pic file `path` (a full path, e.g. dataPath(...)) and decodes its rows;
// with Mirror::Yes the rows are also reversed (enemy stacks face left). The result is
// an 8-bit picture (QImage::Format_Indexed8 for every picture the game ships).
// A missing or unreadable file goes through platform.fatal(), which does not return
// in the game (the headless platform throws FatalError).
//
// While twinsWanted(), this and the two loaders below return the picture's twin
// instead where it may be used: the same picture drawn at twice its width and
// height, with a device pixel ratio of 2, so that a painter draws it at the 1x
// picture's size with twice the detail. Otherwise the 1x picture, silently.
QImage LoadPic(Platform& platform, const std::string& path, Mirror mirror = Mirror::No);

// Loads an ordinary bitmap (the town views, "Town/THuman.bmp"...) with the same
// failure rule, without decoding.
QImage LoadBmp(Platform& platform, const std::string& path);

// A window picture (PNG, generated with the other assets). These are built into the
// windows, so a missing file is not fatal: the result is a picture of the given size
// filled with `fallback`.
QImage LoadWindowPicture(const std::string& path, int width, int height, QColor fallback);

// ---- Twins: every picture drawn a second time at twice its size -------------
// A twin (core/data/Twins) is used only while its 1x file is the very one the
// twin was drawn with (the checksum in the table beside the set) and it is
// exactly twice the 1x picture's size: a picture a modder has changed is never
// hidden by a stale twin, and a missing twin falls back to the 1x picture.

// True while the application's device pixel ratio is above 1 (scales above 1),
// unless setTwinsWanted() said otherwise.
bool twinsWanted();
// Tests: the loaders read the twins or not whatever the screen; none goes back to
// the device pixel ratio.
void setTwinsWanted(std::optional<bool> wanted);

// The .pic file `path` at twice its size in pixels (device pixel ratio 1), rows
// decoded: its twin where it may be used, else the 1x picture with each pixel made
// four. The map composes its frame from these above scale 1.
QImage LoadPicTwice(Platform& platform, const std::string& path);

// An opaque black canvas `size` window pixels large, for composing pictures on and
// painted on in window pixels: while twinsWanted(), with twice as many pixels each
// way, so that the twins keep their detail and offsets land on whole pixels.
QImage composingCanvas(QSize size);

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
    // In window pixels: a twin's are half its own.
    int width() const { return image_.deviceIndependentSize().toSize().width(); }
    int height() const { return image_.deviceIndependentSize().toSize().height(); }
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
