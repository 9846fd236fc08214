#include "adventure/options.h"

TOptionsForm::TOptionsForm(GameContext& c) : GameForm(c) {
    setWindowTitle(QStringLiteral("Опции"));
    setClientSize(249, 111);
}
