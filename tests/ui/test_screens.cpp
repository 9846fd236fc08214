// The map on any screen: full screen and back with F11, the windows it opens
// centred on its stage, the wider view and what it keeps dark, the game's
// windows within the sizes the fitting scale counts on, and every picture drawn
// at twice its size for scales above 1.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QKeyEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>
#include <map>
#include <memory>

#include "core/adventure/MapView.h"
#include "core/data/GameState.h"
#include "core/data/Session.h"
#include "core/data/Twins.h"
#include "core/flow/ScaleChoice.h"
#include "core/flow/Settings.h"
#include "platform/AssetNames.h"
#include "platform/Paths.h"
#include "platform/Random.h"
#include "platform/headless/HeadlessPlatform.h"
#include "ui/adventure/MapRenderer.h"
#include "ui/adventure/MapWindow.h"
#include "ui/adventure/OptionsWindow.h"
#include "ui/kit/Pictures.h"
#include "ui/shell/StartWindow.h"
#include "ui/shell/Startup.h"

namespace {

// Every window of the game, a new game started, the map shown in a window.
struct NewGame {
    HeadlessPlatform platform;
    std::unique_ptr<GameState> gs = std::make_unique<GameState>();
    Session session;
    Random rnd;
    GameContext ctx{*gs, session, rnd, platform, {}};

    // The switches live for the whole run: every test starts and ends without them.
    static void switchesOff() {
        screen::setFullscreen(false);
        screen::setWideView(false);
    }
    NewGame() {
        switchesOff();
        rnd.useSeedSequence(5);
        CreateForms(ctx);
        GameForm::setMainWindow(ctx.forms.start);
        ctx.forms.start->Button8Click();
    }
    ~NewGame() {
        DestroyForms(ctx);  // the main window's pointer follows it
        switchesOff();
    }
    void key(QWidget* w, int k) {
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
        QApplication::sendEvent(w, &press);
        QCoreApplication::processEvents();
    }
};

}  // namespace

TEST(Screens, F11FillsTheScreenAndBackAndDialogsSitOnTheStage) {
    NewGame g;
    TTrForm* tr = g.ctx.forms.tr;
    ASSERT_TRUE(tr->isVisible());
    const QRect screen = tr->screen()->geometry();
    ASSERT_GT(screen.width(), 732);

    g.key(tr, Qt::Key_F11);
    EXPECT_TRUE(tr->fullscreen());
    EXPECT_TRUE(screen::fullscreen());  // remembered
    EXPECT_EQ(tr->geometry(), screen);
    // The stage keeps its size, in the middle of the screen.
    const QRect stage(tr->stage()->mapTo(tr, QPoint(0, 0)), tr->stage()->size());
    EXPECT_EQ(stage.size(), QSize(732, 511));
    EXPECT_LE(std::abs(stage.center().x() - tr->rect().center().x()), 1);
    EXPECT_LE(std::abs(stage.center().y() - tr->rect().center().y()), 1);

    // The options open over the middle of the stage, and stay above the map.
    g.key(tr, Qt::Key_J);
    QWidget* options = g.ctx.forms.options;
    ASSERT_TRUE(options->isVisible());
    const QPoint stageCentre = tr->stage()->mapToGlobal(tr->stage()->rect().center());
    // (Within the frame the window system puts around it.)
    EXPECT_LE((options->frameGeometry().center() - stageCentre).manhattanLength(), 8);
    ASSERT_NE(options->windowHandle(), nullptr);
    EXPECT_EQ(options->windowHandle()->transientParent(), tr->windowHandle());
    // The switch there brings the window back, as F11 would.
    auto* box = g.ctx.forms.options->FullscreenBox;
    EXPECT_TRUE(box->isChecked());
    box->click();
    EXPECT_FALSE(tr->fullscreen());
    EXPECT_EQ(options->windowHandle()->transientParent(), nullptr);
    g.ctx.forms.options->Button4Click();

    EXPECT_EQ(tr->size(), QSize(732, 511));
    EXPECT_EQ(tr->stage()->geometry(), QRect(0, 0, 732, 511));
    g.key(tr, Qt::Key_F11);
    g.key(tr, Qt::Key_F11);
    EXPECT_FALSE(tr->fullscreen());
    EXPECT_EQ(tr->size(), QSize(732, 511));
}

