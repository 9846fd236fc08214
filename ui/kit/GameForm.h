// The base of every window of the game. It gives a window the game's dialog
// conventions: on top, centred on the main window, modal without a modal loop
// (the opener is disabled while it is shown), close requests of the window system
// refused where the window refuses them (a hint then says how the window closes),
// Escape answered, and the focus taken back when another of the game's windows
// takes the activation while it is visible.
//
// Focus rule: of two visible, enabled windows that both keep the focus, the one
// shown later wins; the older one never takes the focus back from it, so two
// windows never fight. Another application may take the focus freely.
#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "platform/PadMap.h"
#include "ui/kit/Forms.h"

class QLabel;
class QPushButton;
class QShortcut;
class QTimer;

class GameForm : public QWidget {
    Q_OBJECT
public:
    explicit GameForm(GameContext& ctx, QWidget* parent = nullptr);

    // The window dialogs are centred on (the map window during play).
    static void setMainWindow(QWidget* w);
    static QWidget* mainWindow();

    // Shows the window centred on the main window, on top and active. With an
    // opener, the opener is disabled until this window hides (an opener held by
    // several windows is enabled again when the last of them hides). Showing a
    // window that is already shown only brings it to the front.
    void showForm(QWidget* opener = nullptr);

    // The window that opened this one and is disabled meanwhile (or null).
    QWidget* opener() const { return opener_.data(); }

    // The visible window of the game shown last: the one in front (or null).
    static GameForm* frontWindow();
    // Says for a few seconds, in the corner where the close hints stand, how this
    // window is closed: when the window system's close request is refused, and
    // when a close request on the map meets this window in front of it.
    void showCloseHint();
    // The hint shown by showCloseHint() (null until it has been shown).
    QLabel* refusedCloseHint() const { return refusedHint_; }

    GameContext& ctx;

    // The gamepad (ui/kit/GamepadInput): which of its tables the window reads,
    // a press offered to the window before its key is sent (true when the
    // window took it: the pad's own commands, which have no key), and a pad
    // pulled out while the window is active.
    virtual PadScreen padScreen() const { return PadScreen::Dialog; }
    virtual bool padCommand(const PadPress&) { return false; }
    virtual void padGone() {}

protected:
    // Client area size, fixed.
    void setClientSize(int w, int h);
    // A dialog stays on top and has no title-bar buttons unless asked for.
    void setDialogStyle(bool titleButtons = false);
    // Whether the window system's close request is refused (the default). The
    // window's own close() always closes it.
    void setRefuseClose(bool refuse) { refuseClose_ = refuse; }
    // What showCloseHint() says (by default that Escape closes the window).
    void setCloseHintText(const char* text) { closeHintText_ = text; }
    // The window system's close request has been refused: the close hint shows.
    // A window may answer the request in its own way instead.
    virtual void closeRequestRefused() { showCloseHint(); }
    // What Escape does (the game's invisible cancel button).
    void setEscapeAction(std::function<void()> f);
    // Enter and Space do what Escape does, and so does a left click on the
    // window when `byClick`; a hint in the bottom-right corner says so. Only a
    // fresh press counts: a held key's repeats neither close the window nor,
    // once it has closed, reach the window below; nor does a press in the
    // window's first moments, meant for the window it replaced (the Space that
    // ended a battle's turn just as the battle ended).
    void setQuickClose(bool byClick = true);
    QLabel* closeHint() const { return closeHint_; }
    // Enter presses `b` (or the button that has the focus), on a fresh press only.
    void setDefaultButton(QPushButton* b);
    // Whether the window takes the focus back when it loses activation (default).
    void setKeepFocus(bool keep) { keepFocus_ = keep; }

    // What the window does when it is shown, closing or hidden; each window
    // overrides the ones it needs.
    virtual void FormShow() {}
    // The window is closing (its close() or an accepted close request).
    virtual void FormClose() {}
    // The window has been hidden, whichever way (close, hide, a hand-over).
    virtual void FormHide() {}

    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    void takeFocusBack();
    void releaseOpener();

    bool refuseClose_ = true;
    bool keepFocus_ = true;
    quint64 shownAt_ = 0;  // order in which the visible windows were shown
    QPointer<QWidget> opener_;
    QShortcut* escape_ = nullptr;
    std::function<void()> escapeAction_;
    bool quickClose_ = false;
    bool closeByClick_ = false;
    QElapsedTimer shownFor_;  // since the window was last shown
    QLabel* closeHint_ = nullptr;
    const char* closeHintText_ = "Esc — закрыть окно";
    QLabel* refusedHint_ = nullptr;
    QTimer* refusedHintTimer_ = nullptr;
    QPointer<QPushButton> defaultButton_;
};
