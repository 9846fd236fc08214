#include "ui/adventure/MapWindow.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QTableWidget>
#include <QWindow>

#include "core/data/GameState.h"
#include "core/flow/Settings.h"
#include "core/flow/Sound.h"
#include "core/towns/Relations.h"
#include "core/towns/TownRules.h"
#include "platform/AnimationSpeed.h"
#include "platform/AssetNames.h"
#include "platform/Paths.h"
#include "platform/Platform.h"
#include "platform/qt/QtKeys.h"
#include "ui/adventure/DiaryWindow.h"
#include "ui/adventure/MouseWalk.h"
#include "ui/adventure/OptionsWindow.h"
#include "ui/adventure/PortalWindow.h"
#include "ui/adventure/SpellWindow.h"
#include "ui/adventure/TreasureWindow.h"
#include "ui/battle/BanditWindow.h"
#include "ui/battle/BattleWindow.h"
#include "ui/kit/GamepadInput.h"
#include "ui/kit/Look.h"
#include "ui/shell/SettingsFile.h"
#include "ui/shell/StartWindow.h"
#include "ui/towns/ArmyWindow.h"
#include "ui/towns/NewWeekWindow.h"
#include "ui/towns/TownListWindow.h"
#include "ui/towns/TownWindow.h"

namespace {

// The map's own layout: the window, the 5 x 5 view and the mini-map beside it.
constexpr int kWidth = 732;
constexpr int kHeight = 511;
const QRect kMapRect(6, 5, 500, 500);
const QPoint kMiniAt(512, 5);
constexpr int kStepPauseMs = 23;
// Room the panel and the margins leave the view in the wider view.
constexpr int kBesideView = kWidth - 500;
constexpr int kAboveBelowView = 11;

const QColor kMapColour(0x75, 0x51, 0x4A);
const QColor kBevelDark(0x3A, 0x28, 0x22);
const QColor kBevelLight(0xA8, 0x8C, 0x80);

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

// The command labels' keys (by their place: the Russian letter is the label's
// initial, the Latin one shares its key) and what the labels do.
struct CommandKey {
    char latin;
    const char* does;
};
constexpr CommandKey kCommandKeys[5] = {
    {'U', "Список городов континента"},
    {'F', "Ваша армия: отряды, их порядок в бою, роспуск"},
    {'J', "Музыка, звуки, сохранение, загрузка и выход"},
    {'Y', "Дневник Назга: где искать могилу Вахнара"},
    {'P', "Прочитать Заклятье Могущества"},
};

}  // namespace

// Everything the map shows, at the map's own size (or the wider view's); the
// window around it only adds the backdrop in full screen.
class MapStage : public QWidget {
public:
    explicit MapStage(TTrForm& map) : QWidget(&map), map_(map) {
        setMouseTracking(true);
        // paintStage fills what the view and the mini-map leave: a tick that
        // changed a few cells paints only those.
        setAttribute(Qt::WA_OpaquePaintEvent);
        QPalette pal = palette();
        pal.setColor(QPalette::Window, kMapColour);
        setPalette(pal);
    }

protected:
    void paintEvent(QPaintEvent* e) override {
        QPainter p(this);
        map_.paintStage(p, e->region());
    }

private:
    TTrForm& map_;
};

