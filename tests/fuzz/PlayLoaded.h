// What a freshly loaded game meets first, played with the game's own rules: every
// frame of the map, a step each way, each town's screen and vault, a fight between
// the army and each garrison. Shared by the save fuzz target and the corruption
// test, so that an image the loader accepts is known to be playable.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/adventure/Encounters.h"
#include "core/adventure/MapView.h"
#include "core/adventure/Movement.h"
#include "core/adventure/Quest.h"
#include "core/battle/BattleEngine.h"
#include "core/data/SaveCheck.h"
#include "core/data/Session.h"
#include "core/towns/TownRules.h"
#include "platform/Random.h"

namespace playcheck {

// The first thing found wrong, or empty. Memory faults are left to the sanitizers.
struct Problems {
    std::string first;
    void add(const char* what) {
        if (first.empty()) first = what;
    }
};

inline void checkBlits(const std::vector<Blit>& blits, Problems& p) {
    for (const Blit& b : blits)
        if (!slot::drawable(b.slot)) p.add("a picture slot that draws nothing");
}

// The map window as the step rules see it; every frame is composed and checked.
class CheckingView : public NullStepView {
public:
    CheckingView(GameState& gs, Problems& p) : gs_(gs), p_(p) {}
    void paint() override {
        std::vector<Blit> out;
        frameBlits(gs_, 1, out);
        checkBlits(out, p_);
    }
    void buildGroundLayer() override {
        std::vector<Blit> out;
        groundLayerBlits(gs_, out);
        checkBlits(out, p_);
    }

private:
    GameState& gs_;
    Problems& p_;
};

inline std::string playLoadedGame(const GameState& loaded) {
    Problems p;
    auto gs = std::make_unique<GameState>(loaded);
    Session session;
    Random rnd(7);
    for (int phase = 1; phase <= 4; ++phase) {
        std::vector<Blit> out;
        frameBlits(*gs, phase, out);
        checkBlits(out, p);
    }
    std::vector<Blit> ground;
    groundLayerBlits(*gs, ground);
    checkBlits(ground, p);
    std::vector<Dot> dots;
    allDots(*gs, dots);
    nearbyDots(*gs, 1, dots);
    (void)statusLine(*gs);
    (void)calendarText(*gs);
    (void)positionText(*gs);
    (void)maskedDiary(*gs);
    (void)spellCaption(*gs);
    (void)statusLine(*gs);
    (void)townListLines(*gs);
    (void)portalButtonText(*gs, portalTargetOf(*gs));
    for (int s = 1; s <= kArmySlots; ++s) {
        (void)troopText(gs->slot(s));
        (void)battle::stackDescription(gs->slot(s));
    }

    // One walk through every key from the loaded state; the rules must leave an
    // image the loader would take again.
    {
        CheckingView view(*gs, p);
        HeroMovement hero(*gs, session, view);
        for (MapKey k : {MapKey::Space, MapKey::Right, MapKey::Left, MapKey::Up, MapKey::Down,
                         MapKey::PageUp, MapKey::PageDown, MapKey::Home, MapKey::End})
            hero.keyDown(k);
        if (!validateSave(*gs).empty()) p.add("a step left an image the loader refuses");
    }

    *gs = loaded;
    for (int t = 1; t <= kTowns; ++t) {
        session.enteredTown = EnteredTown{gs->heroX, gs->heroY, static_cast<uint16_t>(700 + t)};
        (void)showTown(*gs, session);
        (void)vaultText(*gs, gs->town(t));
        setUpStorm(*gs, gs->town(t), session.sides);
        for (int k = 1; k <= 5; ++k) {
            const Troop& a = gs->slot(k);
            const Troop& b = gs->town(t).guard(k);
            if (a.count > 0 && b.count > 0) {
                (void)battle::MeleeResult(a, b, rnd);
                (void)battle::ShotResult(b, a, rnd);
            }
        }
    }
    if (!validateSave(*gs).empty()) p.add("a town visit left an image the loader refuses");
    return p.first;
}

}  // namespace playcheck
