// The adventure windows under the offscreen platform: the map's step from a key
// press, the pictures it loads, the panel, and the small windows it opens.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <map>
#include <memory>
#include <thread>

#include "core/data/GameState.h"
#include "core/data/Session.h"
#include "platform/AssetNames.h"
#include "platform/Paths.h"
#include "platform/Random.h"
#include "platform/headless/HeadlessPlatform.h"
#include "ui/adventure/DiaryWindow.h"
#include "ui/adventure/GameWonWindow.h"
#include "ui/adventure/MapWindow.h"
#include "ui/adventure/MouseWalk.h"
#include "ui/adventure/OptionsWindow.h"
#include "ui/adventure/PortalWindow.h"
#include "ui/adventure/SpellMissedWindow.h"
#include "ui/adventure/SpellWindow.h"
#include "ui/adventure/TreasureWindow.h"
#include "ui/kit/Pictures.h"

namespace {

const QRgb kKey = qRgb(255, 0, 255);

// A colour that tells which slot a pixel came from.
QRgb slotColour(int slot, int half) {
    return qRgb(slot, 200 - half * 100, 40);
}

// Writes every map picture as the game stores them: 8-bit, rows scrambled, the
// key colour at (1,1) (and in the two outer columns of the transparent ones);
// the left and the right half of each picture in two colours so that
// mirroring shows.
void writeMapPictures(const QString& root) {
    const auto& table = assets::mapSlots();
    for (size_t i = 1; i < table.size(); ++i) {
        if (table[i].file.empty() || table[i].mirroredFrom != 0) continue;
        QImage img(100, 100, QImage::Format_Indexed8);
        // A full palette: Qt writes pictures of up to 16 colours as 4-bit files.
        QList<QRgb> palette(256, qRgb(1, 2, 3));
        palette[0] = kKey;
        palette[1] = slotColour(static_cast<int>(i), 0);
        palette[2] = slotColour(static_cast<int>(i), 1);
        img.setColorTable(palette);
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x) {
                const bool key = (x == 1 && y == 1) || (table[i].transparent && (x < 2 || x >= 98));
                img.setPixel(x, y, key ? 0 : (x < 50 ? 1 : 2));
            }
        EncodeRows(img);
        const QString path = root + "/" + assets::kTravel + QString::fromStdString(table[i].file);
        QDir().mkpath(QFileInfo(path).path());
        ASSERT_TRUE(img.save(path, "BMP")) << path.toStdString();
    }
    // The sounds only need to exist: the headless platform records them.
    QDir().mkpath(root + "/Wav");
    for (const char* wav : {assets::kWavGold, assets::kWavPortal, assets::kWavSpell, assets::kWavNF,
                            assets::kWavTown}) {
        QFile f(root + "/" + wav);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
}

struct AdventureWindows : ::testing::Test {
    static GameState& state() {
        static GameState gs{};
        return gs;
    }
    GameState& gs = state();
    Session session;
    Random rnd{5};
    HeadlessPlatform platform;
    GameContext ctx{gs, session, rnd, platform, {}};
    QTemporaryDir dir;
    std::string oldDir = programDir();
    std::unique_ptr<TTrForm> tr;
    std::unique_ptr<TGoldForm> gold;
    std::unique_ptr<TPortalForm> portal;
    std::unique_ptr<TFindForm> find;
    std::unique_ptr<TNotFindForm> notFind;
    std::unique_ptr<TVicGameForm> vicGame;
    std::unique_ptr<TTextForm> text;
    std::unique_ptr<TOptionsForm> options;

