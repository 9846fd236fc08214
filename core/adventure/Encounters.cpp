#include "core/adventure/Encounters.h"

#include "core/data/GameState.h"
#include "platform/Random.h"

void placeHeroRandomly(GameState& gs, Random& rnd) {
    rnd.reseedFromClock();
    gs.onShip = 0;
    // A damaged map without open ground would make the search below endless.
    bool anyOpen = false;
    for (int x = 1; x <= kMapW && !anyOpen; ++x)
        for (int y = 1; y <= kMapH && !anyOpen; ++y) anyOpen = gs.here(x, y) == cell::kGround;
    if (!anyOpen) return;
    int x = 0, y = 0;
    do {
        x = 1 + static_cast<int>(rnd(70));
        y = 1 + static_cast<int>(rnd(80));
    } while (gs.here(x, y) != cell::kGround);
    gs.heroX = static_cast<uint16_t>(x);
    gs.heroY = static_cast<uint16_t>(y);
}

int takeTreasure(GameState& gs, Random& rnd) {
    const int amount = static_cast<int>(rnd(100)) + gs.continent * 200;
    gs.gold += static_cast<uint32_t>(amount);
    return amount;
}

std::string treasureText(int amount) {
    return "Вы нашли сокровища на сумму " + std::to_string(amount) + ".";
}

uint8_t portalTargetOf(const GameState& gs) {
    const int t = gs.continent + 1;
    return static_cast<uint8_t>(t > kContinents ? 1 : t);
}

std::string portalButtonText(const GameState& gs, uint8_t target) {
    return "Отправиться на " + gs.continentName(target).str();
}

void portalJump(GameState& gs, Random& rnd, uint8_t target) {
    if (target < 1 || target > kContinents) return;
    gs.continent = target;
    placeHeroRandomly(gs, rnd);
}

std::string spellCaption(const GameState& gs) {
    return "Прочитать Заклятье Могущества (попыток " + std::to_string(gs.spellTries) + ").";
}

bool onGrave(const GameState& gs) {
    return gs.continent == gs.graveContinent && gs.heroX == gs.graveX && gs.heroY == gs.graveY;
}

bool readSpell(GameState& gs) {
    if (gs.spellTries == 0) return false;
    --gs.spellTries;
    return onGrave(gs);
}
