#include "ui/kit/GamepadInput.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSocketNotifier>
#include <QStyleHints>
#include <QTimer>
#include <algorithm>
#include <vector>

#include "platform/qt/QtKeys.h"
#include "ui/kit/GameForm.h"
#include "ui/kit/Look.h"

// Qt's own way of offering a key to the shortcuts before the widget sees it, as
// the window system's keys are offered (exported by Qt Gui, used by Qt's tests).
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k,
                                               Qt::KeyboardModifiers mods, const QString& text,
                                               bool autorep, ushort count);

namespace {

bool isDpad(PadButton b) {
    return b == PadButton::Up || b == PadButton::Down || b == PadButton::Left ||
           b == PadButton::Right;
}
int dpadIndex(PadButton b) {
    return static_cast<int>(b) - static_cast<int>(PadButton::Up);
}

// Key events carry a time; the windows tell a held key's repeats by it, so no
// two of ours share one.
ulong stamp() {
    static QElapsedTimer clock;
    static ulong last = 0;
    if (!clock.isValid()) clock.start();
    last = std::max<ulong>(last + 1, static_cast<ulong>(clock.elapsed()));
    return last;
}

// Presses and lets go of a key in the active window, as a keyboard would: the
// shortcuts first, then the focused control and up its parents.
void sendKey(int key, bool repeat, const QString& text = {}) {
    QWidget* window = QApplication::activeWindow();
    if (!window || key == 0) return;
    QWidget* focus = QApplication::focusWidget();
    QPointer<QWidget> target = (focus && focus->window() == window) ? focus : window;
    const ulong at = stamp();
    if (!qt_sendShortcutOverrideEvent(target, at, key, Qt::NoModifier, text, repeat, 1)) {
        if (!target) return;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text, repeat);
        press.setTimestamp(at);
        QApplication::sendEvent(target, &press);
    }
    if (!target) return;
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text, repeat);
    release.setTimestamp(stamp());
    QApplication::sendEvent(target, &release);
}

// The controls the D-pad visits, in reading order: rows from the top, each
// from the left.
std::vector<QWidget*> focusChain(QWidget* window) {
    std::vector<QWidget*> all;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || !w->isEnabled() || w->focusProxy()) continue;
        if (!(w->focusPolicy() & Qt::TabFocus)) continue;
        all.push_back(w);
    }
    auto centre = [window](QWidget* w) { return w->mapTo(window, w->rect().center()); };
    std::stable_sort(all.begin(), all.end(),
                     [&](QWidget* a, QWidget* b) { return centre(a).y() < centre(b).y(); });
    // Controls whose middles lie within a few pixels of the row's first share its row.
    constexpr int kRowSlack = 12;
    for (size_t row = 0; row < all.size();) {
        size_t end = row + 1;
        while (end < all.size() && centre(all[end]).y() - centre(all[row]).y() <= kRowSlack) ++end;
        std::stable_sort(all.begin() + static_cast<long>(row), all.begin() + static_cast<long>(end),
                         [&](QWidget* a, QWidget* b) { return centre(a).x() < centre(b).x(); });
        row = end;
    }
    return all;
}

// The gold frame around the control the pad has reached.
class FocusRing : public QWidget {
public:
    explicit FocusRing(QWidget* window) : QWidget(window) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        setObjectName(QStringLiteral("PadFocusRing"));
    }
    void around(QWidget* w) {
        const QRect r(w->mapTo(parentWidget(), QPoint(0, 0)), w->size());
        setGeometry(r.adjusted(-3, -3, 3, 3));
        show();
        raise();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(look::kPadGold, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 3, 3);
    }
};

}  // namespace

LastInput& LastInput::instance() {
    static LastInput last;
    return last;
}

void LastInput::set(bool pad) {
    if (pad == pad_) return;
    pad_ = pad;
    emit changed(pad);
}

