#include "adventure/travel.h"

TTrForm::TTrForm(GameContext& c) : GameForm(c) {
    setWindowTitle(QStringLiteral("Вестран"));
    setClientSize(732, 511);
}

void TTrForm::FormKeyDown(int) {}
void TTrForm::redrawMiniMap() {}
void TTrForm::recreateMiniMaps() {}
