#include "adventure/portal.h"

TPortalForm::TPortalForm(GameContext& c) : GameForm(c) {
    setWindowTitle(QStringLiteral("Портал"));
    setClientSize(400, 200);
}