void followLastInput(QObject* owner, const std::function<void(bool pad)>& apply) {
    apply(LastInput::pad());
    QObject::connect(&LastInput::instance(), &LastInput::changed, owner, apply);
}

QString padName(PadButton button) {
    return QString::fromUtf8(padButtonName(button));
}

GamepadInput* GamepadInput::current_ = nullptr;

GamepadInput::GamepadInput(QObject* parent) : QObject(parent) {
    current_ = this;
    clock_.start();
    timer_ = new QTimer(this);
    timer_->setTimerType(Qt::PreciseTimer);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &GamepadInput::pump);
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (LastInput::pad() && now && screen() == PadScreen::Dialog)
            showRing(now);
        else if (ring_)
            ring_->hide();
    });
}

GamepadInput::~GamepadInput() {
    if (current_ == this) current_ = nullptr;
    LastInput::instance().set(false);
    delete ring_.data();
}

GamepadInput* GamepadInput::current() {
    return current_;
}

void GamepadInput::setEnabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    if (on && pads_.start()) {
        watchDevices(true);
        pump();
        return;
    }
    enabled_ = false;
    timer_->stop();
    watchDevices(false);
    watchWakeFiles();
    const bool had = pads_.count() > 0;
    pads_.stop();
    held_ = {};
    stick_ = GameKey::None;
    rightStick_ = GameKey::None;
    chordOpen_ = false;
    repeat_ = Source::None;
    LastInput::instance().set(false);
    if (had) emit padsChanged();
}

void GamepadInput::setDeadZone(int percent) {
    deadZone_ = std::clamp(percent, kMinDeadZone, kMaxDeadZone);
}

GameKey GamepadInput::heldDirection() const {
    auto held = [this](PadButton b) { return held_[static_cast<size_t>(b)] > 0; };
    return padDirection(held(PadButton::Up), held(PadButton::Down), held(PadButton::Left),
                        held(PadButton::Right));
}

bool GamepadInput::anythingHeld() const {
    return chordOpen_ || repeat_ != Source::None || stick_ != GameKey::None ||
           rightStick_ != GameKey::None ||
           std::any_of(held_.begin(), held_.end(), [](int n) { return n > 0; });
}

int GamepadInput::pumpInterval() const {
    if (anythingHeld()) return kHeldMs;
    const bool awake = std::all_of(wakers_.begin(), wakers_.end(),
                                   [](QSocketNotifier* n) { return n->isEnabled(); });
    if (pads_.count() == 0 || (pads_.allWake() && awake)) {
        const bool settling = devicesChangedAt_ >= 0 && now() - devicesChangedAt_ < kSettleMs;
        return devices_ && !settling ? -1 : kNoPadMs;
    }
    // A pad in play is read briskly, so that the next press is seen at once; one
    // left alone costs next to nothing.
    if (usedAt_ >= 0 && now() - usedAt_ < kInPlayMs) return kInPlayReadMs;
    return kIdleMs;
}

void GamepadInput::pumpNow(bool woken) {
    if (!enabled_) return;
    const std::vector<PadEvent> events = pads_.poll();
    if (std::any_of(events.begin(), events.end(), [](const PadEvent& e) {
            return e.type == PadEvent::Type::Added || e.type == PadEvent::Type::Removed;
        }))
        watchWakeFiles();
    for (QSocketNotifier* n : wakers_) n->setEnabled(!woken);
    // A press may open a question with its own event loop, or a step may pause:
    // the pads are read meanwhile too.
    schedule();
    for (const PadEvent& e : events) handle(e);
    tick();
    if (enabled_) schedule();
}

void GamepadInput::schedule() {
    const int ms = pumpInterval();
    if (ms < 0)
        timer_->stop();
    else
        timer_->start(ms);
}

