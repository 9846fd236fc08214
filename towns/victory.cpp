#include "towns/victory.h"

TVictoryForm::TVictoryForm(GameContext& c) : GameForm(c) {
    setWindowTitle(QStringLiteral("Победа"));
    setClientSize(391, 423);
}
