// The base of every window of the game. It gives a window the game's dialog
// conventions: on top, centred on the main window, modal without a modal loop
// (the opener is disabled while it is shown), close requests refused where the
// window refuses them, Escape answered, and the focus taken back when the window
// loses activation while it is visible.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

#include "shell/Forms.h"

class GameForm : public QWidget {
    Q_OBJECT
public:
    explicit GameForm(GameContext& ctx, QWidget* parent = nullptr);

    // The window dialogs are centred on (the map window during play).
    static void setMainWindow(QWidget* w);
    static QWidget* mainWindow();

    // Shows the window centred on the main window. With an opener, the opener is
    // disabled until this window hides.
    void showForm(QWidget* opener = nullptr);

    GameContext& ctx;

protected:
    // Client area size, fixed.
    void setClientSize(int w, int h);
    // A dialog stays on top and has no title-bar buttons unless asked for.
    void setDialogStyle(bool titleButtons = false);
    void setRefuseClose(bool refuse) { refuseClose_ = refuse; }
    // What Escape does (the game's invisible cancel button).
    void setEscapeAction(std::function<void()> f);
    // Whether the window takes the focus back when it loses activation.
    void setKeepFocus(bool keep) { keepFocus_ = keep; }

    // Hooks named as the game names them.
    virtual void FormShow() {}
    // Called when the window system asks to close and the window does not refuse.
    virtual void FormClose() {}

    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    bool refuseClose_ = true;
    bool keepFocus_ = true;
    QPointer<QWidget> opener_;
};