TTrForm::TTrForm(GameContext& c) : GameForm(c), movement_(c.gs, c.session, *this) {
    setWindowTitle(QStringLiteral("Вестран"));
    setClientSize(kWidth, kHeight);
    setKeepFocus(false);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kMapColour);
    setPalette(pal);
    stage_ = new MapStage(*this);
    stage_->setGeometry(0, 0, kWidth, kHeight);
    viewRect_ = kMapRect;

    auto plain = [this](int x, int y, const QColor& colour) {
        auto* l = new QLabel(stage_);
        l->setFont(look::sans(11));
        l->move(x, y);
        l->resize(200, 15);
        look::setTextColour(l, colour);
        return l;
    };
    Label2 = plain(520, 255, Qt::white);
    Label1 = plain(520, 271, Qt::white);
    Label7 = plain(520, 359, Qt::cyan);
    Label7->resize(200, 30);
    Label7->setWordWrap(true);
    Label7->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Label9 = commandLabel(QStringLiteral("ГОРОДА"), 520, 296);
    Label3 = commandLabel(QStringLiteral("АРМИЯ"), 600, 296);
    Label6 = commandLabel(QStringLiteral("ОПЦИИ"), 673, 296);
    Label5 = commandLabel(QStringLiteral("ДНЕВНИК"), 541, 328);
    Label8 = commandLabel(QStringLiteral("ЗАКЛЯТЬЕ"), 633, 328);
    commands_ = {Label9, Label3, Label6, Label5, Label8};
    followLastInput(this, [this](bool pad) {
        for (size_t i = 0; i < commands_.size(); ++i) {
            const CommandKey& k = kCommandKeys[i];
            const QString does = QString::fromUtf8(k.does);
            commands_[i]->setToolTip(
                pad ? QStringLiteral("%1.\nКнопка %2")
                          .arg(does, padName(padButtonForLetter(PadScreen::Map, k.latin)))
                    : QStringLiteral("%1.\nКлавиша %2 (%3)")
                          .arg(does, cyrillicOnKey(k.latin), QChar::fromLatin1(k.latin)));
        }
    });

    StringGrid1 = new QTableWidget(6, 2, stage_);
    StringGrid1->setGeometry(519, 392, 201, 105);
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setFont(look::sans(11));
    for (int col = 0; col < 2; ++col) StringGrid1->setColumnWidth(col, 100);
    for (int row = 0; row < 6; ++row) StringGrid1->setRowHeight(row, 16);
    for (int row = 0; row < 6; ++row)
        for (int col = 0; col < 2; ++col) StringGrid1->setItem(row, col, new QTableWidgetItem);
    QPalette gp = StringGrid1->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        gp.setColor(group, QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
        gp.setColor(group, QPalette::Text, Qt::black);
    }
    StringGrid1->setPalette(gp);
    StringGrid1->setEnabled(false);

    Timer1 = new QTimer(this);
    Timer1->setInterval(200);
    connect(Timer1, &QTimer::timeout, this, &TTrForm::Timer1Timer);

    walk_ = new MouseWalk(*this, *stage_, ctx, kMapRect, miniRect(),
                          [this](GameKey k) { return movement_.keyDown(k); });
    for (QWidget* w : {static_cast<QWidget*>(Label2), static_cast<QWidget*>(Label1),
                       static_cast<QWidget*>(Label7), static_cast<QWidget*>(StringGrid1)})
        panel_.emplace_back(w, w->pos());
    for (QLabel* l : commands_) panel_.emplace_back(l, l->pos());
}

QWidget* TTrForm::stage() const {
    return stage_;
}

QRect TTrForm::miniRect() const {
    return QRect(kMiniAt + QPoint(panelShift_, 0), QSize(MapRenderer::kMiniW, MapRenderer::kMiniH));
}

QLabel* TTrForm::commandLabel(const QString& text, int x, int y) {
    auto* l = new QLabel(text, stage_);
    l->setFont(look::sans(11));
    l->move(x, y);
    l->adjustSize();
    l->setCursor(Qt::PointingHandCursor);
    l->setMouseTracking(true);
    l->installEventFilter(this);
    look::setTextColour(l, Qt::yellow);
    return l;
}

void TTrForm::FormKeyDown(int key) {
    movement_.keyDown(gameKey(key, false));
}

// The map stays visible and enabled behind a battle, and a click on it reaches it
// before the battle takes the focus back: a step or an army window opened then
// would meet another band or reorder the slots the battle writes its survivors
// back to. The player's own keys and clicks wait until the battle is over.
bool TTrForm::battleRunning() const {
    return ctx.forms.battle && ctx.forms.battle->isVisible();
}

void TTrForm::keyPressEvent(QKeyEvent* e) {
    const MapKey k = gameKey(e);
    if (battleRunning()) return;
    if (k == MapKey::None) {
        if (!commandKey(e)) GameForm::keyPressEvent(e);
        return;
    }
    movement_.keyDown(k);
}