TEST(Screens, TheWiderViewShowsMoreCellsButNothingUnexplored) {
    NewGame g;
    TTrForm* tr = g.ctx.forms.tr;
    screen::setWideView(true);
    tr->layoutStage();
    EXPECT_EQ(tr->renderer().view(), ViewCells{});  // in a window: the map's own view
    tr->setFullscreen(true);
    tr->resize(1700, 1000);  // a screen larger than the offscreen one
    const ViewCells wide = tr->renderer().view();
    const QSize room = tr->size() - QSize(232, 11);
    EXPECT_EQ(wide, widestView(room.width(), room.height()));
    EXPECT_GT(wide.cols, 5);
    EXPECT_EQ(wide.cols % 2, 1);
    EXPECT_TRUE(wide.fog);
    EXPECT_EQ(tr->stage()->width(), 732 + (wide.cols - 5) * 100);

    // What the fog keeps dark: a band and a town on unexplored cells stay unseen;
    // explored, they are drawn as the map's view draws them.
    GameState& gs = *g.gs;
    const int x = gs.heroX + wide.cols / 2, y = gs.heroY;
    ASSERT_TRUE(GameState::onMap(x, y) && GameState::onMap(x, y + 1));
    gs.here(x, y) = 500;
    gs.here(x, y + 1) = 701;
    gs.explored(gs.continent, x, y) = 0;
    gs.explored(gs.continent, x, y + 1) = 0;
    std::vector<Blit> ground, frame;
    groundLayerBlits(gs, ground, wide);
    frameBlits(gs, 1, frame, wide);
    auto at = [&](const std::vector<Blit>& blits, int cx, int cy) {
        std::vector<int> found;
        for (const Blit& b : blits)
            if (b.x == viewPixelX(gs, cx, wide) && b.y == viewPixelY(gs, cy, wide))
                found.push_back(b.slot);
        return found;
    };
    EXPECT_EQ(at(ground, x, y), std::vector<int>{slot::kDark});
    EXPECT_EQ(at(ground, x, y + 1), std::vector<int>{slot::kDark});
    EXPECT_TRUE(at(frame, x, y).empty());
    gs.explored(gs.continent, x, y) = 1;
    gs.explored(gs.continent, x, y + 1) = 1;
    groundLayerBlits(gs, ground, wide);
    frameBlits(gs, 1, frame, wide);
    EXPECT_EQ(at(ground, x, y + 1).back(), slot::kTownBase + gs.town(1).race);
    EXPECT_EQ(at(frame, x, y), std::vector<int>{71});
    // Same steps: the hero stands in the middle cell of the wider view too.
    EXPECT_EQ(frame.back().x, wide.heroCol() * 100);

    tr->setFullscreen(false);
    EXPECT_EQ(tr->renderer().view(), ViewCells{});
}

TEST(Screens, NoWindowIsLargerThanTheFittingScaleCountsOn) {
    NewGame g;
    int width = 0, height = 0;
    for (const scale::WindowSize& w : scale::largestWindows()) {
        width = std::max(width, w.width);
        height = std::max(height, w.height);
    }
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!qobject_cast<GameForm*>(w)) continue;
        EXPECT_LE(w->minimumWidth(), width) << w->windowTitle().toStdString();
        EXPECT_LE(w->minimumHeight(), height) << w->windowTitle().toStdString();
    }
}

TEST(Screens, EveryPictureHasATwinAtTwiceItsSizeWithAHardEdge) {
    QFile table(QString::fromStdString(dataPath(twins::kTable)));
    ASSERT_TRUE(table.open(QIODevice::ReadOnly)) << twins::kTable;
    const auto made = twins::parseTable(table.readAll().toStdString());
    // Every picture the windows draw: the tiles, creatures, battle art, town
    // views, window pictures and the map's sprites.
    const QString root = QString::fromStdString(programDir());
    int pictures = 0;
    QDirIterator files(root + "Resourse", {"*.pic", "*.bmp", "*.png"}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const std::string picture = QDir(root).relativeFilePath(files.next()).toStdString();
        // The help page's pictures are the page's own, shown at its size by a browser.
        if (picture.rfind("Resourse/2x/", 0) == 0 || picture.rfind("Resourse/Help/", 0) == 0)
            continue;
        ++pictures;
        const auto entry = made.find(picture);
        ASSERT_NE(entry, made.end()) << picture;
        QFile single(QString::fromStdString(dataPath(picture)));
        ASSERT_TRUE(single.open(QIODevice::ReadOnly));
        EXPECT_EQ(twins::checksum(single.readAll().toStdString()), entry->second) << picture;

        const bool pic = picture.size() > 4 && picture.substr(picture.size() - 4) == ".pic";
        QImage one(QString::fromStdString(dataPath(picture)), pic ? "BMP" : nullptr);
        QImage two(QString::fromStdString(dataPath(*twins::twinPath(picture))),
                   pic ? "BMP" : nullptr);
        ASSERT_FALSE(two.isNull()) << picture;
        ASSERT_EQ(two.size(), one.size() * 2) << picture;
        // A keyed picture keeps its key colour; next to it only the picture's own
        // colours, none half-way to it.
        if (!pic) continue;
        DecodeRows(one);
        DecodeRows(two);
        const QRgb key = one.pixel(1, 1);
        if (key != qRgb(255, 0, 255)) continue;
        EXPECT_EQ(two.pixel(1, 1), key) << picture;
        auto far = [&](QRgb c) {
            return std::abs(qRed(c) - qRed(key)) + std::abs(qGreen(c) - qGreen(key)) +
                       std::abs(qBlue(c) - qBlue(key)) >
                   120;
        };
        int blended = 0;
        for (int y = 1; y + 1 < two.height(); ++y)
            for (int x = 1; x + 1 < two.width(); ++x) {
                const QRgb c = two.pixel(x, y);
                if (c == key) continue;
                const bool edge = two.pixel(x - 1, y) == key || two.pixel(x + 1, y) == key ||
                                  two.pixel(x, y - 1) == key || two.pixel(x, y + 1) == key;
                if (edge && !far(c)) ++blended;
            }
        EXPECT_EQ(blended, 0) << picture;
    }
    EXPECT_EQ(pictures, int(made.size()));
    EXPECT_EQ(twins::twinPath("Resourse/Travel/gold.pic"), "Resourse/2x/Travel/gold.pic");
    EXPECT_FALSE(twins::twinPath("Wav/gold.wav").has_value());
    EXPECT_EQ(twins::parseTable(twins::tableLine("Resourse/a.pic", 0xABCDEF) + "junk\n"),
              (std::map<std::string, uint64_t>{{"Resourse/a.pic", 0xABCDEF}}));
}

