#include "shell/History.h"

THistoryForm::THistoryForm(GameContext& c) : GameForm(c) {
    setWindowTitle(QStringLiteral("История"));
    setClientSize(785, 441);
}
