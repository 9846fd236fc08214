#include "towns/defeat.h"

TDefeatForm::TDefeatForm(GameContext& c) : GameForm(c) {
    setWindowTitle(QStringLiteral("Поражение"));
    setClientSize(370, 317);
}
