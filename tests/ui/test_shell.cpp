#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFocusEvent>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QThread>
#include <QTimer>

#include "core/data/GameState.h"
#include "core/data/Session.h"
#include "platform/Paths.h"
#include "platform/PicCodec.h"
#include "platform/Random.h"
#include "platform/headless/HeadlessPlatform.h"
#include "platform/qt/Audio.h"
#include "ui/kit/GameTimer.h"
#include "ui/kit/PictureBox.h"
#include "ui/kit/Pictures.h"
#include "ui/shell/HelpWindow.h"
#include "ui/shell/IntroWindow.h"
#include "ui/shell/StartWindow.h"

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

// ---- the start window's opening animation ----

namespace {

struct StartFixture {
    GameState gs{};
    Session session;
    Random rnd{1};
    HeadlessPlatform platform;
    GameContext ctx{gs, session, rnd, platform, {}};
};

}  // namespace

TEST(StartWindow, ButtonsAppearFanOutAndWakeUpOnlyAfterTheSixteenthMove) {
    QTemporaryDir dir;
    const std::string oldDir = programDir();
    setProgramDir(dir.path().toStdString());
    QDir(dir.path()).mkpath("Wav");
    QFile gold(dir.filePath("Wav/Gold.Wav"));
    ASSERT_TRUE(gold.open(QIODevice::WriteOnly));
    gold.close();

    auto* t = new StartFixture;
    TStartForm start(t->ctx);
    QPushButton* menu[] = {start.Button5, start.Button6, start.Button8, start.Button7};
    auto enabledCount = [&] {
        int n = 0;
        for (QPushButton* b :
             {start.Button5, start.Button6, start.Button8, start.Button7, start.Button9})
            n += b->isEnabled();
        return n;
    };
    EXPECT_EQ(start.Timer1->interval(), 500);
    for (QPushButton* b : menu) EXPECT_TRUE(b->isHidden());
    EXPECT_FALSE(start.Button9->isHidden());
    EXPECT_EQ(enabledCount(), 0);

    // 500 ms: "ИСТОРИЯ", then every 200 ms "ЗАГРУЗИТЬ", "ВЫХОД", "НОВАЯ ИГРА".
    start.Timer1Timer();
    EXPECT_FALSE(start.Button5->isHidden());
    EXPECT_EQ(start.Timer1->interval(), 200);
    start.Timer1Timer();
    EXPECT_FALSE(start.Button6->isHidden());
    EXPECT_TRUE(start.Button7->isHidden());
    start.Timer1Timer();
    EXPECT_FALSE(start.Button7->isHidden());
    EXPECT_TRUE(start.Button8->isHidden());
    start.Timer1Timer();
    EXPECT_FALSE(start.Button8->isHidden());
    EXPECT_EQ(start.Timer1->interval(), 50);

    for (int move = 1; move <= 16; ++move) {
        start.Timer1Timer();
        EXPECT_EQ(start.Timer1->tag, move);
        EXPECT_EQ(enabledCount(), 0) << "after move " << move;
        // A click on a disabled button does nothing.
        start.Button9->click();
        start.Button7->click();
    }
    EXPECT_TRUE(t->platform.urls.empty());
    EXPECT_EQ(start.Button5->pos(), QPoint(104 - 64, 176 - 32));
    EXPECT_EQ(start.Button8->pos(), QPoint(104 - 64, 216 + 32));
    EXPECT_EQ(start.Button6->pos(), QPoint(256 + 64, 176 - 32));
    EXPECT_EQ(start.Button7->pos(), QPoint(256 + 64, 216 + 32));
    EXPECT_EQ(start.Button9->pos(), QPoint(176, 272 + 128));
    EXPECT_TRUE(t->platform.sounds.empty());

    start.Timer1Timer();
    EXPECT_EQ(enabledCount(), 5);
    EXPECT_FALSE(start.Timer1->isActive());
    EXPECT_EQ(t->gs.soundOn, 1);
    ASSERT_EQ(t->platform.sounds.size(), 1u);
    EXPECT_EQ(t->platform.sounds[0], dataPath("Wav/Gold.Wav"));
    delete t;
    setProgramDir(oldDir);
}

