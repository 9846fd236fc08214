#include "towns/surrend.h"

TSurrendForm::TSurrendForm(GameContext& c) : GameForm(c) {
    setWindowTitle(QStringLiteral("Вы действительно хотите отступить?"));
    setClientSize(313, 192);
}
