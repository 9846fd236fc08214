#include "battle/Battle.h"

TBattleForm::TBattleForm(GameContext& c) : GameForm(c) {
    setWindowTitle(QStringLiteral("Битва"));
    setClientSize(570, 546);
}

void TBattleForm::closeBattle() { hide(); }
