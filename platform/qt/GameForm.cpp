#include "platform/qt/GameForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

namespace {

QPointer<QWidget>& mainRef() {
    static QPointer<QWidget> w;
    return w;
}

quint64 nextShowOrder() {
    static quint64 n = 0;
    return ++n;
}

// An opener stays disabled while any window it opened is shown. The count lives
// on the opener, with whether it was enabled before the first hold.
//
// A held window keeps its looks: holding it only stops its input, so while held,
// the opener's disabled colours are its normal ones (the map does not turn grey
// behind a dialog).
constexpr const char* kHolds = "vestranHolds";
constexpr const char* kWasEnabled = "vestranWasEnabled";
constexpr const char* kPalette = "vestranPalette";

void hold(QWidget* w) {
    const int n = w->property(kHolds).toInt();
    if (n == 0) {
        w->setProperty(kWasEnabled, w->isEnabled());
        w->setProperty(kPalette,
                       w->testAttribute(Qt::WA_SetPalette) ? QVariant(w->palette()) : QVariant());
        QPalette p = w->palette();
        for (int r = 0; r < QPalette::NColorRoles; ++r) {
            const auto role = static_cast<QPalette::ColorRole>(r);
            p.setBrush(QPalette::Disabled, role, p.brush(QPalette::Active, role));
        }
        w->setPalette(p);
    }
    w->setProperty(kHolds, n + 1);
    w->setEnabled(false);
}

void release(QWidget* w) {
    const int n = w->property(kHolds).toInt() - 1;
    w->setProperty(kHolds, n > 0 ? n : 0);
    if (n > 0) return;
    w->setEnabled(w->property(kWasEnabled).toBool());
    const QVariant own = w->property(kPalette);
    if (own.isValid()) {
        w->setPalette(own.value<QPalette>());
    } else {
        w->setPalette(QPalette());
        w->setAttribute(Qt::WA_SetPalette, false);
    }
}

}  // namespace

GameForm::GameForm(GameContext& c, QWidget* parent) : QWidget(parent, Qt::Window), ctx(c) {
    setDialogStyle();
}

void GameForm::setMainWindow(QWidget* w) {
    mainRef() = w;
}
QWidget* GameForm::mainWindow() {
    return mainRef().data();
}

void GameForm::setClientSize(int w, int h) {
    setFixedSize(w, h);
}

void GameForm::setDialogStyle(bool titleButtons) {
    Qt::WindowFlags f = Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                        Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint;
    if (titleButtons) f |= Qt::WindowCloseButtonHint;
    const bool wasVisible = isVisible();
    setWindowFlags(f);
    if (wasVisible) show();  // changing the flags hides a window
}

void GameForm::setEscapeAction(std::function<void()> f) {
    escapeAction_ = std::move(f);
    if (!escape_) {
        escape_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
        escape_->setContext(Qt::WindowShortcut);
        connect(escape_, &QShortcut::activated, this, [this] {
            if (escapeAction_ && isEnabled()) escapeAction_();
        });
    }
}

void GameForm::showForm(QWidget* opener) {
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    if (opener && opener != this && !opener_) {
        opener_ = opener;
        hold(opener);
    }
    QWidget* centre = mainWindow();
    QRect area;
    if (centre && centre != this && centre->isVisible())
        area = centre->frameGeometry();
    else if (QScreen* s = QGuiApplication::primaryScreen())
        area = s->availableGeometry();
    if (!area.isNull()) {
        QPoint at = area.center() - QPoint(width() / 2, height() / 2);
        // Keep the title bar on the screen.
        if (QScreen* s = QGuiApplication::screenAt(area.center())) {
            const QRect screen = s->availableGeometry();
            at.setX(qBound(screen.left(), at.x(), qMax(screen.left(), screen.right() - width())));
            at.setY(qBound(screen.top(), at.y(), qMax(screen.top(), screen.bottom() - height())));
        }
        move(at);
    }
    show();
    raise();
    activateWindow();
}

void GameForm::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (e->spontaneous()) return;  // restored by the window system: not a new show
    shownAt_ = nextShowOrder();
    FormShow();
}

void GameForm::hideEvent(QHideEvent* e) {
    QWidget::hideEvent(e);
    if (e->spontaneous()) return;  // minimised: still shown as far as the game goes
    shownAt_ = 0;
    releaseOpener();
    FormHide();
}

void GameForm::releaseOpener() {
    if (!opener_) return;
    QWidget* o = opener_;
    opener_ = nullptr;
    release(o);
    if (o->isVisible() && o->isEnabled()) {
        o->raise();
        o->activateWindow();
    }
}

void GameForm::closeEvent(QCloseEvent* e) {
    // The window system asks (title-bar button, Alt+F4): refused where the game
    // refuses it. The window's own close() is never refused.
    if (refuseClose_ && e->spontaneous()) {
        e->ignore();
        return;
    }
    FormClose();
    e->accept();
}

void GameForm::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && keepFocus_ && isVisible() && isEnabled() &&
        !isActiveWindow()) {
        // Decide once the activation has settled on its new window.
        QTimer::singleShot(0, this, [this] { takeFocusBack(); });
    }
}

void GameForm::takeFocusBack() {
    if (!keepFocus_ || !isVisible() || !isEnabled() || isActiveWindow()) return;
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget()) return;
    // Only from another of the game's windows that was shown before this one: a
    // window shown later (a dialog this one led to) keeps the focus it was given,
    // and other applications are left alone.
    auto* other = qobject_cast<GameForm*>(QApplication::activeWindow());
    if (!other || other == this || other->shownAt_ > shownAt_) return;
    raise();
    activateWindow();
}
