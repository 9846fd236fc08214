// Any bytes as a save file: the loader must refuse them or load an image that the
// game's own rules can then play without touching anything out of range.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "adventure/Encounters.h"
#include "adventure/Hero.h"
#include "adventure/MapView.h"
#include "adventure/Movement.h"
#include "data/NewGame.h"
#include "data/SaveCheck.h"
#include "data/SaveImage.h"
#include "data/Session.h"
#include "platform/Random.h"
#include "platform/headless/HeadlessPlatform.h"
#include "towns/TownRules.h"

// The battle rules join the run once they are part of the game.
#if __has_include("battle/BattleEngine.h")
#include "battle/BattleEngine.h"
#define VESTRAN_FUZZ_BATTLE 1
#endif

namespace {

[[noreturn]] void broken(const char* what) {
    std::fprintf(stderr, "fuzz_save: %s\n", what);
    std::abort();
}

// The map window as the step rules see it; every frame is composed and checked.
class CheckingView : public StepView {
public:
    explicit CheckingView(GameState& gs) : gs_(gs) {}
    void paint() override {
        std::vector<Blit> out;
        frameBlits(gs_, 1, out);
        check(out);
    }
    void stepPause() override {}
    void buildGroundLayer() override {
        std::vector<Blit> out;
        groundLayerBlits(gs_, out);
        check(out);
    }
    void setStatus(const std::string&, const std::string&) override {}
    void playSound(const char*) override {}
    void openBandit() override {}
    void openTown() override {}
    void openPortal() override {}
    void openTreasure() override {}
    void openTownList() override {}
    void openNewWeek() override {}

    static void check(const std::vector<Blit>& blits) {
        for (const Blit& b : blits)
            if (b.slot < 1 || b.slot > slot::kCount) broken("a picture slot outside 1..110");
    }

private:
    GameState& gs_;
};

void checkInvariants(const GameState& gs) {
    if (!validateSave(gs).empty()) broken("a step of the rules left an image the loader refuses");
}

// What a loaded game meets first: the map, a step each way, the towns, a fight.
void play(const GameState& loaded) {
    auto gs = std::make_unique<GameState>(loaded);
    Session session;
    Random rnd(7);
    for (int phase = 1; phase <= 4; ++phase) {
        std::vector<Blit> out;
        frameBlits(*gs, phase, out);
        CheckingView::check(out);
    }
    std::vector<Blit> ground;
    groundLayerBlits(*gs, ground);
    CheckingView::check(ground);
    std::vector<Dot> dots;
    allDots(*gs, dots);
    nearbyDots(*gs, 1, dots);
    (void)goldText(*gs);
    (void)calendarText(*gs);
    (void)positionText(*gs);
    (void)maskedDiary(*gs);
    (void)spellCaption(*gs);
    (void)statusLine(*gs);
    (void)townListLines(*gs);
    (void)portalButtonText(*gs, portalTargetOf(*gs));
    for (int s = 1; s <= kArmySlots; ++s) {
        (void)troopText(gs->slot(s));
#ifdef VESTRAN_FUZZ_BATTLE
        (void)battle::stackDescription(gs->slot(s));
#endif
    }

    const MapKey keys[] = {MapKey::Space,  MapKey::Right,    MapKey::Left, MapKey::Up, MapKey::Down,
                           MapKey::PageUp, MapKey::PageDown, MapKey::Home, MapKey::End};
    // One walk through every key from the loaded state; the rules must leave an
    // image the loader would take again.
    {
        CheckingView view(*gs);
        HeroMovement hero(*gs, session, view);
        for (MapKey k : keys) hero.keyDown(k);
        checkInvariants(*gs);
    }

    *gs = loaded;
    for (int t = 1; t <= kTowns; ++t) {
        session.enteredTown = EnteredTown{gs->heroX, gs->heroY, static_cast<uint16_t>(700 + t)};
        TownScreen screen = showTown(*gs, session);
        (void)vaultText(*gs, gs->town(t));
        setUpStorm(*gs, gs->town(t), session.sides);
#ifdef VESTRAN_FUZZ_BATTLE
        for (int k = 1; k <= 5; ++k) {
            const Troop& a = gs->slot(k);
            const Troop& b = gs->town(t).guard(k);
            if (a.count > 0 && b.count > 0) {
                (void)battle::MeleeResult(a, b, rnd);
                (void)battle::ShotResult(b, a, rnd);
            }
        }
#endif
        (void)screen;
    }
    checkInvariants(*gs);
}

std::vector<std::unique_ptr<GameState>>& bases() {
    static std::vector<std::unique_ptr<GameState>> list;
    return list;
}

// A short input edits a real game instead of being a whole file: one byte picks
// the game, then records of a 3-byte offset, a length byte and that many bytes
// overwrite the block. Mutations then land on meaningful fields far more often
// than in a 226,716-byte input.
void applyPatches(const uint8_t* data, size_t size, GameState& gs) {
    auto* block = reinterpret_cast<uint8_t*>(&gs);
    size_t i = 1;
    while (i + 4 <= size) {
        const size_t offset = (data[i] | data[i + 1] << 8 | data[i + 2] << 16) % kGameStateSize;
        size_t len = data[i + 3];
        i += 4;
        len = std::min({len, size - i, kGameStateSize - offset});
        std::memcpy(block + offset, data + i, len);
        i += len;
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FillTemplates();
    HeadlessPlatform platform;
    for (uint64_t seed : {1, 2}) {
        auto gs = std::make_unique<GameState>();
        Random rnd;
        rnd.useSeedSequence(seed);
        NewGame(*gs, rnd, platform);
        bases().push_back(std::move(gs));
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static GameState* running = [] {
        auto* g = new GameState{};
        g->gold = 12345;
        return g;
    }();

    // The load path: read into a scratch block, check, and only then replace.
    auto image = std::make_unique<GameState>();
    if (size == kGameStateSize) {
        const std::vector<unsigned char> bytes(data, data + size);
        if (!decodeSave(bytes, *image)) broken("a whole image was refused by its size");
        if (encodeSave(*image) != bytes) broken("an image does not survive save and load");
    } else {
        std::vector<unsigned char> bytes(data, data + std::min(size, size_t{64}));
        if (decodeSave(bytes, *image)) broken("an image of the wrong size was taken");
        if (size == 0) return 0;
        *image = *bases()[data[0] % bases().size()];
        applyPatches(data, size, *image);
    }
    const std::string why = validateSave(*image);
    if (!why.empty()) {
        if (running->gold != 12345) broken("a refused image touched the running game");
        return 0;
    }
    play(*image);
    return 0;
}
