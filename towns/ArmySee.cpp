#include "towns/ArmySee.h"

TArmyForm::TArmyForm(GameContext& c) : GameForm(c) {
    setWindowTitle(QStringLiteral("Обход армии"));
    setClientSize(525, 407);
}
