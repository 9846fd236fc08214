#include "towns/Town.h"

TTownForm::TTownForm(GameContext& c) : GameForm(c) {
    setWindowTitle(QStringLiteral("Город"));
    setClientSize(501, 423);
}

void TTownForm::rebuild() {}
