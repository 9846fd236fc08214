#include "ui/kit/QuickClose.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>

#include "ui/kit/GamepadInput.h"
#include "ui/kit/Look.h"

namespace quickclose {

namespace {

// Sits on the application: remembers the last key released, and drops the
// repeats of the key that closed a window while it is held.
class KeyWatch : public QObject {
public:
    int releasedKey = 0;
    quint64 releasedAt = 0;
    int swallowed = 0;  // the key whose repeats are dropped; 0: none

    bool repeat(const QKeyEvent* k) const {
        return k->isAutoRepeat() ||
               (k->timestamp() != 0 && k->timestamp() == releasedAt && k->key() == releasedKey);
    }

    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::KeyRelease) {
            const auto* k = static_cast<QKeyEvent*>(e);
            if (!k->isAutoRepeat()) {
                releasedKey = k->key();
                releasedAt = k->timestamp();
            }
            return swallowed != 0 && k->key() == swallowed && k->isAutoRepeat();
        }
        if (e->type() != QEvent::KeyPress || swallowed == 0) return false;
        const auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == swallowed && repeat(k)) return true;
        swallowed = 0;  // a fresh press: the held key is up
        return false;
    }
};

KeyWatch& keyWatch() {
    static KeyWatch* w = nullptr;
    if (!w) {
        w = new KeyWatch;
        if (qApp) {
            w->setParent(qApp);
            qApp->installEventFilter(w);
        }
    }
    return *w;
}

}  // namespace

bool isCloseKey(int qtKey) {
    return qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter || qtKey == Qt::Key_Space;
}

void watchKeys() {
    keyWatch();
}

bool isRepeat(const QKeyEvent* e) {
    return keyWatch().repeat(e);
}

void swallowRepeatsOf(int qtKey) {
    keyWatch().swallowed = qtKey;
}

QLabel* makeHint(QWidget* parent, const char* text) {
    auto* l = new QLabel(parent);
    l->setObjectName(QStringLiteral("CloseHint"));
    l->setFont(look::sans(11));
    l->setContentsMargins(6, 2, 6, 2);
    look::setTextColour(l, QColor(236, 224, 196));
    QPalette p = l->palette();
    p.setColor(QPalette::Window, QColor(0, 0, 0, 150));
    l->setPalette(p);
    l->setAutoFillBackground(true);
    // A hint that begins with Escape names the pad's B, which does the same.
    followLastInput(l, [l, parent, text](bool pad) {
        QString t = QString::fromUtf8(text);
        if (pad && t.startsWith(QLatin1String("Esc "))) t.replace(0, 3, padName(PadButton::B));
        l->setText(t);
        l->adjustSize();
        l->move(parent->width() - l->width() - 6, parent->height() - l->height() - 6);
    });
    return l;
}

}  // namespace quickclose
