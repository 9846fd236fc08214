#include "towns/TInfo.h"

TTInfoForm::TTInfoForm(GameContext& c) : GameForm(c) {
    setWindowTitle(QStringLiteral("Города"));
    setClientSize(305, 289);
}
