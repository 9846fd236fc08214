#include "ui/battle/BattleWindow.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "core/battle/BattleLogText.h"
#include "core/flow/Sound.h"
#include "platform/AnimationSpeed.h"
#include "platform/AssetNames.h"
#include "platform/Paths.h"
#include "platform/Platform.h"
#include "platform/Report.h"
#include "platform/qt/QtKeys.h"
#include "ui/battle/BattleLogWindow.h"
#include "ui/battle/RetreatWindow.h"
#include "ui/kit/GamepadInput.h"
#include "ui/kit/Look.h"
#include "ui/kit/OutlinedLabel.h"
#include "ui/kit/QuickClose.h"
#include "ui/shell/HandoverRunner.h"

using namespace battle;

namespace {

constexpr int kFieldX = 5;  // where the field sits in the window
constexpr int kFieldY = 30;
constexpr QSize kFieldSize(560, 400);

// Texts keep the game's CR LF breaks; a label only needs the line feeds.
QString labelText(const std::string& s) {
    QString q = QString::fromStdString(s);
    q.remove(QChar('\r'));
    return q;
}

QLabel* makeLabel(QWidget* parent, int x, int y, int w, int h, QColor colour, int pixelSize,
                  bool fixedPitch = false) {
    auto* l = new QLabel(parent);
    l->setGeometry(x, y, w, h);
    QFont f = l->font();
    f.setBold(true);
    f.setPixelSize(pixelSize);
    l->setFont(fixedPitch ? look::courier(pixelSize) : f);
    look::setTextColour(l, colour);
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    return l;
}

// A help line as the rules give it or, for the pad, naming its buttons and the
// right stick's cursor.
QString helpText(const std::string& text, bool pad) {
    if (!pad) return labelText(text);
    const QString a = padName(PadButton::A);
    if (text == kHelpMove)
        return QStringLiteral(
                   "Перемещение/атака - крестовиной. %1 - подождать. %2 - закончить ход.")
            .arg(padName(padButtonForLetter(PadScreen::Battle, 'W')), a);
    if (text == kHelpShoot)
        return QStringLiteral(
                   "Стреляет (если рядом нет врагов). Для выстрела: правый стик на врага и %1.")
            .arg(a);
    if (text == kHelpFly)
        return QStringLiteral("Летает. Для полета: правый стик на свободную клетку и %1.").arg(a);
    return labelText(text);
}

}  // namespace

TBattleForm::TBattleForm(GameContext& c) : GameForm(c), engine_(c.gs, c.session, c.rnd, *this) {
    setWindowTitle(QStringLiteral("Битва"));
    setClientSize(570, 546);
    // No one leaves a fight by closing its window.
    setCloseHintText("Бой не покинуть — только «Отступить»");
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(128, 64, 64));
    setPalette(pal);
    setMouseTracking(true);

    Bevel2 = new QFrame(this);
    Bevel2->setGeometry(16, 6, 177, 17);
    Bevel3 = new QFrame(this);
    Bevel3->setGeometry(376, 6, 177, 17);
    for (QFrame* b : {Bevel2, Bevel3}) {
        b->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        b->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    Label1 = makeLabel(this, 258, 8, 80, 17, Qt::white, 15);
    Label1->setText(QStringLiteral("Т У Р: 0"));
    Edit1 = makeLabel(this, 8, 438, 481, 13, QColor(0, 255, 0), 11);
    look::setBackground(Edit1, Qt::black);
    Label2 = makeLabel(this, 494, 437, 72, 16, Qt::white, 12);
    Label2->setText(QStringLiteral("Отступить"));
    Label2->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    Label2->setMouseTracking(true);
    Label2->installEventFilter(this);
    Label2->setToolTip(QStringLiteral(
        "Покинуть бой: окно спросит ещё раз, и уцелевшие отряды потеряют половину воинов."));
    Label2->hide();
    Memo1 = makeLabel(this, 8, 454, 553, 65, QColor(0, 255, 0), 11, true);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    look::setBackground(Memo1, Qt::black);
    Label3 = makeLabel(this, 8, 519, 556, 13, QColor(192, 192, 192), 11);
    Label4 = makeLabel(this, 8, 532, 556, 13, QColor(192, 192, 192), 11);

    // Over the field's top edge, where the window's title may be cut off.
    autoNotice_ = new OutlinedLabel(QString(), this);
    autoNotice_->setObjectName(QStringLiteral("AutoNotice"));
    QFont noticeFont = autoNotice_->font();
    noticeFont.setBold(true);
    noticeFont.setPixelSize(14);
    autoNotice_->setFont(noticeFont);
    look::setTextColour(autoNotice_, Qt::yellow);
    autoNotice_->setAlignment(Qt::AlignCenter);
    autoNotice_->setGeometry(kFieldX, kFieldY + 2, 560, 20);
    autoNotice_->setAttribute(Qt::WA_TransparentForMouseEvents);
    autoNotice_->hide();

    Timer1 = new QTimer(this);
    Timer1->setInterval(350);
    connect(Timer1, &QTimer::timeout, this, &TBattleForm::Timer1Timer);

    canvas_ = composingCanvas(kFieldSize);
    log_ = new TBattleLogForm(this);
    followLastInput(this, [this](bool) { showKeyTexts(); });
}