    void SetUp() override {
        gs = GameState{};
        for (int c = 1; c <= 3; ++c)
            for (int x = 1; x <= kMapW; ++x)
                for (int y = 1; y <= kMapH; ++y) {
                    gs.cell(c, x, y) = (x <= 3 || x >= 68 || y <= 3 || y >= 78) ? 100 : 0;
                    gs.ground(x, y) = static_cast<uint16_t>(1 + (x * 3 + y) % 8);
                }
        const char* names[] = {"ИСКОРТИЯ", "АЛЛИЯ", "ТАЙМАНИЯ"};
        for (int c = 1; c <= 3; ++c) gs.continentName(c).set(names[c - 1]);
        const char* races[] = {"Люди", "Гномы", "Эльфы", "Некроманты", "Орки"};
        for (int r = 1; r <= 5; ++r) {
            gs.raceName(r).set(races[r - 1]);
            gs.relation(r) = static_cast<uint8_t>(r - 1);
        }
        gs.continent = 1;
        gs.heroX = 6;
        gs.heroY = 18;
        gs.heroFacing = 1;
        gs.steps = 1;
        gs.gold = 350;
        gs.authority = 120;
        gs.spellTries = 3;
        gs.soundOn = 1;

        writeMapPictures(dir.path());
        setProgramDir(dir.path().toStdString());
        tr = std::make_unique<TTrForm>(ctx);
        gold = std::make_unique<TGoldForm>(ctx);
        portal = std::make_unique<TPortalForm>(ctx);
        find = std::make_unique<TFindForm>(ctx);
        notFind = std::make_unique<TNotFindForm>(ctx);
        vicGame = std::make_unique<TVicGameForm>(ctx);
        text = std::make_unique<TTextForm>(ctx);
        options = std::make_unique<TOptionsForm>(ctx);
        ctx.forms.tr = tr.get();
        ctx.forms.gold = gold.get();
        ctx.forms.portal = portal.get();
        ctx.forms.find = find.get();
        ctx.forms.notFind = notFind.get();
        ctx.forms.vicGame = vicGame.get();
        ctx.forms.text = text.get();
        ctx.forms.options = options.get();
        GameForm::setMainWindow(tr.get());
    }
    void TearDown() override {
        GameForm::setMainWindow(nullptr);
        setProgramDir(oldDir);
    }

    void press(QWidget* w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QKeyEvent e(QEvent::KeyPress, key, mods);
        QApplication::sendEvent(w, &e);
    }
    QRgb framePixel(int x, int y) { return tr->renderer().frame().pixel(x, y); }
};

}  // namespace

TEST_F(AdventureWindows, ShowingTheMapCountsAStepAndFillsThePanel) {
    tr->showForm();
    EXPECT_EQ(gs.steps, 2u);
    EXPECT_EQ(tr->Label2->text().toStdString(), "ИСКОРТИЯ  Неделя 1 День 1");
    EXPECT_EQ(tr->Label1->text().toStdString(), "X=6 Y=18");
    EXPECT_EQ(tr->Label7->text().toStdString(), "Золото 350        Авторитет 120     ");
    EXPECT_EQ(tr->StringGrid1->item(0, 0)->text().toStdString(), "РАССА");
    EXPECT_EQ(tr->StringGrid1->item(0, 1)->text().toStdString(), "ОТНОШЕНИЕ");
    EXPECT_EQ(tr->StringGrid1->item(4, 0)->text().toStdString(), "Некроманты");
    EXPECT_EQ(tr->StringGrid1->item(1, 1)->text().toStdString(), "ненависть");
    EXPECT_EQ(tr->StringGrid1->item(5, 1)->text().toStdString(), "хорошо");
    EXPECT_EQ(gs.explored(1, 8, 20), 1);
    tr->hide();
}

