#include "adventure/Encounters.h"

#include "data/GameState.h"
#include "platform/Random.h"

void placeHeroRandomly(GameState& gs, Random& rnd) {
    rnd.reseedFromClock();
    gs.onShip = 0;
    int x = 0, y = 0;
    do {
        x = 1 + static_cast<int>(rnd(70));
        y = 1 + static_cast<int>(rnd(80));
    } while (gs.here(x, y) != cell::kGround);
    gs.heroX = static_cast<uint16_t>(x);
    gs.heroY = static_cast<uint16_t>(y);
}
