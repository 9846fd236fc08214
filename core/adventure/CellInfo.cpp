#include "core/adventure/CellInfo.h"

#include "core/data/GameState.h"
#include "core/towns/Relations.h"

std::string cellInfo(const GameState& gs, int x, int y) {
    if (gs.continent < 1 || gs.continent > kContinents || !GameState::onMap(x, y) ||
        gs.explored(gs.continent, x, y) == 0)
        return "неизвестно";
    if (x == gs.heroX && y == gs.heroY)
        return gs.onShip == 1 ? "Ваш герой на корабле" : "Ваш герой";
    const uint16_t code = gs.here(x, y);
    if (cell::isTown(code)) {
        const TownRecord& t = gs.town(code - cell::kTownBase);
        std::string text = "Город " + t.name.str();
        if (t.race >= 1 && t.race <= kRaces)
            text += ": " + gs.raceName(t.race).str() + ", отношение — " +
                    relationWord(gs.relation(t.race));
        return text;
    }
    if (cell::isArmy(code)) return "Отряд разбойников";
    if (code == cell::kTreasure) return "Сокровища";
    if (code == cell::kPortal) return "Портал";
    if (code == cell::kOrb) return "Магический шар";
    if (code == cell::kShip) return "Корабль";
    if (cell::isWater(code)) return "Вода";
    if (cell::isForest(code)) return "Лес";
    if (cell::isRock(code)) return "Скалы";
    return "Равнина";
}
