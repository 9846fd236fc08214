#include "towns/shtyrm.h"

TShtyrmForm::TShtyrmForm(GameContext& c) : GameForm(c) {
    setWindowTitle(QStringLiteral("Штурм"));
    setClientSize(456, 472);
}
