#include "battle/Bandit.h"

TBanditForm::TBanditForm(GameContext& c) : GameForm(c) {
    setWindowTitle(QStringLiteral("Разбойники"));
    setClientSize(439, 300);
}
