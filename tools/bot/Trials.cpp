// Trial battles on copies: how a fight with a band or a vault would go, and
// which of the moves open to the hero's stack keeps the most of the army.
#include <functional>

#include "core/battle/AutoBattle.h"
#include "core/battle/BanditRules.h"
#include "tools/bot/Player.h"

namespace bot {

namespace {

// Plays a battle on to its end, the computer playing the hero's stacks with the
// enemy's own decisions. `heroTurn` runs before each of the hero's turns and may
// stop the battle (false). Returns false when the battle stalled: no stack on
// either side could act.
bool playOn(battle::BattleEngine& e, const std::function<bool()>& heroTurn) {
    using namespace battle;
    int idle = 0;
    while (e.outcome == Outcome::Running) {
        if (e.activeHeroCode() != 0) {
            idle = 0;
            if (!heroTurn()) return true;
            e.SideTurn(kHeroSide);
            continue;
        }
        e.Tick();
        if (e.outcome == Outcome::Running && e.activeHeroCode() == 0) {
            e.Continue();
            if (++idle > 2) return false;
        }
    }
    return true;
}

// Copies the state of a running battle into an engine working on copies.
void cloneBattle(battle::BattleEngine& copy, const battle::BattleEngine& e) {
    copy.field = e.field;
    copy.dead = e.dead;
    copy.background = e.background;
    copy.animPhase = e.animPhase;
    copy.gridLines = e.gridLines;
    copy.moving = e.moving;
    copy.cursor = e.cursor;
    copy.roundText = e.roundText;
    copy.outcome = e.outcome;
}

// What the player's keys and clicks can do with the stack that has the turn:
// the computer's own choice, end the turn, wait, a step or blow in each
// direction, a shot at each enemy, a flight beside an enemy.
std::vector<HeroMove> heroMoves(const battle::BattleEngine& e, bool mayFly) {
    using namespace battle;
    std::vector<HeroMove> moves{{HeroMove::Computer, {}}, {HeroMove::End, {}}};
    const int code = e.activeHeroCode();
    Cell at;
    if (!code || !e.FindStack(code, at)) return moves;
    const Troop& us = e.StackByCode(code);
    if (us.waited == 0) moves.push_back({HeroMove::Wait, {}});
    for (auto [dx, dy] : kNeighbourOrder) {
        const Cell to{at.x + dx, at.y + dy};
        if (!insideField(to.x, to.y)) continue;
        const int there = e.field.at(to);
        if (isObstacle(there) || (isStackCode(there) && sideOf(there) == kHeroSide)) continue;
        moves.push_back({HeroMove::Direction, {dx, dy}});
    }
    for (int x = 1; x <= kCols; ++x)
        for (int y = 1; y <= kRows; ++y) {
            const int c = e.field.at(x, y);
            if (e.cursor == Cursor::Cross && isStackCode(c) && sideOf(c) == kEnemySide &&
                e.StackByCode(c).count > 0)
                moves.push_back({HeroMove::Click, {x, y}});
            if (mayFly && e.cursor == Cursor::Hand && c == kFree && us.flies == 1) {
                bool beside = false;
                for (auto [dx, dy] : kNeighbourOrder)
                    if (insideField(x + dx, y + dy)) {
                        const int n = e.field.at(x + dx, y + dy);
                        beside |= isStackCode(n) && sideOf(n) == kEnemySide;
                    }
                if (beside) moves.push_back({HeroMove::Click, {x, y}});
            }
        }
    return moves;
}

}  // namespace

void applyMove(battle::BattleEngine& e, const HeroMove& m) {
    switch (m.kind) {
        case HeroMove::Computer:
            e.SideTurn(battle::kHeroSide);
            break;
        case HeroMove::End:
            e.HeroEndTurn();
            break;
        case HeroMove::Wait:
            e.HeroWait();
            break;
        case HeroMove::Direction:
            e.HeroDirection(m.cell.x, m.cell.y);
            break;
        case HeroMove::Click:
            e.HeroClick(m.cell);
            break;
    }
}

Judgement Player::judge(const BattleSides& sides, const BattleReward& reward, uint64_t key) {
    if (auto it = judged_.find(key); it != judged_.end()) return it->second;
    const auto t0 = Clock::now();
    long long before = 0;
    for (const Troop& t : sides.heroStacks) before += worth(t);
    int wins = 0;
    double kept = 0;
    for (int k = 0; k < o_.trials; ++k) {
        std::memcpy(static_cast<void*>(scratch_->army), gs_.army, sizeof gs_.army);
        Session s{};
        s.sides = sides;
        s.reward = reward;
        Random r(own_(0xFFFFFFFFu) * 0x100000001ULL + static_cast<uint64_t>(k));
        battle::RecordingView v;
        v.keepLog = false;
        const auto res = battle::PlayAutoBattle(*scratch_, s, r, v, kMaxRounds, false);
        ++st_.trialBattles;
        if (res.winner != battle::Winner::Hero) continue;
        ++wins;
        long long after = 0;
        for (int j = 0; j < kArmySlots; ++j)
            if (res.heroLeft[j] > 0)
                after += static_cast<long long>(res.heroLeft[j]) *
                         std::max<int>(sides.heroStacks[j].price, 1);
        kept += before > 0 ? static_cast<double>(after) / static_cast<double>(before) : 0.0;
    }
    st_.battleSeconds += since(t0);
    Judgement j;
    if (o_.trials > 0) {
        j.win = static_cast<double>(wins) / o_.trials;
        j.kept = kept / o_.trials;
    }
    judged_[key] = j;
    return j;
}

Judgement Player::banditJudgement(uint16_t code) {
    const int group = banditGroup(code);
    if (group < 0) return {};
    BattleSides sides{};
    banditSides(sides, gs_, group);
    BattleReward reward{};
    banditReward(reward, group);
    return judge(sides, reward, mix(stacksKey(gs_.army, kArmySlots), 0xBA00 + code));
}

Judgement Player::vaultJudgement(int t) {
    const TownRecord& town = gs_.town(t);
    BattleSides sides{};
    setUpStorm(gs_, town, sides);
    BattleReward reward{};
    fillVaultReward(reward, town);
    return judge(sides, reward,
                 mix(mix(stacksKey(gs_.army, kArmySlots), 0xFA00 + static_cast<uint64_t>(t)),
                     stacksKey(town.garrison, 5)));
}

// The hero's stack has the turn: every move the player could make is tried on
// copies of the battle, each followed by the computer's play for both sides to
// the end, and the move that keeps the most of the army wins. Also tells how
// often the best move won, which decides a retreat.
HeroMove Player::chooseMove(const battle::BattleEngine& e, bool mayFly, double& winRate) {
    using namespace battle;
    const std::vector<HeroMove> moves = heroMoves(e, mayFly);
    long long start = 0;
    for (const Troop& t : session_.sides.heroStacks) start += worth(t);
    constexpr int kRollouts = 3;
    uint64_t seeds[kRollouts];
    for (uint64_t& sd : seeds) sd = own_(0xFFFFFFFFu) * 0x100000001ULL + 1;
    HeroMove best = moves.front();
    double bestScore = -1;
    winRate = 0;
    for (const HeroMove& m : moves) {
        double score = 0;
        int wins = 0;
        for (uint64_t sd : seeds) {
            std::memcpy(static_cast<void*>(scratch_->army), gs_.army, sizeof gs_.army);
            Session s = session_;
            Random r(sd);
            RecordingView v;
            v.keepLog = false;
            BattleEngine copy(*scratch_, s, r, v);
            cloneBattle(copy, e);
            applyMove(copy, m);
            const int until = e.round() + 30;
            playOn(copy, [&] { return copy.round() <= until; });
            ++st_.trialBattles;
            if (copy.outcome != Outcome::Victory) continue;
            ++wins;
            long long left = 0;
            for (const Troop& t : s.sides.heroStacks) left += worth(t);
            score += 1.0 + (start > 0 ? static_cast<double>(left) / static_cast<double>(start) : 0);
        }
        if (score > bestScore) {
            bestScore = score;
            best = m;
            winRate = static_cast<double>(wins) / kRollouts;
        }
    }
    return best;
}

}  // namespace bot
