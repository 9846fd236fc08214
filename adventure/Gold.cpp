#include "adventure/Gold.h"

TGoldForm::TGoldForm(GameContext& c) : GameForm(c) {
    setWindowTitle(QStringLiteral("Сокровище"));
    setClientSize(411, 228);
}