// The right stick shows a cursor over the view and moves it; while it shows, A
// clicks its cell (the way, then the walk) and B hides it. A direction hides it
// and steps as its key does.
bool TTrForm::padCommand(const PadPress& p) {
    using Kind = PadPress::Kind;
    if (battleRunning()) return false;
    if (p.kind == Kind::Cursor) {
        const KeyStep s = keyStep(p.key);
        const ViewCells& v = renderer_.view();
        const QPoint from = padCursor_ ? padCursorAt_ : QPoint(0, 0);
        padCursorAt_ = QPoint(qBound(-v.cols / 2, from.x() + s.dx, v.cols / 2),
                              qBound(-v.rows / 2, from.y() + s.dy, v.rows / 2));
        padCursor_ = true;
        stage_->update(viewRect_);
        return true;
    }
    if (!padCursor_) return false;
    const bool click = p.kind == Kind::Game && p.key == GameKey::Space;
    if (click && !walk_->walking()) {
        walk_->clickCell(qBound(1, ctx.gs.heroX + padCursorAt_.x(), kMapW),
                         qBound(1, ctx.gs.heroY + padCursorAt_.y(), kMapH));
        if (!walk_->walking()) return true;
    }
    padCursor_ = false;
    stage_->update(viewRect_);
    if (p.kind == Kind::Escape && walk_->walking()) walk_->stop();
    return click || p.kind == Kind::Escape;
}

// A pad pulled out mid-walk: the walk ends as at a key.
void TTrForm::padGone() {
    walk_->stop();
    padCursor_ = false;
    stage_->update(viewRect_);
}

