// Gamepad play: reads the pads from the event loop and turns each button into
// the key press or click it stands for (platform/PadMap), sent to the active
// window as the keyboard would send it. The windows answer a pad exactly as
// they answer the keys; the map and the battle say which table they read.
//
// The pads are read often only while something is held; otherwise slowly. With
// no pad to read, the game watches the input devices' folder instead and reads
// the pads only for a few seconds after a device came or went, so a plugged-in
// pad is found at once and no pad costs nothing (where the folder cannot be
// watched, twice a second). A pad with an input device of its
// own wakes the game when it is used, so it costs nothing while it lies still;
// one without is read briskly for a few seconds after it was used and a few
// times a second once it lies still. A held button repeats like a held key, its
// repeats marked as such; two D-pad buttons pressed within a short while are
// one diagonal step, and a lone one let go before then steps at once.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <array>
#include <functional>
#include <vector>

#include "platform/PadMap.h"
#include "platform/qt/Gamepad.h"

class QFileSystemWatcher;
class QSocketNotifier;
class QTimer;
class QWidget;

// Which the player used last: the pad, or the keyboard and the mouse. Texts that
// name a key name the pad's button instead while the pad was used last.
class LastInput : public QObject {
    Q_OBJECT
public:
    static LastInput& instance();
    static bool pad() { return instance().pad_; }
    // Says which was used; `changed` follows when that differs from before.
    void set(bool pad);

signals:
    void changed(bool pad);

private:
    bool pad_ = false;
};

// Calls `apply` with whether the pad was used last, now and whenever that
// changes, for as long as `owner` lives: the texts that name a key.
void followLastInput(QObject* owner, const std::function<void(bool pad)>& apply);

// A button's name for a text ("B", "LB", "Start").
QString padName(PadButton button);

class GamepadInput : public QObject {
    Q_OBJECT
public:
    explicit GamepadInput(QObject* parent = nullptr);
    ~GamepadInput() override;

    // The one the game runs (null when none).
    static GamepadInput* current();

    // The options' switch: off, the pads are closed and nothing is read.
    void setEnabled(bool on);
    bool enabled() const { return enabled_; }
    void setDeadZone(int percent);
    // Listens to one pad only (tests), -1 for all.
    void listenTo(int32_t pad) { pads_.listenTo(pad); }
    // The folder of device files watched for pads coming and going, with its
    // input folder: /dev (tests watch a folder of their own).
    void setDeviceFolder(const QString& folder);

    // Reads the pads now and acts on what they did (the timer calls it).
    void pump() { pumpNow(false); }
    int padCount() const { return pads_.count(); }
    // Whether the pad was the last thing the player used.
    bool padLast() const { return LastInput::pad(); }
    // The pause until the next read, in milliseconds; -1 when only a device
    // coming or going starts one.
    int pumpInterval() const;

    // The timings, in milliseconds.
    static constexpr int kNoPadMs = 500;      // no pad: a pad plugged in is noticed
    static constexpr int kSettleMs = 3000;    // this long after a device came or went
    static constexpr int kIdleMs = 125;       // a pad that cannot wake the game, nothing held
    static constexpr int kInPlayMs = 3000;    // such a pad is in play this long after its use
    static constexpr int kInPlayReadMs = 16;  // and read this often meanwhile
    static constexpr int kHeldMs = 8;         // something held: repeats and chords
    static constexpr int kChordMs = 40;       // two D-pad buttons make one diagonal
    static constexpr int kRepeatDelayMs = 400;
    static constexpr int kCursorRepeatMs = 150;  // the cell cursor, held

signals:
    // A pad was plugged in or pulled out.
    void padsChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // `woken`: a pad's device has something; its wake-ups rest until the next
    // timed read, so that a restless stick cannot keep the game busy.
    void pumpNow(bool woken);
    void watchWakeFiles();
    // Watches the input devices' folder while the pads are on.
    void watchDevices(bool on);
    // Starts the timer for the next read, or stops it.
    void schedule();
    void handle(const PadEvent& e);
    void tick();
    // The D-pad buttons pressed since the chord began make their one step.
    void closeChord(qint64 t);
    void direction(GameKey k, bool repeat);
    void perform(const PadPress& p, bool repeat);
    void moveFocus(QWidget* window, GameKey k, bool repeat);
    void showRing(QWidget* w);
    bool anythingHeld() const;
    // The direction of the D-pad buttons held now.
    GameKey heldDirection() const;
    PadScreen screen() const;
    qint64 now() const { return clock_.elapsed(); }

    static GamepadInput* current_;
    Gamepads pads_;
    QTimer* timer_ = nullptr;
    QElapsedTimer clock_;
    bool enabled_ = false;
    int deadZone_ = kDefaultDeadZone;
    qint64 usedAt_ = -1;  // when a button or a stick last moved

    std::array<int, static_cast<size_t>(PadButton::Count)> held_{};  // over all pads
    GameKey stick_ = GameKey::None;                                  // the left stick's direction
    GameKey rightStick_ = GameKey::None;                             // the right one's
    // The D-pad buttons pressed since the chord began (bits of Up, Down, Left, Right).
    bool chordOpen_ = false;
    qint64 chordAt_ = 0;
    std::array<bool, 4> chord_{};

    // What repeats while held.
    enum class Source { None, Dpad, Stick, RightStick, Button };
    Source repeat_ = Source::None;
    PadButton repeatButton_ = PadButton::A;
    qint64 nextRepeat_ = 0;
    // A stick that points elsewhere (`was` keeps where it pointed): its first
    // step now, its repeats while it stays.
    void stickMoved(GameKey k, GameKey& was, Source source);

    QPointer<QWidget> ring_;
    std::vector<QSocketNotifier*> wakers_;
    QFileSystemWatcher* devices_ = nullptr;
    QString deviceFolder_ = QStringLiteral("/dev");
    qint64 devicesChangedAt_ = -1;
};