// A pad plugged in or pulled out adds or removes a device file in the input
// devices' folder (or the folder itself, with the first device); the pad library
// learns of it a moment later, so the pads are read for a while after.
void GamepadInput::watchDevices(bool on) {
    // Possibly from within its own signal (a read that opened the options): let
    // go, then delete later.
    if (devices_) {
        devices_->disconnect(this);
        devices_->deleteLater();
        devices_ = nullptr;
    }
    devicesChangedAt_ = -1;
    if (!on) return;
    const QString input = deviceFolder_ + QStringLiteral("/input");
    devices_ = new QFileSystemWatcher(this);
    if (!devices_->addPath(deviceFolder_)) {
        delete devices_;
        devices_ = nullptr;
        return;
    }
    if (QFileInfo(input).isDir()) devices_->addPath(input);
    connect(devices_, &QFileSystemWatcher::directoryChanged, this, [this, input] {
        if (QFileInfo(input).isDir() && !devices_->directories().contains(input))
            devices_->addPath(input);
        devicesChangedAt_ = now();
        pump();
    });
}

void GamepadInput::setDeviceFolder(const QString& folder) {
    deviceFolder_ = folder;
    if (enabled_) watchDevices(true);
}

void GamepadInput::watchWakeFiles() {
    // Possibly from one of their own signals: let go, then delete later.
    for (QSocketNotifier* n : wakers_) {
        n->setEnabled(false);
        n->deleteLater();
    }
    wakers_.clear();
    if (!enabled_) return;
    for (int fd : pads_.wakeFiles()) {
        auto* n = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connect(n, &QSocketNotifier::activated, this, [this, fd] {
            Gamepads::wakeDrain(fd);
            pumpNow(true);
        });
        wakers_.push_back(n);
    }
}

PadScreen GamepadInput::screen() const {
    if (auto* form = qobject_cast<GameForm*>(QApplication::activeWindow()))
        return form->padScreen();
    return PadScreen::Dialog;
}

void GamepadInput::handle(const PadEvent& e) {
    if (e.type == PadEvent::Type::Button || e.type == PadEvent::Type::Stick) usedAt_ = now();
    switch (e.type) {
        case PadEvent::Type::Added:
            emit padsChanged();
            return;
        case PadEvent::Type::Removed:
            // What the pad began ends with it: a walk stops, nothing repeats.
            chordOpen_ = false;
            repeat_ = Source::None;
            if (auto* form = qobject_cast<GameForm*>(QApplication::activeWindow())) form->padGone();
            emit padsChanged();
            return;
        case PadEvent::Type::Stick: {
            const PadScreen s = screen();
            if (e.right)  // the cell cursor of the map and the battle
                stickMoved(
                    s == PadScreen::Dialog ? GameKey::None : stickDirection(e.x, e.y, deadZone_),
                    rightStick_, Source::RightStick);
            else
                stickMoved(stickDirection(e.x, e.y, deadZone_, s != PadScreen::Dialog), stick_,
                           Source::Stick);
            return;
        }
        case PadEvent::Type::Button:
            break;
    }
    int& count = held_[static_cast<size_t>(e.button)];
    count = std::max(0, count + (e.down ? 1 : -1));
    if (!e.down) {
        // A D-pad button let go while its chord waits: no second button can make
        // a diagonal with it any more, so its step is taken now.
        if (chordOpen_ && isDpad(e.button) && chord_[static_cast<size_t>(dpadIndex(e.button))])
            closeChord(now());
        if (repeat_ == Source::Button && repeatButton_ == e.button) repeat_ = Source::None;
        if (repeat_ == Source::Dpad && isDpad(e.button) && heldDirection() == GameKey::None)
            repeat_ = Source::None;
        return;
    }
    LastInput::instance().set(true);
    const PadScreen s = screen();
    if (isDpad(e.button) && s != PadScreen::Dialog) {
        // The step waits a moment for a second button: together they are a diagonal.
        if (!chordOpen_) {
            chordOpen_ = true;
            chordAt_ = now();
            chord_ = {};
        }
        chord_[static_cast<size_t>(dpadIndex(e.button))] = true;
        if (padDirection(chord_[0], chord_[1], chord_[2], chord_[3]) == GameKey::None) return;
        const bool vertical = chord_[0] || chord_[1], horizontal = chord_[2] || chord_[3];
        if (vertical && horizontal) tick();  // nothing more to wait for
        return;
    }
    const PadPress p = padPress(s, e.button);
    perform(p, false);
    // Keys repeat while held; commands (windows, letters, questions) act once.
    const bool repeats = p.kind == PadPress::Kind::Game || p.kind == PadPress::Kind::Focus ||
                         p.kind == PadPress::Kind::Step;
    if (repeats) {
        repeat_ = isDpad(e.button) ? Source::Dpad : Source::Button;
        repeatButton_ = e.button;
        nextRepeat_ = now() + kRepeatDelayMs;
    }
}

