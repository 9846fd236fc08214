#include "shell/SAVEGAM.h"

TSaveForm::TSaveForm(GameContext& c) : GameForm(c) {
    setWindowTitle(QStringLiteral("Сохранить игру"));
    setClientSize(400, 300);
}
