#include "adventure/NotFind.h"

TNotFindForm::TNotFindForm(GameContext& c) : GameForm(c) {
    setWindowTitle(QStringLiteral("    ВЫ ПРОЧИТАЛИ ЗАКЛЯТЬЕ, НО НИЧЕГО НЕ ПРОИЗОШЛО"));
    setClientSize(409, 448);
}