void GamepadInput::stickMoved(GameKey k, GameKey& was, Source source) {
    if (k == was) return;
    was = k;
    if (k == GameKey::None) {
        if (repeat_ == source) repeat_ = Source::None;
        return;
    }
    LastInput::instance().set(true);
    if (source == Source::RightStick)
        perform({PadPress::Kind::Cursor, k, 0, 0}, false);
    else
        direction(k, false);
    repeat_ = source;
    nextRepeat_ = now() + kRepeatDelayMs;
}

void GamepadInput::tick() {
    const qint64 t = now();
    if (chordOpen_) {
        const bool both = (chord_[0] || chord_[1]) && (chord_[2] || chord_[3]);
        if (both || t - chordAt_ >= kChordMs) closeChord(t);
        return;
    }
    if (repeat_ == Source::None || t < nextRepeat_) return;
    const int rate = std::max(1, QGuiApplication::styleHints()->keyboardAutoRepeatRate());
    nextRepeat_ = t + 1000 / rate;
    const PadScreen s = screen();
    switch (repeat_) {
        case Source::Dpad: {
            const GameKey k = heldDirection();
            if (k == GameKey::None)
                repeat_ = Source::None;
            else
                direction(k, true);
            break;
        }
        case Source::Stick:
            direction(stick_, true);
            break;
        case Source::RightStick:
            nextRepeat_ = t + kCursorRepeatMs;
            perform({PadPress::Kind::Cursor, rightStick_, 0, 0}, true);
            break;
        case Source::Button: {
            const PadPress p = padPress(s, repeatButton_);
            if (p.kind == PadPress::Kind::Game || p.kind == PadPress::Kind::Step)
                perform(p, true);
            else
                repeat_ = Source::None;
            break;
        }
        case Source::None:
            break;
    }
}

void GamepadInput::closeChord(qint64 t) {
    chordOpen_ = false;
    const GameKey k = padDirection(chord_[0], chord_[1], chord_[2], chord_[3]);
    if (k == GameKey::None) return;
    direction(k, false);
    repeat_ = Source::Dpad;
    nextRepeat_ = t + kRepeatDelayMs;
}

void GamepadInput::direction(GameKey k, bool repeat) {
    if (screen() == PadScreen::Dialog)
        perform({PadPress::Kind::Focus, k, 0, 0}, repeat);
    else
        perform({PadPress::Kind::Game, k, 0, 0}, repeat);
}

