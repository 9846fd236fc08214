#include "adventure/find.h"

TFindForm::TFindForm(GameContext& c) : GameForm(c) {
    setWindowTitle(QStringLiteral("Прочитать Заклятье Могущества"));
    setClientSize(314, 261);
}