// A game opened from the command line never shows the start window: its
// animation must not run hidden and switch the loaded game's sounds back on.
TEST(StartWindow, TheAnimationRunsOnlyWhileTheWindowIsShown) {
    auto* t = new StartFixture;
    TStartForm start(t->ctx);
    EXPECT_FALSE(start.Timer1->isActive()) << "created hidden";
    start.showForm();
    EXPECT_TRUE(start.Timer1->isActive());
    start.Timer1Timer();
    start.hide();
    EXPECT_FALSE(start.Timer1->isActive());
    start.showForm();  // shown again (a --load that failed): the animation goes on
    EXPECT_TRUE(start.Timer1->isActive());
    EXPECT_FALSE(start.Button5->isHidden());
    for (int i = 0; i < 20; ++i) start.Timer1Timer();
    ASSERT_TRUE(start.Button7->isEnabled());
    start.hide();
    start.showForm();
    EXPECT_FALSE(start.Timer1->isActive()) << "the menu is ready: nothing left to animate";
    start.hide();
    delete t;
}

TEST(StartWindow, HowToPlayOpensTheHelpWindowAndTheLinkItsPageAboutTheGame) {
    QTemporaryDir dir;
    const std::string oldDir = programDir();
    setProgramDir(dir.path().toStdString());
    StartFixture t;
    TStartForm start(t.ctx);
    t.ctx.forms.start = &start;
    // Without the page the window says so and offers nothing to a browser.
    start.Button9Click();
    HelpWindow* help = helpWindow();
    ASSERT_TRUE(help && help->isVisible());
    EXPECT_FALSE(help->systemButton()->isEnabled());
    EXPECT_TRUE(help->browser()->toPlainText().contains(dir.filePath("ReadMe.htm")));

    QFile page(dir.filePath("ReadMe.htm"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<html><head><meta charset=\"utf-8\"></head><body><h1>Как играть</h1>");
    for (int i = 0; i < 200; ++i) page.write("<p>Шаг за шагом.</p>");
    page.write("<h2 id=\"about\"><a name=\"about\"></a>О программе</h2><p>Версия.</p>");
    page.write("</body></html>");
    page.close();
    start.Button9Click();  // "КАК ИГРАТЬ": the page from its top, no browser asked
    EXPECT_EQ(help, helpWindow());
    EXPECT_EQ(help->browser()->source().toLocalFile(), dir.filePath("ReadMe.htm"));
    EXPECT_TRUE(help->browser()->toPlainText().startsWith("Как играть"));
    EXPECT_EQ(help->browser()->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(t.platform.urls.empty());
    start.Label1Click();  // "О программе": the same page at its section
    EXPECT_EQ(help->browser()->source().fragment(), "about");
    EXPECT_GT(help->browser()->verticalScrollBar()->value(), 0);
    help->systemButton()->click();  // offered to the system's browser too
    ASSERT_EQ(t.platform.urls.size(), 1u);
    EXPECT_EQ(t.platform.urls[0], dir.filePath("ReadMe.htm").toStdString());
    EXPECT_TRUE(help->noBrowserNote()->isHidden());
    t.platform.browserStarts = false;
    help->systemButton()->click();
    EXPECT_FALSE(help->noBrowserNote()->isHidden()) << "no browser: the window says so";
    help->closeButton()->click();
    EXPECT_FALSE(help->isVisible());
    setProgramDir(oldDir);
}

TEST(StartWindow, MissingGoldSoundIsReportedAndTheMenuStillWakesUp) {
    QTemporaryDir dir;
    const std::string oldDir = programDir();
    setProgramDir(dir.path().toStdString());
    auto* t = new StartFixture;
    TStartForm start(t->ctx);
    for (int i = 0; i < 21; ++i) start.Timer1Timer();
    EXPECT_TRUE(start.Button8->isEnabled());
    EXPECT_TRUE(t->platform.sounds.empty());
    ASSERT_EQ(t->platform.messages.size(), 1u);
    EXPECT_EQ(t->platform.messages[0], "Can't gind file " + dataPath("Wav/Gold.Wav"));
    delete t;
    setProgramDir(oldDir);
}

// ---- the intro story ----

TEST(IntroStory, WindowAnimatesAndStopsWhenClosed) {
    auto* t = new StartFixture;
    THistoryForm history(t->ctx);
    history.showForm();
    EXPECT_TRUE(history.Timer1->isActive());
    EXPECT_EQ(history.Timer1->tag, 0);
    EXPECT_FALSE(history.Image1->isHidden());
    history.Timer1Timer();
    EXPECT_TRUE(history.Image1->isHidden());
    EXPECT_EQ(history.Timer1->tag, 2);
    // The picture has moved up by two rows, on the window as in the control.
    EXPECT_EQ(history.Image1->image().pixel(5, 0), history.historyPicture.pixel(5, 2));
    EXPECT_EQ(history.screen.pixel(5, 10), history.historyPicture.pixel(5, 12));

    // Focus given to the text goes to the hidden button: no caret ever shows.
    QFocusEvent in(QEvent::FocusIn);
    QCoreApplication::sendEvent(history.Memo1, &in);
    EXPECT_EQ(history.focusWidget(), history.Button1);

    history.close();
    EXPECT_FALSE(history.Timer1->isActive());
    EXPECT_FALSE(history.music.playing());

    history.showForm();
    EXPECT_TRUE(history.Timer1->isActive());
    EXPECT_EQ(history.animation.phase, 1);
    EXPECT_EQ(history.Timer1->tag, 0);
    EXPECT_EQ(history.Image1->image(), history.historyPicture);
    history.hide();
    delete t;
}

// ---- the music player without a sound device ----

TEST(MidiPlayer, KeepsTimeAndReportsTheEndOnceThePieceHasStopped) {
    QTemporaryDir dir;
    const QString path = dir.filePath("short.mid");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    // 96 ticks a beat at 120 bpm; the track ends after 48 ticks: 250 ms.
    const char bytes[] = {'M', 'T', 'h', 'd', 0,   0, 0, 6, 0, 0,  0,      1,    0,
                          96,  'M', 'T', 'r', 'k', 0, 0, 0, 4, 48, '\xff', 0x2f, 0};
    f.write(bytes, sizeof bytes);
    f.close();

    MidiPlayer player;
    player.setFile(dir.filePath("missing.mid").toStdString());
    EXPECT_FALSE(player.open());
    player.play();
    EXPECT_FALSE(player.playing());

    player.setFile(path.toStdString());
    ASSERT_TRUE(player.open());
    EXPECT_EQ(player.position(), 0);
    EXPECT_EQ(player.length(), 250);
    player.seek(1);
    player.play();
    EXPECT_TRUE(player.playing());
    EXPECT_GE(player.position(), 1);
    EXPECT_LT(player.position(), player.length());
    QThread::msleep(300);
    EXPECT_FALSE(player.playing());
    EXPECT_EQ(player.position(), player.length());

    // Stop keeps the place, seek moves it; a stopped player is not "at the end".
    player.play();
    EXPECT_TRUE(player.playing());
    player.stop();
    EXPECT_LT(player.position(), player.length());
    player.seek(0);
    EXPECT_EQ(player.position(), 0);

    // One piece at a time: a second player silences the first.
    MidiPlayer other;
    other.setFile(path.toStdString());
    ASSERT_TRUE(other.open());
    player.play();
    other.play();
    EXPECT_FALSE(player.playing());
    EXPECT_TRUE(other.playing());
}

TEST(MyGraph, PictureOfFewerBitsPerPixelIsDecodedWithinItsRows) {
    // A 1-bit bitmap given as a .pic has rows of width / 8 bytes; decoding
    // "width" bytes per row used to run over the next rows and past the image.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage mono(160, 6, QImage::Format_Mono);
    for (int y = 0; y < mono.height(); ++y)
        for (int x = 0; x < mono.width(); ++x) mono.setPixel(x, y, ((x * 7 + y * 3) % 5) == 0);
    const std::string path = dir.filePath("mono.pic").toStdString();
    ASSERT_TRUE(mono.save(QString::fromStdString(path), "BMP"));

    QImage expected(QString::fromStdString(path));
    ASSERT_EQ(expected.depth(), 1);
    ::DecodeRows(expected.bits(), static_cast<int>(expected.bytesPerLine()), expected.height(),
                 expected.bytesPerLine());
    HeadlessPlatform platform;
    QImage loaded = LoadPic(platform, path);
    ASSERT_EQ(loaded.size(), expected.size());
    for (int y = 0; y < loaded.height(); ++y)
        EXPECT_EQ(memcmp(loaded.constScanLine(y), expected.constScanLine(y),
                         static_cast<size_t>(loaded.bytesPerLine())),
                  0)
            << "row " << y;
}
