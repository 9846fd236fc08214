#include "towns/NewWeek.h"

TNewWeekForm::TNewWeekForm(GameContext& c) : GameForm(c) {
    setWindowTitle(QStringLiteral("Новая неделя"));
    setClientSize(354, 433);
}
