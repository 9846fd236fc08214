#include "adventure/travel.h"

TTrForm::TTrForm(GameContext& c) : GameForm(c) {
    setWindowTitle(QStringLiteral("Вестран"));
    setClientSize(732, 511);
}
