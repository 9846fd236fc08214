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
}  // namespace

GameForm::GameForm(GameContext& c, QWidget* parent) : QWidget(parent, Qt::Window), ctx(c) {
    setDialogStyle();
}

void GameForm::setMainWindow(QWidget* w) { mainRef() = w; }
QWidget* GameForm::mainWindow() { return mainRef().data(); }

void GameForm::setClientSize(int w, int h) { setFixedSize(w, h); }

void GameForm::setDialogStyle(bool titleButtons) {
    Qt::WindowFlags f = Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                        Qt::WindowTitleHint;
    if (titleButtons) f |= Qt::WindowCloseButtonHint;
    setWindowFlags(f);
}

void GameForm::setEscapeAction(std::function<void()> f) {
    auto* sc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    sc->setContext(Qt::WindowShortcut);
    connect(sc, &QShortcut::activated, this, [f = std::move(f)] { f(); });
}

void GameForm::showForm(QWidget* opener) {
    if (opener && opener != this) {
        opener_ = opener;
        opener->setEnabled(false);
    }
    QWidget* centre = mainWindow();
    QRect area;
    if (centre && centre->isVisible() && centre != this)
        area = centre->frameGeometry();
    else if (QScreen* s = QGuiApplication::primaryScreen())
        area = s->availableGeometry();
    if (!area.isNull()) move(area.center() - QPoint(width() / 2, height() / 2));
    show();
    raise();
    activateWindow();
}

void GameForm::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    FormShow();
}

void GameForm::hideEvent(QHideEvent* e) {
    QWidget::hideEvent(e);
    if (opener_) {
        opener_->setEnabled(true);
        opener_->activateWindow();
        opener_ = nullptr;
    }
}

void GameForm::closeEvent(QCloseEvent* e) {
    if (refuseClose_) {
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
        // Take the focus back once the event loop is free, unless another of the
        // game's windows became the active one on purpose (it is then our child
        // in the chain of openers and we are disabled).
        QTimer::singleShot(0, this, [this] {
            if (isVisible() && isEnabled() && !QApplication::activeModalWidget() &&
                QApplication::activeWindow() == nullptr)
                activateWindow();
        });
    }
}