TEST(Screens, AChangedPictureIsDrawnFromItselfNotFromAStaleTwin) {
    // A data folder with the generated map and creature pictures, the map's twins
    // but not the creatures', and a twin table that says the treasure's 1x
    // picture has changed since its twin was drawn.
    QTemporaryDir dir;
    const QString built = QString::fromStdString(dataPath("Resourse"));
    QDir().mkpath(dir.filePath("Resourse/2x"));
    ASSERT_TRUE(QFile::link(built + "/Travel", dir.filePath("Resourse/Travel")));
    ASSERT_TRUE(QFile::link(built + "/Army", dir.filePath("Resourse/Army")));
    ASSERT_TRUE(QFile::link(built + "/2x/Travel", dir.filePath("Resourse/2x/Travel")));
    QFile original(built + "/2x/twins.txt");
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    auto table = twins::parseTable(original.readAll().toStdString());
    table["Resourse/Travel/gold.pic"] ^= 1;
    QFile changed(dir.filePath("Resourse/2x/twins.txt"));
    ASSERT_TRUE(changed.open(QIODevice::WriteOnly));
    for (const auto& [picture, sum] : table) changed.write(twins::tableLine(picture, sum).c_str());
    changed.close();
    const std::string before = programDir();
    setProgramDir(dir.path().toStdString());

    HeadlessPlatform platform;
    MapRenderer r;
    r.loadPictures(platform, true);
    // The windows' pictures above scale 1: the twin, drawn at the 1x picture's
    // size; the 1x picture where the twin is stale or missing, without a word.
    setTwinsWanted(true);
    auto load = [&](const char* folder, const char* file) {
        return LoadPic(platform, dataPath(std::string(folder) + file));
    };
    const QImage portal = load(assets::kTravel, "portal.pic");
    const QImage gold = load(assets::kTravel, "gold.pic");
    const QImage peasant = load(assets::kArmy, "Peasant.pic");
    setTwinsWanted(std::nullopt);
    setProgramDir(before);
    EXPECT_EQ(portal.size(), QSize(200, 200));
    EXPECT_EQ(portal.devicePixelRatio(), 2);
    EXPECT_EQ(Picture(portal).width(), 100);
    EXPECT_EQ(gold.size(), QSize(100, 100));
    EXPECT_EQ(gold.devicePixelRatio(), 1);
    EXPECT_EQ(peasant.size(), QSize(80, 80));
    EXPECT_EQ(peasant.devicePixelRatio(), 1);
    EXPECT_EQ(r.factor(), 2);
    // The 1x picture doubled is made of 2 x 2 blocks; its twin is drawn finer.
    auto blocky = [&](int slot) {
        const QImage& img = r.slotImage(slot);
        EXPECT_EQ(img.size(), QSize(200, 200)) << slot;
        for (int y = 0; y < img.height(); y += 2)
            for (int x = 0; x < img.width(); x += 2)
                if (img.pixel(x, y) != img.pixel(x + 1, y + 1)) return false;
        return true;
    };
    EXPECT_TRUE(blocky(slot::kTreasure));
    EXPECT_FALSE(blocky(slot::kPortal));
    // The composed frame is twice the size; the view's cells stay in the map's pixels.
    EXPECT_EQ(r.frame().size(), QSize(1400, 1400));
    EXPECT_EQ(r.frameSource(), QRect(200, 200, 1000, 1000));
}
