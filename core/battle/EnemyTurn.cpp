// The computer's play for one side of the battle, one decision per phase: a
// shooter shoots or steps away, a flyer lands beside its target and strikes, a
// walker strikes what is within a step or walks toward its target. Every choice
// draws from the game's Random in a fixed order: the same seed plays the same battle.
#include "core/battle/BattleEngine.h"
#include "platform/Random.h"

namespace battle {

bool BattleEngine::threatensShooter(const Troop& them, Cell themAt, int ourSide) const {
    for (int x = 1; x <= kCols; ++x)
        for (int y = 1; y <= kRows; ++y) {
            int c = field.at(x, y);
            if (!isStackCode(c) || sideOf(c) != ourSide) continue;
            const Troop& t = StackByCode(c);
            if (t.count > 0 && t.shots > 0 && distance({x, y}, themAt) <= 2 * them.movesLeft)
                return true;
        }
    return false;
}

// How much a stack is worth attacking: whether we can kill any of it, how many
// it would kill of us, and what makes it dangerous. `carried` is the score left
// from the previous candidate, which the rule builds on.
double BattleEngine::targetScore(const Troop& us, int usCode, const Troop& them, int themCode,
                                 double carried) {
    double score = carried;
    if (MeleeResult(us, them, rnd_).defendersKilled >= 1) score = 500;
    score += MeleeResult(them, us, rnd_).defendersKilled;
    if (them.movesLeft > 0) score *= 1.3;
    if (them.shots > 0) score *= 95;
    if (them.flies == 1) score *= 90;
    Cell themAt;
    if (them.shots < 1 && FindStack(themCode, themAt) &&
        threatensShooter(them, themAt, sideOf(usCode)))
        score *= 200;
    return score;
}

// The foe a shooter standing at `at` shoots: first the foe's shooters it can
// hurt, by what they would do to it; then, if worth more, the others it can
// hurt, by how soon they reach it; failing both, the first foe alive.
int BattleEngine::shotTarget(const Troop& us, Cell at, int foe) {
    double best = -1;
    int choice = 0;
    for (int j = 1; j <= kSlots; ++j) {
        const Troop& them = stack(foe, j);
        if (them.count < 1 || them.shots <= 0) continue;
        if (ShotResult(us, them, rnd_).defendersKilled < 1) continue;
        double score = ShotResult(them, us, rnd_).defendersKilled;
        if (them.movesLeft > 0) score *= 1.5;
        if (score > best) {
            choice = j;
            best = score;
        }
    }
    if (!choice) best = 0;
    best *= 100;
    for (int j = 1; j <= kSlots; ++j) {
        const Troop& them = stack(foe, j);
        if (them.count < 1 || them.shots > 0) continue;
        if (ShotResult(us, them, rnd_).defendersKilled < 1) continue;
        double score = MeleeResult(them, us, rnd_).defendersKilled;
        if (them.movesLeft > 0) score *= 1.6;
        Cell themAt = at;
        FindStack(codeOf(foe, j), themAt);
        if (2 * them.movesLeft >= distance(themAt, at)) score *= 98;
        if (them.flies == 1) score *= 98;
        if (score > best) {
            choice = j;
            best = score;
        }
    }
    for (int j = 1; j <= kSlots && !choice; ++j)
        if (stack(foe, j).count >= 1) choice = j;
    return choice;
}

// A shooter that a foe touches takes the first free cell no foe touches.
bool BattleEngine::stepAway(int code, Cell at, int foe) {
    for (auto [dx, dy] : kNeighbourOrder) {
        Cell n{at.x + dx, at.y + dy};
        if (insideField(n.x, n.y) && field.at(n) == kFree && !hasNeighbourOf(n, foe)) {
            Step(at, n, code);
            return true;
        }
    }
    return false;
}

// A flyer picks the most worthwhile foe with a free cell beside it, lands on one
// of those cells (a later one in the order by a one-in-four draw) and strikes.
void BattleEngine::flyAndStrike(int code, int foe) {
    const Troop& us = StackByCode(code);
    double best = 0, score = 0;
    int choice = 0;
    Cell landing;
    for (int j = 1; j <= kSlots; ++j) {
        const Troop& them = stack(foe, j);
        if (them.count < 1) continue;
        const int themCode = codeOf(foe, j);
        score = targetScore(us, code, them, themCode, score);
        Cell themAt, land;
        bool found = false;
        if (FindStack(themCode, themAt))
            for (auto [dx, dy] : kNeighbourOrder) {
                Cell n{themAt.x + dx, themAt.y + dy};
                if (!insideField(n.x, n.y) || field.at(n) != kFree) continue;
                if (!found || rnd_(4) == 0) land = n;
                found = true;
            }
        if (!found) score = 0;
        if (score > best) {
            choice = j;
            best = score;
            landing = land;
        }
    }
    if (choice) {
        Fly(code, landing);
        Cell target;
        if (running() && FindStack(codeOf(foe, choice), target))
            Melee(code, codeOf(foe, choice), target);
    }
}

// A walker strikes the most worthwhile foe it touches, or one that a single step
// to a free cell brings it beside. Returns whether it struck.
bool BattleEngine::strikeWithinStep(int code, Cell at, int foe) {
    const Troop& us = StackByCode(code);
    double best = 0, score = 1;
    int choice = 0;
    Cell via{0, 0};
    for (int j = 1; j <= kSlots; ++j) {
        const Troop& them = stack(foe, j);
        if (them.count < 1) continue;
        const int themCode = codeOf(foe, j);
        score = targetScore(us, code, them, themCode, score);
        Cell themAt;
        if (!FindStack(themCode, themAt)) continue;
        if (areNeighbours(at, themAt) && score > best) {
            choice = j;
            best = score;
            via = {0, 0};
        }
        if (us.movesLeft > 1)
            for (auto [dx, dy] : kNeighbourOrder) {
                Cell n{themAt.x + dx, themAt.y + dy};
                if (!insideField(n.x, n.y) || field.at(n) != kFree) continue;
                if (areNeighbours(n, at) && score > best) {
                    choice = j;
                    best = score;
                    via = n;
                }
            }
    }
    if (!choice) return false;
    Cell target;
    if (via.x != 0) Step(at, via, code);
    if (running() && FindStack(codeOf(foe, choice), target))
        Melee(code, codeOf(foe, choice), target);
    return true;
}

// A walker steps to the free neighbouring cell nearest the most worthwhile foe,
// never farther from it; between cells as near, a later one by a coin toss.
void BattleEngine::approach(int code, Cell at, int foe) {
    const Troop& us = StackByCode(code);
    double best = -1, score = 0;
    int choice = 0;
    for (int j = 1; j <= kSlots; ++j) {
        const Troop& them = stack(foe, j);
        if (them.count < 1) continue;
        score = targetScore(us, code, them, codeOf(foe, j), score);
        if (score > best) {
            choice = j;
            best = score;
        }
    }
    Cell target;
    if (!choice || !FindStack(codeOf(foe, choice), target)) return;
    int bestDistance = distance(at, target);
    Cell take{0, 0};
    for (auto [dx, dy] : kNeighbourOrder) {
        Cell n{at.x + dx, at.y + dy};
        if (!insideField(n.x, n.y) || field.at(n) != kFree) continue;
        int d = distance(n, target);
        if (d < bestDistance || (d == bestDistance && rnd_(2) == 1)) {
            take = n;
            bestDistance = d;
        }
    }
    if (take.x != 0) Step(at, take, code);
}

void BattleEngine::SideTurn(int side) {
    const int foe = otherSide(side);
    for (;;) {
        if (!running()) return;
        int slot = 0;
        for (int k = 1; k <= kSlots && !slot; ++k)
            if (stack(side, k).active == 1) slot = k;
        if (!slot) return;
        const int code = codeOf(side, slot);
        Troop& us = stack(side, slot);
        Cell at;
        if (!FindStack(code, at) || us.count <= 0 || livingCount(foe) == 0) {
            EndTurn(side, slot);
            return;
        }

        // 1. A shooter shoots when no foe touches it, or steps away from them.
        if (us.shots > 0 && CanShoot(code)) {
            if (int choice = shotTarget(us, at, foe)) Shoot(code, codeOf(foe, choice));
            EndTurn(side, slot);
            return;
        }
        const bool stepped = us.shots > 0 && us.movesLeft > 1 && stepAway(code, at, foe);

        if (!stepped && us.flies == 1) {
            // 2. A flyer lands beside the most worthwhile foe and strikes it.
            flyAndStrike(code, foe);
            EndTurn(side, slot);
            return;
        }

        if (!stepped) {
            // 3. A walker strikes what it touches, or what one step brings it to;
            if (strikeWithinStep(code, at, foe)) {
                EndTurn(side, slot);
                return;
            }
            // 4. otherwise it walks toward the most worthwhile foe, never away.
            approach(code, at, foe);
        }

        // 5. One move spent; go on while moves last.
        if (!running()) return;
        if (us.movesLeft > 0) --us.movesLeft;
        if (us.movesLeft == 0) {
            EndTurn(side, slot);
            return;
        }
    }
}

}  // namespace battle