bool TTrForm::commandKey(const QKeyEvent* e) {
    if (e->isAutoRepeat() || (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    if (e->key() == Qt::Key_F1) {
        if (ctx.forms.start) ctx.forms.start->Button9Click();
        return true;
    }
    if (e->key() == Qt::Key_F11) {
        toggleFullscreen();
        return true;
    }
    for (size_t i = 0; i < commands_.size(); ++i)
        if (isLetterKey(e, kCommandKeys[i].latin)) {
            labelClicked(commands_[i]);
            return true;
        }
    return false;
}

// ---- show, paint, timer ------------------------------------------------------

void TTrForm::FormShow() {
    if (screen::fullscreen() != fullscreen_)
        setFullscreen(screen::fullscreen());
    else if (fullscreen_)
        keepWindowsAbove(true);
    if (fullscreen_ && screen()) setGeometry(screen()->geometry());
    music_.setFile(dataPath(assets::mapMusic(1)));
    music_.open();
    // Above scale 1 the map is composed at twice its size and scaled once.
    if (!renderer_.loaded()) renderer_.loadPictures(ctx.platform, devicePixelRatioF() > 1);
    buildGroundLayer();
    FormActivate();
    Timer1->start();
    setFocus();
    FormKeyDown(Qt::Key_Space);
}

void TTrForm::buildGroundLayer() {
    renderer_.buildGroundLayer(ctx.gs);
}

void TTrForm::FormPaint() {
    if (ctx.gs.gold != shownGold_ || ctx.gs.authority != shownAuthority_ || !shownMoney_) {
        shownGold_ = ctx.gs.gold;
        shownAuthority_ = ctx.gs.authority;
        shownMoney_ = true;
        Label7->setText(qs(statusLine(ctx.gs)));
    }
    renderer_.composeFrame(ctx.gs, animPhase_);
    // Only what the frame changed is painted anew: the cells whose pictures
    // differ, the whole view when it moved, and the mini-map's dots.
    const QPoint toStage = viewRect_.topLeft() - renderer_.viewSource().topLeft();
    QRegion dirty = renderer_.frameChanged().translated(toStage) & viewRect_;
    if (ctx.gs.stepShiftX == 0 && ctx.gs.stepShiftY == 0)
        dirty += renderer_.miniChanged().translated(miniRect().topLeft());
    if (!dirty.isEmpty()) stage_->update(dirty);
}

void TTrForm::paintStage(QPainter& p, const QRegion& dirty) {
    const QRegion panel = dirty - viewRect_ - miniRect();
    for (const QRect& r : panel) p.fillRect(r, kMapColour);
    const QRegion view = dirty & viewRect_;
    for (const QRect& part : view) paintView(p, part);
    if (dirty.intersects(miniRect()))
        p.drawImage(miniRect().topLeft(), renderer_.miniMap(ctx.gs.continent));
    if (padCursor_) {
        const QRect src = renderer_.viewSource();
        const ViewCells& v = renderer_.view();
        const QRect cell(viewRect_.left() + (padCursorAt_.x() + v.heroCol()) * 100 - src.x(),
                         viewRect_.top() + (padCursorAt_.y() + v.heroRow()) * 100 - src.y(), 100,
                         100);
        p.setClipRect(viewRect_);
        p.setPen(QPen(look::kPadGold, 3));
        p.setBrush(Qt::NoBrush);
        p.drawRect(cell.adjusted(2, 2, -2, -2));
        p.setClipping(false);
    }
    // The panel's bevels, where the paint reaches them: a tick that changed a
    // few cells inside the view or the mini-map leaves them as they are. The
    // margin covers the pixels a fractional scale shares between a line and
    // what lies next to it.
    auto touched = [&dirty](const QRect& outline) {
        const QRect inner = outline.adjusted(3, 3, -3, -3);
        for (const QRect& r : dirty)
            if (r.intersects(outline.adjusted(-3, -3, 3, 3)) && !inner.contains(r)) return true;
        return false;
    };
    p.setPen(kBevelDark);
    for (const QRect& r : {viewRect_.adjusted(-2, -2, 1, 1), miniRect().adjusted(-2, -2, 1, 1)})
        if (touched(r)) p.drawRect(r);
    p.setPen(kBevelLight);
    for (const QRect& r : {QRect(512, 252, 214, 37), QRect(512, 292, 214, 58),
                           QRect(512, 354, 214, 34), QRect(512, 390, 214, 112)})
        if (touched(r.translated(panelShift_, 0))) p.drawRect(r.translated(panelShift_, 0));
}

// A part of the view from the frame surface. Where the surface's pixels are the
// screen's own (scale 1, or 2 with the pictures composed at twice their size)
// it is a plain copy. At other scales the frame is smoothed as it is scaled; the
// part is drawn with a margin, so that the smoothing at its edges reads the same
// pixels as the whole view's would, and the paint's clip keeps it to the part.
void TTrForm::paintView(QPainter& p, const QRect& part) {
    const int f = renderer_.factor();
    const QPoint toFrame = renderer_.viewSource().topLeft() - viewRect_.topLeft();
    const qreal ratio = stage_->devicePixelRatioF();
    // A rectangular clip keeps the copy a plain one, in this thread.
    if (f == 1 && qFuzzyCompare(ratio, qreal(1))) {
        p.setClipRect(part);
        p.drawImage(part.topLeft(), renderer_.frame(), part.translated(toFrame));
        p.setClipping(false);
        return;
    }
    if (qFuzzyCompare(ratio, qreal(f))) {
        p.save();
        p.setClipRect(part);
        p.scale(1.0 / f, 1.0 / f);
        p.drawImage(part.topLeft() * f, renderer_.frame(),
                    QRect((part.topLeft() + toFrame) * f, part.size() * f));
        p.restore();
        return;
    }
    const QRect wider = part.adjusted(-2, -2, 2, 2) & viewRect_;
    p.setRenderHint(QPainter::SmoothPixmapTransform, f > 1);
    p.drawImage(wider, renderer_.frame(), QRect((wider.topLeft() + toFrame) * f, wider.size() * f));
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
}

// In full screen, around the stage: the backdrop in the map's frame colours.
void TTrForm::paintEvent(QPaintEvent*) {
    if (!fullscreen_) return;  // the stage covers the window
    QPainter p(this);
    p.fillRect(rect(), kBevelDark);
    const QRect around = stage_->geometry();
    p.setPen(kBevelLight);
    p.drawRect(around.adjusted(-3, -3, 2, 2));
    p.setPen(kMapColour);
    p.drawRect(around.adjusted(-2, -2, 1, 1));
}

void TTrForm::resizeEvent(QResizeEvent* e) {
    GameForm::resizeEvent(e);
    layoutStage();
}

// ---- full screen and the wider view ----------------------------------------------

void TTrForm::layoutStage() {
    if (!walk_) return;  // still being built
    ViewCells cells;
    if (fullscreen_ && screen::wideView())
        cells = widestView(width() - kBesideView, height() - kAboveBelowView);
    const bool changed = !(cells == renderer_.view());
    renderer_.setView(cells);
    viewRect_ = QRect(kMapRect.topLeft(), QSize(cells.cols * 100, cells.rows * 100));
    panelShift_ = viewRect_.width() - kMapRect.width();
    for (const auto& [w, at] : panel_) w->move(at + QPoint(panelShift_, 0));
    walk_->setAreas(viewRect_, miniRect());
    const QSize size(kWidth + panelShift_, qMax(kHeight, viewRect_.bottom() + 1 + 6));
    const QPoint at = fullscreen_
                          ? QPoint((width() - size.width()) / 2, (height() - size.height()) / 2)
                          : QPoint(0, 0);
    stage_->setGeometry(QRect(at, size));
    if (changed && isVisible()) {
        buildGroundLayer();
        FormPaint();
    }
    update();
}

void TTrForm::setFullscreen(bool on) {
    if (on == fullscreen_) return;
    fullscreen_ = on;
    QScreen* s = screen();
    if (on) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setWindowState(windowState() | Qt::WindowFullScreen);
        // Without a window manager nobody answers that: the window takes the
        // screen itself.
        if (s) setGeometry(s->geometry());
    } else {
        setWindowState(windowState() & ~Qt::WindowFullScreen);
        setClientSize(kWidth, kHeight);
        if (s) move(s->availableGeometry().center() - QPoint(kWidth / 2, kHeight / 2));
    }
    keepWindowsAbove(on);
    layoutStage();
}

void TTrForm::toggleFullscreen() {
    screen::setFullscreen(!fullscreen_);
    settingsfile::write(currentSettings());
    setFullscreen(screen::fullscreen());
}

// A window manager keeps a window above the one it is transient for: the game's
// other windows stay above the full-screen map. In a window they are left free.
void TTrForm::keepWindowsAbove(bool above) {
    if (above && !windowHandle()) winId();
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w == this || !qobject_cast<GameForm*>(w)) continue;
        if (!w->windowHandle()) {
            if (!above) continue;
            w->winId();
        }
        w->windowHandle()->setTransientParent(above ? windowHandle() : nullptr);
    }
}