// ---- show and close --------------------------------------------------------

void TBattleForm::FormShow() {
    // The battle stands in the middle of the screen, whatever opened it.
    if (QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    overlay_.clear();
    Memo1->clear();
    memoCode_ = 0;
    look::setTextColour(Label2, Qt::white);
    autoHero_ = autoTogglePending_ = false;
    autoNotice_->hide();
    log_->start();
    setWindowTitle(QStringLiteral("Битва"));
    if (resume_) {
        // The field quick combat left: no new set-up, the clock goes on.
        resume_ = false;
        engine_.ShowTurn();
        clockRunning(true);
    } else {
        engine_.Setup(true);
    }
    loadPictures();
    canvasStale_ = true;
    setFocus();
}

void TBattleForm::resumeBattle() {
    resume_ = true;
    showForm();
}

void TBattleForm::loadPictures() {
    auto battle = [this](const std::string& file) {
        return Picture(LoadPic(ctx.platform, dataPath(std::string(assets::kBattle) + file)));
    };
    background_ = battle(assets::battleBackground(engine_.background));
    // Above scale 1 the field is composed at twice its size, from the twins.
    canvas_ = composingCanvas(kFieldSize);
    if (!staticLoaded_) {
        for (int n = 1; n <= 3; ++n) water_[n - 1] = battle("water" + std::to_string(n) + ".pic");
        rock_ = battle("rock.pic");
        dead_ = battle("dead.pic");
        pit_ = battle("pit.pic");
        bog_ = battle("bog.pic");
        wall_ = battle("wall.pic");
        for (int n = 1; n <= 2; ++n) lake_[n - 1] = battle("lake" + std::to_string(n) + ".pic");
        for (int n = 1; n <= 2; ++n) tree_[n - 1] = battle("tree" + std::to_string(n) + ".pic");
        for (int n = 1; n <= 4; ++n) {
            boom_[n - 1] = battle("boom" + std::to_string(n) + ".pic");
            shot_[n - 1] = battle("shot" + std::to_string(n) + ".pic");
        }
        for (int n = 1; n <= 3; ++n) skull_[n - 1] = battle("skull" + std::to_string(n) + ".pic");
        staticLoaded_ = true;
    }
    for (int k = 1; k <= kSlots; ++k)
        for (int side : {kHeroSide, kEnemySide}) {
            const Troop& t = engine_.stack(side, k);
            Picture& p = stacks_[side - 1][k - 1];
            p = Picture();
            if (t.count > 0)
                p = Picture(LoadPic(ctx.platform,
                                    dataPath(std::string(assets::kArmy) + t.picFile.str()),
                                    side == kEnemySide ? Mirror::Yes : Mirror::No));
        }
}

void TBattleForm::freePictures() {
    for (auto& side : stacks_)
        for (Picture& p : side) p = Picture();
    background_ = Picture();
}

void TBattleForm::closeBattle() {
    Timer1->stop();
    freePictures();
    overlay_.clear();
    log_->stop();
    hide();
}

// ---- what the rules show ---------------------------------------------------

bool TBattleForm::battleVisible() const {
    return isVisible();
}

void TBattleForm::status(const std::string& text) {
    Edit1->setText(labelText(text));
    if (animationShown()) Edit1->repaint();
}

void TBattleForm::help(const std::string& text) {
    help_ = text;
    Label3->setText(helpText(help_, LastInput::pad()));
}
void TBattleForm::help2(const std::string& text) {
    help2_ = text;
    Label4->setText(helpText(help2_, LastInput::pad()));
}

void TBattleForm::showKeyTexts() {
    const bool pad = LastInput::pad();
    Label3->setText(helpText(help_, pad));
    Label4->setText(helpText(help2_, pad));
    const QString back = pad ? padName(padButtonForLetter(PadScreen::Battle, 'A')) : "A";
    autoNotice_->setText(
        QStringLiteral("Ваши войска ведёт компьютер (%1 — вернуть управление)").arg(back));
    if (autoHero_)
        setWindowTitle(QStringLiteral("Битва - ваши войска ведёт компьютер (%1)").arg(back));
}
void TBattleForm::roundLabel(const std::string& text) {
    if (engine_.round() == 1) report("round 1");
    Label1->setText(labelText(text));
    Label1->adjustSize();
}

void TBattleForm::retreatShown(bool shown) {
    Label2->setVisible(shown);
}

void TBattleForm::cursor(Cursor c) {
    setCursor(c == Cursor::Cross  ? Qt::CrossCursor
              : c == Cursor::Hand ? Qt::PointingHandCursor
                                  : Qt::ArrowCursor);
}

void TBattleForm::repaint() {
    overlay_.clear();
    if (!animationShown()) {
        // No frames in between: the field is drawn when the window next paints.
        canvasStale_ = true;
        update();
        return;
    }
    drawCanvas();
    QWidget::repaint();
}

void TBattleForm::pause(int ms) {
    ++pauseDepth_;
    ctx.platform.pause(ms);
    if (--pauseDepth_ > 0) return;
    if (autoTogglePending_) {
        autoTogglePending_ = false;
        toggleAutoHero();
    } else if (autoHero_) {
        playHeroTurnLater();  // a turn that came during the pause waits for none
    }
}

// ---- the computer plays the hero's side (A) --------------------------------

void TBattleForm::toggleAutoHero() {
    autoHero_ = !autoHero_;
    if (!autoHero_) setWindowTitle(QStringLiteral("Битва"));
    showKeyTexts();
    autoNotice_->setVisible(autoHero_);
    if (autoHero_) playHeroTurnLater();
}

void TBattleForm::heroTurn() {
    if (autoHero_) playHeroTurnLater();
}

void TBattleForm::playHeroTurnLater() {
    if (autoTurnQueued_) return;
    autoTurnQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        autoTurnQueued_ = false;
        // Inside a pause the stack is in the middle of something; the pause's
        // end asks again.
        if (ctx.platform.pausing()) return;
        // Each turn ends when the next hero stack has the turn: the computer
        // plays on until A gives the stacks back or the battle is over.
        while (autoHero_ && isVisible() && !ctx.platform.pausing() &&
               engine_.activeHeroCode() != 0 && engine_.running())
            engine_.SideTurn(kHeroSide);
    });
}