TEST_F(AdventureWindows, PicturesAreKeyedAndMirroredAsTheTableSays) {
    tr->showForm();
    const MapRenderer& r = tr->renderer();
    // Grass is opaque: even its key-coloured pixel is drawn.
    EXPECT_EQ(r.slotImage(1).pixel(1, 1) | 0xFF000000u, kKey);
    // The hero keys out his outer columns; his mirrored copy has his right half
    // on the left.
    EXPECT_EQ(qAlpha(r.slotImage(91).pixel(0, 50)), 0);
    EXPECT_EQ(qAlpha(r.slotImage(101).pixel(99, 50)), 0);
    EXPECT_EQ(r.slotImage(101).pixel(10, 50), r.slotImage(91).pixel(89, 50));
    EXPECT_EQ(r.slotImage(101).pixel(10, 50) | 0xFF000000u, slotColour(91, 1));
    // Slots without a file stay empty.
    EXPECT_TRUE(r.slotImage(61).isNull());
    EXPECT_TRUE(r.slotImage(106).isNull());
    // In the frame the hero (facing right: mirrored) stands at (300,300) over
    // the grass, which shows through his keyed-out columns.
    tr->FormPaint();
    const int phase = tr->animPhase();
    const int standing = (phase == 1) ? 91 : (phase == 3 ? 93 : 92);
    EXPECT_EQ(framePixel(310, 350) | 0xFF000000u, slotColour(standing, 1));
    const int grass = gs.ground(6, 18);
    EXPECT_EQ(framePixel(399, 350) | 0xFF000000u, slotColour(grass, 1));
    tr->hide();
}

TEST_F(AdventureWindows, ArrowAndKeypadKeysWalk) {
    tr->showForm();
    press(tr.get(), Qt::Key_Right);
    EXPECT_EQ(gs.heroX, 7);
    press(tr.get(), Qt::Key_2, Qt::KeypadModifier);  // keypad 2 = down
    EXPECT_EQ(gs.heroY, 19);
    press(tr.get(), Qt::Key_5, Qt::KeypadModifier);  // keypad 5 = Space
    press(tr.get(), Qt::Key_2);                      // the digit row does nothing
    EXPECT_EQ(gs.heroY, 19);
    EXPECT_EQ(gs.steps, 5u);
    EXPECT_EQ(tr->Label1->text().toStdString(), "X=7 Y=19");
    tr->hide();
}

TEST_F(AdventureWindows, TreasureWindowAddsGoldAndHandsTheMapAStep) {
    tr->showForm();
    gs.here(7, 18) = cell::kTreasure;
    press(tr.get(), Qt::Key_Right);
    EXPECT_TRUE(gold->isVisible());
    EXPECT_FALSE(tr->isEnabled());
    EXPECT_EQ(gs.heroX, 7);
    EXPECT_GE(gs.gold, 550u);
    EXPECT_LE(gs.gold, 649u);
    EXPECT_EQ(gold->Label1->text().toStdString(),
              "Вы нашли сокровища на сумму " + std::to_string(gs.gold - 350) + ".");
    ASSERT_FALSE(platform.sounds.empty());
    EXPECT_EQ(platform.sounds.back(), dataPath(assets::kWavGold));
    const uint32_t steps = gs.steps;
    gold->close();  // the close box counts as the button
    EXPECT_FALSE(gold->isVisible());
    EXPECT_EQ(gs.steps, steps + 1);
    EXPECT_TRUE(tr->isEnabled());
    tr->hide();
}

