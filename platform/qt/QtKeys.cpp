#include "platform/qt/QtKeys.h"

#include <QGuiApplication>
#include <QKeyEvent>

GameKey gameKey(int qtKey, bool keypad) {
    if (keypad && qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return keypadDigitKey(qtKey - Qt::Key_0);
    switch (qtKey) {
        case Qt::Key_Right:
            return GameKey::Right;
        case Qt::Key_Left:
            return GameKey::Left;
        case Qt::Key_Up:
            return GameKey::Up;
        case Qt::Key_Down:
            return GameKey::Down;
        case Qt::Key_PageUp:
            return GameKey::PageUp;
        case Qt::Key_PageDown:
            return GameKey::PageDown;
        case Qt::Key_Home:
            return GameKey::Home;
        case Qt::Key_End:
            return GameKey::End;
        case Qt::Key_Space:
            return GameKey::Space;
        default:
            return GameKey::None;
    }
}

int qtKeyOf(GameKey k) {
    for (int key : {Qt::Key_Right, Qt::Key_Left, Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp,
                    Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End, Qt::Key_Space})
        if (gameKey(key, false) == k) return key;
    return 0;
}

GameKey gameKey(const QKeyEvent* e) {
    return gameKey(e->key(), (e->modifiers() & Qt::KeypadModifier) != 0);
}

namespace {

// The Russian layout's letters on the keys A..Z of the Latin one.
const char16_t kCyrillic[26] = {u'Ф', u'И', u'С', u'В', u'У', u'А', u'П', u'Р', u'Ш',
                                u'О', u'Л', u'Д', u'Ь', u'Т', u'Щ', u'З', u'Й', u'К',
                                u'Ы', u'Е', u'Г', u'М', u'Ц', u'Ч', u'Н', u'Я'};

// Key codes of the X keyboard (the Linux scan code + 8) of the keys A..Z: they
// name the key's place, not its letter.
constexpr quint32 kX11Codes[26] = {38, 56, 54, 40, 26, 41, 42, 43, 31, 44, 45, 46, 58,
                                   57, 32, 33, 24, 27, 39, 28, 30, 55, 25, 53, 29, 52};

bool x11Codes() {
    const QString p = QGuiApplication::platformName();
    return p == QLatin1String("xcb") || p.startsWith(QLatin1String("wayland"));
}

}  // namespace

bool isLetterKey(const QKeyEvent* e, char latin) {
    if (latin < 'A' || latin > 'Z') return false;
    const int i = latin - 'A';
    // A key typed on a keyboard names its place; a key sent by a program (tests,
    // input tools) may carry only its letter.
    if (e->nativeScanCode() != 0 && x11Codes()) return e->nativeScanCode() == kX11Codes[i];
    return e->key() == Qt::Key_A + i || e->key() == static_cast<int>(kCyrillic[i]);
}

QString cyrillicOnKey(char latin) {
    if (latin < 'A' || latin > 'Z') return {};
    return QString(QChar(kCyrillic[latin - 'A']));
}