void TBattleForm::sound(const std::string& relativePath) {
    PlayWave(ctx.gs, ctx.platform, relativePath);
}

void TBattleForm::clockRunning(bool on) {
    if (on)
        Timer1->start();
    else
        Timer1->stop();
}

void TBattleForm::frame(FrameKind kind, int n, Cell cell) {
    if (n < 1 || n > 4 || !animationShown()) return;
    Overlay o;
    o.from = cell;
    o.picture = kind == FrameKind::Missile ? &shot_[n - 1] : &boom_[n - 1];
    overlay_.push_back(o);
    QWidget::repaint();
}

void TBattleForm::shotLine(Cell from, Cell to) {
    if (!animationShown()) return;
    Overlay o;
    o.line = true;
    o.from = from;
    o.to = to;
    overlay_.push_back(o);
    QWidget::repaint();
}

void TBattleForm::battleOver(bool heroWon) {
    runHandover(ctx, heroWon ? Handover::BattleWon : Handover::BattleLost, *this);
    report("result window");
}

void TBattleForm::event(const BattleEvent& e) {
    const int side = e.kind == BattleEvent::Kind::Round ? 0 : sideOf(e.actor);
    log_->add(labelText(logLine(e, engine_)), side);
    // The info box follows the stack it describes, and empties when it dies.
    if (memoCode_ == 0 || (e.actor != memoCode_ && e.target != memoCode_)) return;
    const Troop& t = engine_.StackByCode(memoCode_);
    if (t.count > 0) {
        Memo1->setText(labelText(stackDescription(t)));
        return;
    }
    Memo1->clear();
    memoCode_ = 0;
}

