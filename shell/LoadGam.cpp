#include "shell/LoadGam.h"

TLoadForm::TLoadForm(GameContext& c) : GameForm(c) {
    setWindowTitle(QStringLiteral("Восстановление игры"));
    setClientSize(400, 300);
}
