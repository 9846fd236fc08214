#include "core/adventure/Movement.h"

#include <cstdlib>

#include "core/data/GameState.h"
#include "core/data/Session.h"
#include "platform/AssetNames.h"

namespace {

// The neighbours an army tries, in the order that decides ties.
constexpr int kNeighbours[8][2] = {{1, 1},  {1, 0},  {1, -1}, {0, 1},
                                   {0, -1}, {-1, 1}, {-1, 0}, {-1, -1}};

constexpr int kMovedMark = 10000;

}  // namespace

bool insideStepFrame(int x, int y) {
    return x >= 3 && x <= 68 && y >= 3 && y <= 78;
}

std::string calendarText(const GameState& gs) {
    return gs.continentName(gs.continent).str() + "  Неделя " + std::to_string(gs.week()) +
           " День " + std::to_string(gs.day());
}

std::string positionText(const GameState& gs) {
    return "X=" + std::to_string(gs.heroX) + " Y=" + std::to_string(gs.heroY);
}

bool canEnter(const GameState& gs, int a) {
    return a <= 10 || a == cell::kShip ||
           (gs.onShip == 1 && cell::isWater(static_cast<uint16_t>(a)));
}

void moveArmies(GameState& gs, int tx, int ty) {
    auto target = [&] { return static_cast<int>(gs.here(tx, ty)); };
    const int t0 = target();
    const bool sailing = gs.onShip == 1 && t0 >= 100 && t0 <= 110;
    if (!(t0 == 0 || t0 == cell::kTreasure || t0 == cell::kShip || sailing)) return;

    for (auto& row : gs.armyMoves)
        for (auto& m : row) m = ArmyMove{0, 0, 0, 0};

    const int hx = gs.heroX, hy = gs.heroY;
    for (int x = hx - 2; x <= hx + 2; ++x) {
        for (int y = hy - 2; y <= hy + 2; ++y) {
            if (!GameState::onMap(x, y)) continue;
            const int g = gs.here(x, y);
            if (!cell::isArmy(static_cast<uint16_t>(g))) continue;
            int best = std::abs(x - tx) + std::abs(y - ty) + 1;
            int nx = x, ny = y;
            for (const auto& d : kNeighbours) {
                const int r = x + d[0], s = y + d[1];
                if (!GameState::onMap(r, s) || gs.here(r, s) > 11) continue;
                // Unless the hero steps onto open ground, the armies keep out of
                // his row and his column.
                if ((r == hx || s == hy) && target() > 10) continue;
                const int u = std::abs(r - tx) + std::abs(s - ty);
                if (u < best) {
                    best = u;
                    nx = r;
                    ny = s;
                }
            }
            gs.here(x, y) = cell::kGround;
            gs.move(nx, ny) = ArmyMove{static_cast<uint16_t>(x), static_cast<uint16_t>(y),
                                       static_cast<uint16_t>(nx), static_cast<uint16_t>(ny)};
            gs.here(nx, ny) = static_cast<uint16_t>(g + kMovedMark);
        }
    }

    for (int x = hx - 4; x <= hx + 4; ++x)
        for (int y = hy - 4; y <= hy + 4; ++y)
            if (GameState::onMap(x, y) && gs.here(x, y) > kMovedMark) gs.here(x, y) -= kMovedMark;
}

void HeroMovement::stepPause() {
    inputBusy_ = true;
    view_.stepPause();
    inputBusy_ = false;
}

void HeroMovement::dispatchCellEvent(int tx, int ty) {
    moveArmies(gs_, tx, ty);
    if (cell::isArmy(gs_.here(tx, ty))) {
        view_.paint();
        session_.reward.cellX = static_cast<uint16_t>(tx);
        session_.reward.cellY = static_cast<uint16_t>(ty);
        session_.encounterCode = gs_.here(tx, ty);
        view_.openBandit();
    }
    if (const uint16_t c = gs_.here(tx, ty); c >= 700 && c <= 730) {
        view_.playSound(assets::kWavTown);
        session_.enteredTown.x = static_cast<uint16_t>(tx);
        session_.enteredTown.y = static_cast<uint16_t>(ty);
        session_.enteredTown.code = c;
        view_.openTown();
    }
    if (gs_.here(tx, ty) == cell::kPortal) view_.openPortal();
    if (gs_.here(tx, ty) == cell::kTreasure) {
        view_.openTreasure();
        gs_.here(tx, ty) = cell::kGround;
    }
    if (gs_.here(tx, ty) == cell::kOrb) {
        view_.playSound(assets::kWavPortal);
        for (int t = (gs_.continent - 1) * 10 + 1; t <= gs_.continent * 10; ++t)
            gs_.town(t).visited = 1;
        gs_.here(tx, ty) = cell::kGround;
        view_.openTownList();
    }
}

bool HeroMovement::keyDown(MapKey key) {
    if (key == MapKey::Space) inputBusy_ = false;
    if (inputBusy_) return false;
    gs_.heroSprite = 91;
    if (key == MapKey::None) return false;

    // The hero faces the way he steps; straight up or down keeps his facing.
    const KeyStep step = keyStep(key);
    const int tx = gs_.heroX + step.dx, ty = gs_.heroY + step.dy;
    if (step.dx != 0) gs_.heroFacing = step.dx > 0 ? 1 : 0;
    if (!insideStepFrame(tx, ty)) return false;

    if (key != MapKey::Space) dispatchCellEvent(tx, ty);

    const int a = gs_.here(tx, ty);
    if (!canEnter(gs_, a)) return false;
    ++gs_.steps;

    // Stepping ashore: the ship stays moored on the water cell he leaves.
    if (a <= 10 && gs_.onShip == 1) {
        gs_.onShip = 0;
        gs_.here(gs_.heroX, gs_.heroY) = cell::kShip;
    }

    // Three frames, sliding the hero (and the armies that moved) by quarters.
    const int dx = tx - gs_.heroX, dy = ty - gs_.heroY;
    const struct {
        uint16_t sprite;
        int quarter;
    } frames[3] = {{95, 1}, {94, 2}, {95, 3}};
    for (int f = 0; f < 3; ++f) {
        gs_.heroSprite = frames[f].sprite;
        gs_.stepShiftX = dx * 25 * frames[f].quarter;
        gs_.stepShiftY = dy * 25 * frames[f].quarter;
        view_.paint();
        if (f < 2) stepPause();
    }
    gs_.stepShiftX = 0;
    gs_.stepShiftY = 0;

    for (int x = tx - 2; x <= tx + 2; ++x)
        for (int y = ty - 2; y <= ty + 2; ++y) gs_.explored(gs_.continent, x, y) = 1;

    // Boarding a moored ship; a hero already at sea leaves his own ship behind.
    if (gs_.here(tx, ty) == cell::kShip) {
        if (gs_.onShip == 1) gs_.here(gs_.heroX, gs_.heroY) = cell::kShip;
        gs_.onShip = 1;
        gs_.here(tx, ty) = cell::kWater;
    }

    gs_.heroX = static_cast<uint16_t>(tx);
    gs_.heroY = static_cast<uint16_t>(ty);
    view_.buildGroundLayer();
    view_.paint();
    view_.setStatus(calendarText(gs_), positionText(gs_));

    if ((gs_.steps - 1) / 210 < gs_.steps / 210) view_.openNewWeek();
    return true;
}