// ---- drawing ---------------------------------------------------------------

const Picture* TBattleForm::stackPicture(int code) const {
    if (!isStackCode(code)) return nullptr;
    const Picture& p = stacks_[sideOf(code) - 1][slotOf(code) - 1];
    return p.isNull() ? nullptr : &p;
}

void TBattleForm::drawCanvas() {
    canvasStale_ = false;
    if (engine_.animPhase < 0) return;
    const int phase = engine_.animPhase;
    QPainter p(&canvas_);
    QFont countFont = font();
    countFont.setBold(true);
    countFont.setPixelSize(12);
    p.setFont(countFont);
    const QFontMetrics fm(countFont);
    for (int x = 1; x <= kCols; ++x)
        for (int y = 1; y <= kRows; ++y) {
            const int cx = 80 * (x - 1), cy = 80 * (y - 1);
            if (!background_.isNull())
                background_.draw(p, cx, cy);
            else
                p.fillRect(cx, cy, 80, 80, QColor(60, 90, 40));
            if (engine_.dead.at(x, y) == 1) dead_.drawTransparent(p, cx, cy);
            const int code = engine_.field.at(x, y);
            static constexpr int kWaterFrame[4] = {0, 1, 2, 1};
            switch (code) {
                case kFree:
                    break;
                case kWater:
                    water_[kWaterFrame[(phase - 1) & 3]].drawTransparent(p, cx, cy);
                    break;
                case kRock:
                    rock_.drawTransparent(p, cx, cy);
                    break;
                case kTree:
                    tree_[phase <= 2 ? 0 : 1].drawTransparent(p, cx, cy);
                    break;
                case kPit:
                    pit_.drawTransparent(p, cx, cy);
                    break;
                case kLake:
                    lake_[phase % 2 == 1 ? 0 : 1].drawTransparent(p, cx, cy);
                    break;
                case kBog:
                    bog_.drawTransparent(p, cx, cy);
                    break;
                case kWall:
                    wall_.drawTransparent(p, cx, cy);
                    break;
                default: {
                    if (!isStackCode(code)) break;
                    const Troop& t = engine_.StackByCode(code);
                    if (t.active == 1) {
                        const QPoint outline[6] = {{cx + 10, cy + 65}, {cx + 23, cy + 72},
                                                   {cx + 57, cy + 72}, {cx + 70, cy + 65},
                                                   {cx + 57, cy + 59}, {cx + 23, cy + 59}};
                        p.setPen(QPen(phase <= 2 ? Qt::yellow : QColor(0, 255, 0), 2));
                        p.setBrush(Qt::NoBrush);
                        p.drawPolygon(outline, 6);
                    }
                    if (const Picture* pic = stackPicture(code)) pic->drawTransparent(p, cx, cy);
                    // The count on a black box, with a margin around the digits so
                    // that the counts of two neighbouring stacks never read as one.
                    constexpr int kPad = 3;
                    const QString n = QString::number(t.count);
                    const int w = fm.horizontalAdvance(n) + 2 * kPad;
                    const int left = sideOf(code) == kHeroSide ? cx + 80 - 4 - w : cx + 4;
                    const QRect box(left, cy + 64, w, qMin(fm.height() + 2, 16));
                    p.fillRect(box, Qt::black);
                    p.setPen(Qt::white);
                    p.drawText(box, Qt::AlignCenter, n);
                }
            }
        }
    if (engine_.gridLines) {
        p.setPen(QPen(Qt::white, 1));
        for (int x = 81; x <= 481; x += 80) p.drawLine(x, 0, x, 400);
        for (int y = 81; y <= 321; y += 80) p.drawLine(0, y, 560, y);
    }
    if (engine_.moving.shown)
        if (const Picture* pic = stackPicture(engine_.moving.code))
            pic->drawTransparent(p, engine_.moving.x, engine_.moving.y);
}