void GamepadInput::perform(const PadPress& p, bool repeat) {
    QWidget* window = QApplication::activeWindow();
    if (!window) return;
    // The window has the first say: the pad's own commands are its.
    if (auto* form = qobject_cast<GameForm*>(window); form && form->padCommand(p)) return;
    QWidget* focus = QApplication::focusWidget();
    if (focus && focus->window() != window) focus = nullptr;
    using Kind = PadPress::Kind;
    switch (p.kind) {
        case Kind::None:
            return;
        case Kind::Game:
            sendKey(qtKeyOf(p.key), repeat,
                    p.key == GameKey::Space ? QStringLiteral(" ") : QString());
            return;
        case Kind::Letter:
            sendKey(Qt::Key_A + (p.letter - 'A'), repeat, QString(QChar(p.letter).toLower()));
            return;
        case Kind::Help:
            sendKey(Qt::Key_F1, repeat);
            return;
        case Kind::Escape:
            sendKey(Qt::Key_Escape, repeat);
            return;
        case Kind::Enter:
            if (auto* b = qobject_cast<QAbstractButton*>(focus); b && b->isEnabled()) {
                b->click();
                return;
            }
            sendKey(Qt::Key_Return, repeat);
            return;
        case Kind::Focus:
            moveFocus(window, p.key, repeat);
            return;
        case Kind::Step:
            if (auto* slider = qobject_cast<QAbstractSlider*>(focus))
                slider->setValue(slider->value() + p.step);
            return;
        case Kind::Retreat:
        case Kind::Cursor:
            return;
    }
}

void GamepadInput::moveFocus(QWidget* window, GameKey k, bool repeat) {
    QWidget* focus = QApplication::focusWidget();
    if (focus && focus->window() != window) focus = nullptr;
    const bool vertical = k == GameKey::Up || k == GameKey::Down;
    // Lists move their selection and texts scroll up and down; sliders move left
    // and right.
    if (focus && vertical && qobject_cast<QAbstractItemView*>(focus)) {
        sendKey(qtKeyOf(k), repeat);
        return;
    }
    if (focus && !vertical && qobject_cast<QAbstractSlider*>(focus)) {
        sendKey(qtKeyOf(k), repeat);
        return;
    }
    // A closed drop-down list takes left and right as its up and down.
    if (focus && !vertical && qobject_cast<QComboBox*>(focus)) {
        sendKey(k == GameKey::Left ? Qt::Key_Up : Qt::Key_Down, repeat);
        return;
    }
    auto scroll = [k](QAbstractScrollArea* area) {
        area->verticalScrollBar()->triggerAction(k == GameKey::Up
                                                     ? QAbstractSlider::SliderSingleStepSub
                                                     : QAbstractSlider::SliderSingleStepAdd);
    };
    if (auto* area = qobject_cast<QAbstractScrollArea*>(focus); area && vertical) {
        scroll(area);
        return;
    }
    const std::vector<QWidget*> chain = focusChain(window);
    if (chain.empty()) {
        // Nothing to visit: a text in the window scrolls.
        if (auto* area = window->findChild<QAbstractScrollArea*>(); area && vertical) scroll(area);
        return;
    }
    const bool forward = k == GameKey::Down || k == GameKey::Right;
    auto at = std::find(chain.begin(), chain.end(), focus);
    QWidget* next = nullptr;
    if (at == chain.end())
        next = forward ? chain.front() : chain.back();
    else if (forward)
        next = (at + 1 == chain.end()) ? chain.front() : *(at + 1);
    else
        next = at == chain.begin() ? chain.back() : *(at - 1);
    if (next == focus) {
        showRing(next);
        return;
    }
    next->setFocus(Qt::TabFocusReason);
    showRing(next);
}

void GamepadInput::showRing(QWidget* w) {
    QWidget* window = w->window();
    if (!ring_ || ring_->parentWidget() != window) {
        delete ring_.data();
        ring_ = new FocusRing(window);
    }
    static_cast<FocusRing*>(ring_.data())->around(w);
}

bool GamepadInput::eventFilter(QObject* watched, QEvent* e) {
    // The keyboard or the mouse used: the pad is not the last input any more.
    const QEvent::Type t = e->type();
    if ((t == QEvent::KeyPress || t == QEvent::MouseButtonPress) && e->spontaneous()) {
        LastInput::instance().set(false);
        if (ring_) ring_->hide();
    }
    return QObject::eventFilter(watched, e);
}