void TTrForm::FormHide() {
    if (fullscreen_) keepWindowsAbove(false);
}

void TTrForm::Timer1Timer() {
    GameState& gs = ctx.gs;
    if (gs.musicOn == 0) {
        music_.stop();
        music_.seek(0);
    }
    if (gs.musicOn == 1 && (music_.position() == music_.length() || music_.position() == 0)) {
        music_.setFile(dataPath(assets::mapMusic(1 + static_cast<int>(musicPick_(6)))));
        music_.open();
        music_.seek(1);
        music_.play();
    }
    if ((ctx.forms.battle && ctx.forms.battle->isVisible()) || !isActiveWindow()) return;
    animPhase_ = animPhase_ > 3 ? 1 : animPhase_ + 1;
    if (gs.stepShiftX == 0 && gs.stepShiftY == 0) FormPaint();
}

// ---- mini-map --------------------------------------------------------------

void TTrForm::redrawMiniMap() {
    renderer_.redrawMiniMap(ctx.gs);
    stage_->update(miniRect());
}

void TTrForm::recreateMiniMaps() {
    renderer_.recreateMiniMaps();
    stage_->update();
}

// ---- panel -------------------------------------------------------------------

void TTrForm::FormActivate() {
    StringGrid1->item(0, 0)->setText(QStringLiteral("РАССА"));
    StringGrid1->item(0, 1)->setText(QStringLiteral("ОТНОШЕНИЕ"));
    for (int r = 1; r <= kRaces; ++r) {
        StringGrid1->item(r, 0)->setText(qs(ctx.gs.raceName(r).str()));
        StringGrid1->item(r, 1)->setText(qs(relationWord(ctx.gs.relation(r))));
    }
}