void TBattleForm::paintEvent(QPaintEvent*) {
    if (engine_.animPhase < 0) return;
    if (canvasStale_) drawCanvas();
    QPainter p(this);
    // The field composed at twice its size is scaled once, smoothly, to the screen.
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    static constexpr int kSkullFrame[4] = {0, 1, 2, 1};
    const Picture& skull = skull_[kSkullFrame[(engine_.animPhase - 1) & 3]];
    if (!skull.isNull()) {
        skull.drawTransparent(p, 215, 2);
        skull.drawTransparent(p, 332, 2);
    }
    p.drawImage(kFieldX, kFieldY, canvas_);
    if (padCursor_) {
        p.setPen(QPen(look::kPadGold, 3));
        p.setBrush(Qt::NoBrush);
        p.drawRect(kFieldX + 80 * (padCursorAt_.x - 1) + 2, kFieldY + 80 * (padCursorAt_.y - 1) + 2,
                   76, 76);
    }
    for (const Overlay& o : overlay_) {
        if (o.line) {
            p.setPen(QPen(Qt::white, 1, Qt::DotLine));
            p.drawLine(80 * o.from.x - 35, 80 * o.from.y - 24, 80 * o.to.x - 35, 80 * o.to.y - 24);
        } else if (o.picture && !o.picture->isNull()) {
            o.picture->drawTransparent(p, 80 * (o.from.x - 1) + kFieldX,
                                       80 * (o.from.y - 1) + kFieldY);
        }
    }
}

void TBattleForm::Timer1Timer() {
    engine_.Tick();
}

// ---- input -----------------------------------------------------------------

bool TBattleForm::cellAt(int x, int y, Cell& cell) {
    if (x < kFieldX || y < kFieldY) return false;
    const int col = (x - kFieldX) / 80 + 1, row = (y - kFieldY) / 80 + 1;
    if (col > kCols || row > kRows) return false;
    cell = {col, row};
    return true;
}

void TBattleForm::keyPressEvent(QKeyEvent* e) {
    // The battle's letters are named for their keys: the key that types one
    // counts as well as the key in its place.
    const char letter = letterKey(e, "LAW", LetterRule::PlaceOrLetter);
    if (letter == 'L') {
        if (!quickclose::isRepeat(e)) log_->toggle();
        return;
    }
    if (letter == 'A') {
        // Kept through a pause: it counts when the pause is over.
        if (ctx.platform.pausing())
            autoTogglePending_ = !autoTogglePending_;
        else
            toggleAutoHero();
        return;
    }
    if (ctx.platform.pausing() || engine_.activeHeroCode() == 0 || autoHero_) return;
    if (letter == 'W') {
        engine_.HeroWait();
        return;
    }
    const GameKey k = gameKey(e);
    if (k == GameKey::Space) {
        engine_.HeroEndTurn();
    } else if (k != GameKey::None) {
        const KeyStep step = keyStep(k);
        engine_.HeroDirection(step.dx, step.dy);
    }
}

