#include "platform/qt/QtKeys.h"

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

GameKey gameKey(const QKeyEvent* e) {
    return gameKey(e->key(), (e->modifiers() & Qt::KeypadModifier) != 0);
}
