#include "ui/kit/GameForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

#include "ui/kit/Look.h"
#include "ui/kit/QuickClose.h"

namespace {

// How long after showing a window a press is still taken as meant for the one
// before it.
constexpr qint64 kCloseGraceMs = 300;

bool justShown(const QElapsedTimer& t) {
    return t.isValid() && t.elapsed() < kCloseGraceMs;
}

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
            if (!escapeAction_ || !isEnabled()) return;
            if (quickClose_) quickclose::swallowRepeatsOf(Qt::Key_Escape);
            escapeAction_();
        });
    }
    escape_->setAutoRepeat(!quickClose_);
}

void GameForm::setQuickClose(bool byClick) {
    quickClose_ = true;
    closeByClick_ = byClick;
    if (escape_) escape_->setAutoRepeat(false);  // Escape too: a fresh press only
    if (!closeHint_) closeHint_ = quickclose::makeHint(this);
    quickclose::watchKeys();
}

void GameForm::setDefaultButton(QPushButton* b) {
    defaultButton_ = b;
    b->setDefault(true);
    quickclose::watchKeys();
}

void GameForm::keyPressEvent(QKeyEvent* e) {
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (defaultButton_ && enter) {
        e->accept();
        if (quickclose::isRepeat(e) || !isEnabled()) return;
        // The question a press may raise must not take the held key's repeats
        // for its answer.
        quickclose::swallowRepeatsOf(e->key());
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        (focused ? focused : defaultButton_.data())->click();
        return;
    }
    if (!quickClose_ || !quickclose::isCloseKey(e->key())) {
        QWidget::keyPressEvent(e);
        return;
    }
    // A repeat is a key held since before: it closes nothing and goes nowhere.
    if (!quickclose::isRepeat(e) && !justShown(shownFor_) && escapeAction_ && isEnabled()) {
        quickclose::swallowRepeatsOf(e->key());
        escapeAction_();
    }
    e->accept();
}

void GameForm::mousePressEvent(QMouseEvent* e) {
    if (quickClose_ && closeByClick_ && e->button() == Qt::LeftButton && escapeAction_ &&
        isEnabled()) {
        e->accept();
        if (!justShown(shownFor_)) escapeAction_();
        return;
    }
    QWidget::mousePressEvent(e);
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
    shownFor_.start();
    FormShow();
}

void GameForm::hideEvent(QHideEvent* e) {
    QWidget::hideEvent(e);
    if (e->spontaneous()) return;  // minimised: still shown as far as the game goes
    shownAt_ = 0;
    if (refusedHint_) refusedHint_->hide();
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
        closeRequestRefused();
        return;
    }
    FormClose();
    e->accept();
}

GameForm* GameForm::frontWindow() {
    GameForm* front = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* f = qobject_cast<GameForm*>(w);
        if (f && f->isVisible() && (!front || f->shownAt_ > front->shownAt_)) front = f;
    }
    return front;
}

void GameForm::showCloseHint() {
    // How long the hint stays: long enough to read it twice.
    constexpr int kHintMs = 4000;
    if (!refusedHint_) {
        refusedHint_ = quickclose::makeHint(this, closeHintText_);
        refusedHint_->setObjectName(QStringLiteral("RefusedCloseHint"));
        look::setTextColour(refusedHint_, Qt::yellow);
        refusedHintTimer_ = new QTimer(this);
        refusedHintTimer_->setSingleShot(true);
        connect(refusedHintTimer_, &QTimer::timeout, refusedHint_, &QWidget::hide);
    }
    refusedHint_->raise();
    refusedHint_->show();
    refusedHintTimer_->start(kHintMs);
    raise();
    activateWindow();
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