void TBattleForm::mousePressEvent(QMouseEvent* e) {
    if (ctx.platform.pausing()) return;
    if (e->button() == Qt::RightButton) {
        engine_.ToggleGrid();
        return;
    }
    if (e->button() != Qt::LeftButton) return;
    Cell c;
    const QPoint at = e->position().toPoint();
    if (cellAt(at.x(), at.y(), c)) clickCell(c);
}

void TBattleForm::clickCell(Cell c) {
    if (ctx.platform.pausing() || autoHero_) return;
    engine_.HeroClick(c);
}

void TBattleForm::mouseMoveEvent(QMouseEvent* e) {
    look::setTextColour(Label2, Qt::white);
    Memo1->clear();
    memoCode_ = 0;
    Cell c;
    const QPoint at = e->position().toPoint();
    if (!cellAt(at.x(), at.y(), c)) return;
    const int code = engine_.field.at(c);
    if (!isStackCode(code)) return;
    look::setTextColour(Memo1, sideOf(code) == kHeroSide ? QColor(0, 255, 0) : Qt::yellow);
    Memo1->setText(labelText(stackDescription(engine_.StackByCode(code))));
    memoCode_ = code;
}

bool TBattleForm::eventFilter(QObject* watched, QEvent* e) {
    if (watched == Label2) {
        if (e->type() == QEvent::Enter || e->type() == QEvent::MouseMove) {
            look::setTextColour(Label2, Qt::red);
            // Not passed on: the window's own move handler would whiten it again.
            return e->type() == QEvent::MouseMove;
        } else if (e->type() == QEvent::Leave)
            look::setTextColour(Label2, Qt::white);
        else if (e->type() == QEvent::MouseButtonPress &&
                 static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
            Label2Click();
            return true;
        }
    }
    return GameForm::eventFilter(watched, e);
}

// The pad: B is the retreat label's click. The right stick shows a cursor on
// the field and moves it; while it shows, A clicks its cell (a shot or a
// flight) and B hides it. A direction hides it and acts as its key.
bool TBattleForm::padCommand(const PadPress& p) {
    using Kind = PadPress::Kind;
    if (p.kind == Kind::Cursor) {
        const KeyStep s = keyStep(p.key);
        if (!padCursor_) {
            // From the stack that has the turn; before any has it (the battle's
            // first moment, the enemy's turn), from the hero's first stack.
            padCursorAt_ = Cell{1, 1};
            const int active = engine_.activeHeroCode();
            bool found = active != 0 && engine_.FindStack(active, padCursorAt_);
            for (int k = 1; !found && k <= kSlots; ++k)
                found = engine_.FindStack(codeOf(kHeroSide, k), padCursorAt_);
        }
        padCursorAt_ =
            Cell{qBound(1, padCursorAt_.x + s.dx, kCols), qBound(1, padCursorAt_.y + s.dy, kRows)};
        padCursor_ = true;
        update();
        return true;
    }
    const bool click = p.kind == Kind::Game && p.key == GameKey::Space;
    if (!padCursor_) {
        if (p.kind != Kind::Retreat) return false;
        Label2Click();
        return true;
    }
    padCursor_ = false;
    update();
    if (click) clickCell(padCursorAt_);
    return click || p.kind == Kind::Retreat;
}

void TBattleForm::Label2Click() {
    if (ctx.platform.pausing() || !Label2->isVisible() || !ctx.forms.surrend) return;
    ctx.forms.surrend->showForm(this);
}
