#include "adventure/Text.h"

TTextForm::TTextForm(GameContext& c) : GameForm(c) {
    setWindowTitle(QStringLiteral("Дневник Назга"));
    setClientSize(289, 363);
}
