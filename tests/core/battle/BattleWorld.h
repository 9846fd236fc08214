// A battle on a field the test lays out itself: no obstacles unless placed, the
// stacks put where the test says, a recording view, a seeded generator.
#pragma once

#include <cstring>
#include <memory>

#include "core/battle/AutoBattle.h"
#include "core/battle/BattleEngine.h"
#include "core/data/Creatures.h"
#include "core/data/GameState.h"
#include "core/data/Session.h"
#include "platform/Random.h"

using namespace battle;

struct BattleWorld {
    std::unique_ptr<GameState> gs;
    Session session;
    Random rnd{7};
    RecordingView view;
    BattleEngine engine;

    BattleWorld() : gs(blankGame()), engine(*gs, session, rnd, view) {
        FillTemplates();
        engine.animPhase = 1;  // past the first tick
    }

    static GameState* blankGame() {
        auto* g = new GameState;
        std::memset(static_cast<void*>(g), 0, sizeof(GameState));
        g->soundOn = 1;
        g->continent = 1;
        return g;
    }

    // Puts a stack of `kind` x `count` on side/slot at (x, y), ready to act.
    Troop& put(int side, int slot, int kind, int count, int x, int y) {
        Troop& t = engine.stack(side, slot);
        t = makeStack(kind, static_cast<int16_t>(count));
        t.movesLeft = t.speed;
        engine.field.at(x, y) = static_cast<uint8_t>(codeOf(side, slot));
        return t;
    }
    Troop& hero(int slot) { return engine.stack(kHeroSide, slot); }
    Troop& enemy(int slot) { return engine.stack(kEnemySide, slot); }
    Cell where(int code) {
        Cell c{0, 0};
        engine.FindStack(code, c);
        return c;
    }
};

// A stack whose fights are exact: no morale or luck draws.
inline Troop plain(int attack, int defence, int hitsMax, int count) {
    Troop t = makeStack(kPeasants, static_cast<int16_t>(count));
    t.attack = static_cast<uint8_t>(attack);
    t.defence = static_cast<uint8_t>(defence);
    t.hitsMax = static_cast<int16_t>(hitsMax);
    t.hits = static_cast<int16_t>(hitsMax);
    t.morale = 0;
    t.luck = 0;
    return t;
}
