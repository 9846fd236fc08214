#include "towns/ArmyFree.h"

TArmyFreeForm::TArmyFreeForm(GameContext& c) : GameForm(c) {
    setWindowTitle(QStringLiteral("Уволить"));
    setClientSize(290, 134);
}
