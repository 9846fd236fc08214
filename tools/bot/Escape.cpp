// Keeping away from the bands the play bot would not fight: they close in on a
// hero who steps near them, so the keys are tried ahead on a copy of the map.
#include "tools/bot/Player.h"

namespace bot {

namespace {

constexpr int kEscapeDepth = 4;
constexpr int kEscapeNodes = 3000;

// The cells around (x, y) that the army moves of one step may change.
struct Window9 {
    uint16_t c[9][9];
    void save(const GameState& g, int x, int y) {
        for (int i = 0; i < 9; ++i)
            for (int j = 0; j < 9; ++j)
                c[i][j] = GameState::onMap(x - 4 + i, y - 4 + j) ? g.here(x - 4 + i, y - 4 + j)
                                                                 : uint16_t{0};
    }
    void restore(GameState& g, int x, int y) const {
        for (int i = 0; i < 9; ++i)
            for (int j = 0; j < 9; ++j)
                if (GameState::onMap(x - 4 + i, y - 4 + j)) g.here(x - 4 + i, y - 4 + j) = c[i][j];
    }
};

}  // namespace

// A band the bot would refuse if it met it now.
bool Player::refused(uint16_t code) {
    return cell::isArmy(code) && !banditJudgement(code).worthIt(kKeepForBlockers);
}

// A band closes in on a hero who steps while it stands within two cells of him:
// one it would refuse stands that near (x, y).
bool Player::threatened(const GameState& g, int x, int y) {
    for (int bx = x - 2; bx <= x + 2; ++bx)
        for (int by = y - 2; by <= y + 2; ++by)
            if (GameState::onMap(bx, by) && refused(g.here(bx, by))) return true;
    return false;
}

// Steps on foot from every cell to the goal of the way (0 everywhere without
// one), for the keys pressed near a band.
void Player::updateGoalDistance() {
    constexpr int W = kMapW + 1, H = kMapH + 1;
    const int key = goal_ < 0 ? -1 : goal_ + gs_.continent * 100000;
    if (key == goalDistFor_ && !goalDist_.empty()) return;
    goalDistFor_ = key;
    goalDist_.assign(static_cast<size_t>(W * H), goal_ < 0 ? 0 : 999);
    if (goal_ < 0) return;
    std::deque<int> open{goal_};
    goalDist_[static_cast<size_t>(goal_)] = 0;
    while (!open.empty()) {
        const int i = open.front();
        open.pop_front();
        const int x = i / H, y = i % H;
        for (const MapKey dir : kDirectionKeys) {
            const KeyStep s = keyStep(dir);
            const int tx = x + s.dx, ty = y + s.dy;
            if (!insideStepFrame(tx, ty)) continue;
            const uint16_t a = gs_.here(tx, ty);
            if (!(a <= 10 || a == cell::kTreasure || cell::isArmy(a))) continue;
            const size_t j = static_cast<size_t>(tx * H + ty);
            if (goalDist_[j] <= goalDist_[static_cast<size_t>(i)] + 1) continue;
            goalDist_[j] = goalDist_[static_cast<size_t>(i)] + 1;
            open.push_back(static_cast<int>(j));
        }
    }
}

// How good the keys from (hx, hy) on the simulated map are, with the map's own
// army moves: best when every refused band is left more than two cells behind,
// then when a band worth fighting is met, else by how near the goal they lead
// with how few refused bands near. Refusing a band that steps into the way
// costs nothing but the key: the hero stays and the bands have moved.
int Player::escapeScore(int hx, int hy, int depth, int limit, int& nodes) {
    constexpr int H = kMapH + 1;
    int near = 0;
    for (int bx = hx - 2; bx <= hx + 2; ++bx)
        for (int by = hy - 2; by <= hy + 2; ++by)
            near += GameState::onMap(bx, by) && refusedNow(sim_->here(bx, by));
    const int toGoal = std::min(goalDist_[static_cast<size_t>(hx * H + hy)], 400);
    if (near == 0) return 3000 - toGoal - depth;
    if (depth >= limit || ++nodes > escapeNodes_) return 1000 - toGoal - 20 * near - depth;
    int best = -1000;
    GameState& g = *sim_;
    Window9 saved;
    for (const MapKey dir : kDirectionKeys) {
        const KeyStep s = keyStep(dir);
        const int tx = hx + s.dx, ty = hy + s.dy;
        if (!insideStepFrame(tx, ty)) continue;
        const uint16_t a = g.here(tx, ty);
        // Only a step onto open ground (or aboard) lets the bands move and the
        // hero go on; a ship leaves every band ashore.
        if (a == cell::kShip) return 3000 - depth - 1;
        if (cell::isArmy(a) && !refusedNow(a)) best = std::max(best, 2000 - depth - 1);
        if (a != cell::kGround && a != cell::kTreasure) continue;
        saved.save(g, hx, hy);
        g.heroX = static_cast<uint16_t>(hx);
        g.heroY = static_cast<uint16_t>(hy);
        moveArmies(g, tx, ty);
        const uint16_t met = g.here(tx, ty);
        int score;
        if (!cell::isArmy(met))
            score = escapeScore(tx, ty, depth + 1, limit, nodes);
        else if (!refusedNow(met))
            score = 2000 - depth - 1;
        else
            score = escapeScore(hx, hy, depth + 1, limit, nodes);  // "Отступить"
        saved.restore(g, hx, hy);
        best = std::max(best, score);
    }
    return best;
}

// A band the bot would refuse stands within two cells of the hero on foot, and
// the way ahead would meet it: the keys are tried ahead on a copy of the map and
// the best is pressed (see escapeScore). False when not threatened.
bool Player::escape() {
    if (gs_.onShip == 1 || !threatened(gs_, gs_.heroX, gs_.heroY)) return false;
    updateGoalDistance();
    fillRefused();
    GameState& g = *sim_;
    g.continent = gs_.continent;
    g.onShip = 0;
    std::memcpy(static_cast<void*>(g.mapCells[g.continent - 1]), gs_.mapCells[gs_.continent - 1],
                sizeof g.mapCells[0]);
    const int hx = gs_.heroX, hy = gs_.heroY;
    // Shut in by bands for a while: look much further ahead.
    while (!declined_.empty() && declined_.front() < st_.steps - 40) declined_.pop_front();
    // (A deep look that found no way out is not repeated at once.)
    const bool deep = declined_.size() >= 10 && st_.steps >= deepAgain_;
    escapeNodes_ = deep ? 12000 : kEscapeNodes;
    const int depthLimit = deep ? 8 : kEscapeDepth;
    MapKey best = MapKey::None;
    int bestScore = -1000, nodes = 0;
    for (const MapKey dir : kDirectionKeys) {
        const KeyStep s = keyStep(dir);
        const int tx = hx + s.dx, ty = hy + s.dy;
        if (!insideStepFrame(tx, ty)) continue;
        const uint16_t a = g.here(tx, ty);
        int sc = -1000;
        if (a == cell::kShip) {
            sc = 3000;
        } else if (cell::isArmy(a)) {
            if (!refused(a)) sc = 2000;
        } else if (cell::isTown(a) && goal_ == tx * (kMapH + 1) + ty) {
            sc = 3000;  // the town the way leads to: no band moves
        } else if (a == cell::kGround || a == cell::kTreasure) {
            Window9 saved;
            saved.save(g, hx, hy);
            g.heroX = static_cast<uint16_t>(hx);
            g.heroY = static_cast<uint16_t>(hy);
            moveArmies(g, tx, ty);
            const uint16_t met = g.here(tx, ty);
            if (!cell::isArmy(met))
                sc = escapeScore(tx, ty, 1, depthLimit, nodes);
            else if (!refused(met))
                sc = 2000;
            else
                sc = escapeScore(hx, hy, 1, depthLimit, nodes);
            saved.restore(g, hx, hy);
        }
        if (sc > bestScore) {
            bestScore = sc;
            best = dir;
        }
    }
    if (best == MapKey::None) {
        // Shut in by rock, water and bands that never move while he stands:
        // only a fight gets him out (a defeat puts him elsewhere).
        double fightWin = -1;
        for (const MapKey dir : kDirectionKeys) {
            const KeyStep s = keyStep(dir);
            const int tx = hx + s.dx, ty = hy + s.dy;
            if (!insideStepFrame(tx, ty) || !cell::isArmy(gs_.here(tx, ty))) continue;
            if (const double w = banditJudgement(gs_.here(tx, ty)).win; w > fightWin) {
                fightWin = w;
                best = dir;
                mustFight_ = true;
            }
        }
    }
    if (deep && bestScore < 2000) deepAgain_ = st_.steps + 25;
    trace("escape: score %d, %d nodes%s", bestScore, nodes, mustFight_ ? ", shut in" : "");
    if (best == MapKey::None) return false;
    intent_ = bestScore == 3000 ? Intent::Town : Intent::None;
    ++st_.steps;
    const long before = windowsOpened_;
    press(best, "getting away from a band");
    settle();
    intent_ = Intent::None;
    mustFight_ = false;
    path_.clear();
    if (windowsOpened_ != before) restUntil_ = 0;
    return true;
}

// Whether the next `steps` keys of the way, tried on a copy of the map with the
// map's own army moves, meet no band the bot would refuse.
bool Player::pathSafe(size_t steps) {
    GameState& g = *sim_;
    g.continent = gs_.continent;
    g.onShip = 0;
    std::memcpy(static_cast<void*>(g.mapCells[g.continent - 1]), gs_.mapCells[gs_.continent - 1],
                sizeof g.mapCells[0]);
    int hx = gs_.heroX, hy = gs_.heroY;
    for (size_t i = next_; i < path_.size() && i < next_ + steps; ++i) {
        const KeyStep s = keyStep(path_[i].key);
        if (s.dx == 0 && s.dy == 0) return true;
        const int tx = hx + s.dx, ty = hy + s.dy;
        const uint16_t a = g.here(tx, ty);
        if (cell::isArmy(a)) return !refused(a);
        if (a != cell::kGround && a != cell::kTreasure) return true;  // a town, a ship...
        g.heroX = static_cast<uint16_t>(hx);
        g.heroY = static_cast<uint16_t>(hy);
        moveArmies(g, tx, ty);
        if (const uint16_t met = g.here(tx, ty); cell::isArmy(met)) return !refused(met);
        hx = tx;
        hy = ty;
    }
    return true;
}

}  // namespace bot
