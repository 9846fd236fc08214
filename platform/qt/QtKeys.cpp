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

bool x11Codes() {
    const QString p = QGuiApplication::platformName();
    return p == QLatin1String("xcb") || p.startsWith(QLatin1String("wayland"));
}

}  // namespace

char letterKey(const QKeyEvent* e, std::string_view letters, LetterRule rule) {
    // A key typed on a keyboard names its place; a key sent by a program (tests,
    // input tools) may carry only its letter.
    std::optional<char> place;
    if (e->nativeScanCode() != 0 && x11Codes()) place = letterAtX11Code(e->nativeScanCode());
    // Qt names a letter key by the capital its layout types.
    const int key = e->key();
    const char typed = key > 0 && key < 0x110000 ? letterOfTyped(static_cast<char32_t>(key)) : 0;
    return letterKey(letters, place, typed, rule);
}

bool isLetterKey(const QKeyEvent* e, char latin) {
    if (latin < 'A' || latin > 'Z') return false;
    return letterKey(e, std::string_view(&latin, 1), LetterRule::Place) == latin;
}

QString cyrillicOnKey(char latin) {
    const char32_t c = cyrillicAt(latin);
    return c ? QString::fromUcs4(&c, 1) : QString();
}
