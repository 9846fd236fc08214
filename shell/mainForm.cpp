#include "shell/main.h"

TStartForm::TStartForm(GameContext& c) : GameForm(c) {
    setWindowTitle(QStringLiteral("ВЕСТРАН v1.4"));
    setClientSize(505, 500);
}