void TTrForm::changeEvent(QEvent* e) {
    GameForm::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
    // A window opened over the map: no label stays lit under a mouse gone away.
    if ((e->type() == QEvent::ActivationChange && !isActiveWindow()) ||
        (e->type() == QEvent::EnabledChange && !isEnabled()))
        highlight(nullptr);
}

void TTrForm::closeRequestRefused() {
    // A battle among the windows over the map: no one escapes a fight by quitting.
    GameForm* front = frontWindow();
    if (front && front != this) {
        front->showCloseHint();
        return;
    }
    if (isEnabled() && ctx.forms.options) ctx.forms.options->Button3Click();
}

void TTrForm::highlight(QLabel* hovered) {
    for (QLabel* l : commands_)
        look::setTextColour(l, l == hovered ? QColor(Qt::red) : QColor(Qt::yellow));
}

void TTrForm::mouseMoveEvent(QMouseEvent* e) {
    highlight(nullptr);
    GameForm::mouseMoveEvent(e);
}

bool TTrForm::eventFilter(QObject* watched, QEvent* e) {
    auto* label = qobject_cast<QLabel*>(watched);
    if (label && std::find(commands_.begin(), commands_.end(), label) != commands_.end()) {
        if (e->type() == QEvent::Enter) highlight(label);
        if (e->type() == QEvent::Leave) highlight(nullptr);
        if (e->type() == QEvent::MouseMove) {
            // Consumed here: passed on, the form would turn every label yellow.
            highlight(label);
            return true;
        }
        if (e->type() == QEvent::MouseButtonPress) {
            if (!battleRunning()) labelClicked(label);
            return true;
        }
    }
    return GameForm::eventFilter(watched, e);
}

void TTrForm::labelClicked(QLabel* label) {
    GameForm* target = nullptr;
    if (label == Label9) target = ctx.forms.tinfo;
    if (label == Label3) target = ctx.forms.army;
    if (label == Label6) target = ctx.forms.options;
    if (label == Label5) target = ctx.forms.text;
    if (label == Label8) target = ctx.forms.find;
    highlight(nullptr);
    if (target) target->showForm(this);
}

// ---- what a step does --------------------------------------------------------

void TTrForm::paint() {
    // Without animation the frames of a step's slide are not drawn.
    if (!animationShown() && (ctx.gs.stepShiftX != 0 || ctx.gs.stepShiftY != 0)) return;
    FormPaint();
}

void TTrForm::stepPause() {
    ctx.platform.pause(kStepPauseMs);
}

void TTrForm::setStatus(const std::string& calendar, const std::string& position) {
    Label2->setText(qs(calendar));
    Label1->setText(qs(position));
}

void TTrForm::playSound(const char* relative) {
    PlayWave(ctx.gs, ctx.platform, relative);
}

void TTrForm::openBandit() {
    if (ctx.forms.bandit) ctx.forms.bandit->showForm(this);
}
void TTrForm::openTown() {
    if (ctx.forms.town) ctx.forms.town->showForm(this);
}
void TTrForm::openPortal() {
    if (ctx.forms.portal) ctx.forms.portal->showForm(this);
}
void TTrForm::openTreasure() {
    if (ctx.forms.gold) ctx.forms.gold->showForm(this);
}
void TTrForm::openTownList() {
    if (ctx.forms.tinfo) ctx.forms.tinfo->showForm(this);
}
void TTrForm::openNewWeek() {
    if (ctx.forms.newWeek) ctx.forms.newWeek->showForm(this);
}