// Enter, Space and a click close a picture window as Escape does, on a fresh
// press only: a held key's repeats (flagged by Qt, or stamped with the time of
// the release just before them) neither close it nor, once it has closed,
// reach the map as steps; a press in its first moments is not yet for it.
TEST_F(AdventureWindows, PictureWindowClosesOnAFreshPressOnly) {
    auto key = [](QWidget* w, QEvent::Type type, int k, bool repeat, quint64 time) {
        QKeyEvent e(type, k, Qt::NoModifier, QString(), repeat);
        e.setTimestamp(time);
        QApplication::sendEvent(w, &e);
    };
    auto settle = [] { std::this_thread::sleep_for(std::chrono::milliseconds(320)); };
    tr->showForm();
    for (int x = 7; x <= 9; ++x) gs.here(x, 18) = cell::kTreasure;
    press(tr.get(), Qt::Key_Right);
    ASSERT_TRUE(gold->isVisible());
    key(gold.get(), QEvent::KeyPress, Qt::Key_Return, false, 50);
    EXPECT_TRUE(gold->isVisible()) << "a press just as the window opened";
    settle();
    auto* hint = gold->findChild<QLabel*>(QStringLiteral("CloseHint"));
    ASSERT_NE(hint, nullptr);
    EXPECT_EQ(hint->text().toStdString(), "Esc — закрыть");
    key(gold.get(), QEvent::KeyPress, Qt::Key_Space, true, 100);
    key(gold.get(), QEvent::KeyRelease, Qt::Key_Space, false, 140);
    key(gold.get(), QEvent::KeyPress, Qt::Key_Space, false, 140);
    EXPECT_TRUE(gold->isVisible()) << "a key held since before the window opened";
    uint32_t steps = gs.steps;
    key(gold.get(), QEvent::KeyPress, Qt::Key_Return, false, 500);
    EXPECT_FALSE(gold->isVisible());
    EXPECT_EQ(gs.steps, steps + 1) << "the hand-over's one step";

    press(tr.get(), Qt::Key_Right);
    ASSERT_TRUE(gold->isVisible());
    settle();
    steps = gs.steps;
    key(gold.get(), QEvent::KeyPress, Qt::Key_Space, false, 1000);
    EXPECT_FALSE(gold->isVisible());
    key(tr.get(), QEvent::KeyPress, Qt::Key_Space, true, 1500);
    key(tr.get(), QEvent::KeyRelease, Qt::Key_Space, false, 1540);
    key(tr.get(), QEvent::KeyPress, Qt::Key_Space, false, 1540);
    EXPECT_EQ(gs.steps, steps + 1) << "the held Space's repeats are no steps";
    key(tr.get(), QEvent::KeyRelease, Qt::Key_Space, false, 1600);
    key(tr.get(), QEvent::KeyPress, Qt::Key_Space, false, 2000);
    EXPECT_EQ(gs.steps, steps + 2) << "a fresh press steps again";

    press(tr.get(), Qt::Key_Right);
    ASSERT_TRUE(gold->isVisible());
    settle();
    QMouseEvent click(QEvent::MouseButtonPress, QPointF(100, 100),
                      gold->mapToGlobal(QPointF(100, 100)), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(gold.get(), &click);
    EXPECT_FALSE(gold->isVisible());
    tr->hide();
}

TEST_F(AdventureWindows, PortalSendsTheHeroOnFootToTheNextContinent) {
    tr->showForm();
    gs.onShip = 1;
    gs.here(6, 18) = 100;
    gs.here(7, 18) = cell::kPortal;
    press(tr.get(), Qt::Key_Right);
    ASSERT_TRUE(portal->isVisible());
    EXPECT_EQ(portal->Button1->text().toStdString(), "Отправиться на АЛЛИЯ");
    portal->Button2Click();  // "Остаться"
    EXPECT_EQ(gs.continent, 1);
    press(tr.get(), Qt::Key_Right);
    const uint32_t steps = gs.steps;
    portal->Button1->click();
    EXPECT_FALSE(portal->isVisible());
    EXPECT_EQ(gs.continent, 2);
    EXPECT_EQ(gs.onShip, 0);
    EXPECT_EQ(gs.here(gs.heroX, gs.heroY), cell::kGround);
    EXPECT_EQ(gs.steps, steps + 1);
    EXPECT_EQ(gs.explored(2, gs.heroX, gs.heroY), 1);
    // The new continent's mini-map shows the hero's cell red.
    EXPECT_EQ(tr->renderer().miniMap(2).pixel(3 * gs.heroX, 3 * gs.heroY), qRgb(255, 0, 0));
    tr->hide();
}

TEST_F(AdventureWindows, SpellIsReadThreeTimesAndWinsOnlyOnTheGrave) {
    gs.graveContinent = 1;
    gs.graveX = 10;
    gs.graveY = 10;
    find->showForm();
    EXPECT_EQ(find->windowTitle().toStdString(), "Прочитать Заклятье Могущества (попыток 3).");
    EXPECT_EQ(platform.sounds.back(), dataPath(assets::kWavSpell));
    find->Button1->click();
    EXPECT_FALSE(find->isVisible());
    EXPECT_TRUE(notFind->isVisible());
    EXPECT_EQ(platform.sounds.back(), dataPath(assets::kWavNF));
    notFind->Button1Click();
    gs.heroX = 10;
    gs.heroY = 10;
    find->showForm();
    find->Button1->click();
    EXPECT_TRUE(vicGame->isVisible());
    EXPECT_FALSE(vicGame->music().playing());  // music is off
    vicGame->Button1->click();                 // play on
    EXPECT_FALSE(vicGame->isVisible());
    find->showForm();
    find->Button1->click();
    find->showForm();
    EXPECT_EQ(find->windowTitle().toStdString(), "Прочитать Заклятье Могущества (попыток 0).");
    EXPECT_FALSE(find->Button1->isEnabled());
    find->Button1Click();  // even a stray call spends nothing
    EXPECT_EQ(gs.spellTries, 0);
    find->Button2->click();
    EXPECT_FALSE(find->isVisible());
    vicGame->hide();
}

TEST_F(AdventureWindows, MapMusicComesBackAfterTheWonGameFanfare) {
    // Every piece a minute long: 96 ticks a beat at 120 bpm, the track ends
    // after 11,520 ticks.
    QDir().mkpath(dir.filePath("Music"));
    const char minute[] = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0,      0, 0,      1,    0, 96,
                           'M', 'T', 'r', 'k', 0, 0, 0, 5, '\xda', 0, '\xff', 0x2f, 0};
    for (int n = 1; n <= 7; ++n) {
        QFile f(QString::fromStdString(dataPath(n <= 6 ? assets::mapMusic(n) : assets::kMusicWin)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(minute, sizeof minute);
    }
    gs.musicOn = 1;
    tr->showForm();
    tr->Timer1Timer();
    ASSERT_TRUE(tr->music().playing());
    vicGame->showForm(tr.get());
    EXPECT_TRUE(vicGame->music().playing());
    tr->Timer1Timer();  // the map waits while the fanfare sounds
    EXPECT_FALSE(tr->music().playing());
    EXPECT_TRUE(vicGame->music().playing());
    vicGame->Button1->click();  // "Продолжить игру"
    tr->Timer1Timer();
    EXPECT_TRUE(tr->music().playing());
    gs.musicOn = 0;
    tr->Timer1Timer();
    EXPECT_FALSE(tr->music().playing());
    tr->hide();
}

TEST_F(AdventureWindows, DiaryShowsOnlyDecipheredLetters) {
    gs.diaryText.set("...НА РАССВЕТЕ ВАХНА\r\nР УМЕР");
    gs.letter(30) = 1;  // А
    text->showForm();
    EXPECT_EQ(text->Label1->text().toStdString(), "...?А ?А?????? ?А??А\n? ????");
    text->hide();
}

TEST_F(AdventureWindows, OptionsSwitchMusicAndSoundsAndAskBeforeLeaving) {
    gs.musicOn = 0;
    gs.soundOn = 1;
    options->showForm();
    EXPECT_FALSE(options->CheckBox1->isChecked());
    EXPECT_TRUE(options->CheckBox2->isChecked());
    options->CheckBox1->click();
    options->CheckBox2->click();
    EXPECT_EQ(gs.musicOn, 1);
    EXPECT_EQ(gs.soundOn, 0);
    options->Button3->click();  // answered No
    ASSERT_FALSE(platform.messages.empty());
    EXPECT_EQ(platform.messages.back(), "Вы действительно хотите выйти из игры?");
    EXPECT_TRUE(options->isVisible());
    options->Button4->click();
    EXPECT_FALSE(options->isVisible());
}

TEST_F(AdventureWindows, CommandLabelsLightUpUnderTheMouse) {
    tr->showForm();
    auto colour = [](QLabel* l) { return l->palette().color(QPalette::WindowText); };
    QMouseEvent over(QEvent::MouseMove, QPointF(3, 3), QPointF(3, 3), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(tr->Label3, &over);
    EXPECT_EQ(colour(tr->Label3), QColor(Qt::red));
    EXPECT_EQ(colour(tr->Label8), QColor(Qt::yellow));
    QMouseEvent away(QEvent::MouseMove, QPointF(700, 10), QPointF(700, 10), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(tr.get(), &away);
    EXPECT_EQ(colour(tr->Label3), QColor(Qt::yellow));
    // A click opens the window the label names.
    QMouseEvent click(QEvent::MouseButtonPress, QPointF(3, 3), QPointF(3, 3), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(tr->Label6, &over);
    EXPECT_EQ(colour(tr->Label6), QColor(Qt::red));
    QApplication::sendEvent(tr->Label6, &click);
    EXPECT_TRUE(options->isVisible());
    EXPECT_EQ(colour(tr->Label6), QColor(Qt::yellow));  // not left red behind the window
    options->Button4Click();
    // Its letter opens it too, in the Cyrillic layout as in the Latin one.
    press(tr.get(), 0x041E);  // О
    EXPECT_TRUE(options->isVisible());
    options->Button4Click();
    press(tr.get(), Qt::Key_J);
    EXPECT_TRUE(options->isVisible());
    options->Button4Click();
    tr->hide();
}

TEST_F(AdventureWindows, ClickedWalkEndsAsTheSameWalkByKeys) {
    for (int x = 1; x <= kMapW; ++x)
        for (int y = 1; y <= kMapH; ++y) gs.explored(1, x, y) = 1;
    gs.here(9, 21) = 57;  // a forest on the way
    tr->showForm();
    const auto before = std::make_unique<GameState>(gs);
    MouseWalk& walk = *tr->mouseWalk();
    auto click = [&](int x, int y) {  // a cell of the mini-map
        const QPointF at(512 + 3 * x, 5 + 3 * y);
        QMouseEvent e(QEvent::MouseButtonPress, at, tr->stage()->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(tr->stage(), &e);
    };
    click(9, 21);
    EXPECT_FALSE(walk.hasTarget());
    EXPECT_EQ(walk.line().toStdString(), "Туда не пройти");
    click(16, 25);
    ASSERT_TRUE(walk.hasTarget());
    EXPECT_EQ(walk.line().toStdString(), "Путь: 10 шагов, прибытие ≈ Неделя 1 День 1");
    std::vector<int> keys;
    for (const PathStep& s : walk.path().presses) {
        static const std::map<GameKey, int> qt = {
            {GameKey::Right, Qt::Key_Right},   {GameKey::Left, Qt::Key_Left},
            {GameKey::Up, Qt::Key_Up},         {GameKey::Down, Qt::Key_Down},
            {GameKey::PageUp, Qt::Key_PageUp}, {GameKey::PageDown, Qt::Key_PageDown},
            {GameKey::Home, Qt::Key_Home},     {GameKey::End, Qt::Key_End}};
        keys.push_back(qt.at(s.key));
    }
    click(16, 25);  // the second click walks, step by step from a timer
    EXPECT_TRUE(walk.walking());
    QElapsedTimer clock;
    clock.start();
    while (walk.walking() && clock.elapsed() < 10000) {
        QEventLoop idle;
        QTimer::singleShot(5, &idle, &QEventLoop::quit);
        idle.exec();
    }
    EXPECT_FALSE(walk.hasTarget());  // the markers are gone
    EXPECT_EQ(gs.heroX, 16);
    EXPECT_EQ(gs.heroY, 25);
    const uint32_t steps = gs.steps;
    const QString calendar = tr->Label2->text(), position = tr->Label1->text();

    gs = *before;
    for (int k : keys) press(tr.get(), k);
    EXPECT_EQ(gs.heroX, 16);
    EXPECT_EQ(gs.heroY, 25);
    EXPECT_EQ(gs.steps, steps);
    EXPECT_EQ(steps, before->steps + 10);
    EXPECT_EQ(tr->Label2->text(), calendar);
    EXPECT_EQ(tr->Label1->text(), position);
    tr->hide();
}
