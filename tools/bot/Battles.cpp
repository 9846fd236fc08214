// The play bot in a real battle: a move for each of the hero's turns (or a
// retreat), a check after every action, and the victory or defeat window.
#include <string>

#include "core/adventure/Encounters.h"
#include "core/battle/AutoBattle.h"
#include "core/battle/Outcome.h"
#include "tools/bot/Player.h"

namespace bot {

namespace {

// A recording battle view that checks the field and the counts whenever the
// battle shows something: after every step, blow, shot, flight and wait.
class CheckedView : public battle::RecordingView {
public:
    CheckedView(const GameState& gs, const Session& s, Stats& st) : gs_(gs), s_(s), st_(st) {
        keepLog = false;
    }
    const battle::BattleEngine* engine = nullptr;

    void repaint() override {
        RecordingView::repaint();
        verify(false);
    }
    void pause(int ms) override {
        RecordingView::pause(ms);
        verify(engine && !engine->moving.shown);
    }

private:
    void verify(bool atRest) {
        if (!engine) return;
        ++st_.battleActions;
        std::string e = Invariants::checkBattle(*engine, s_.sides, atRest);
        if (e.empty()) e = Invariants::checkCounts(gs_);
        if (!e.empty())
            throw Broken("during a battle (round " + std::to_string(engine->round()) + "): " + e);
    }

    const GameState& gs_;
    const Session& s_;
    Stats& st_;
};

// Rough fighting strength, to tell when a battle has turned.
double power(const Troop& t) {
    if (t.count <= 0) return 0;
    const int blow = t.attack + t.defence + (t.shots > 0 ? t.shotPower : 0);
    return static_cast<double>(t.count) * std::max<int>(t.hitsMax, 1) * std::max(blow, 1);
}

double sidePower(const Troop* stacks) {
    double p = 0;
    for (int k = 0; k < battle::kSlots; ++k) p += power(stacks[k]);
    return p;
}

}  // namespace

// The hero's side is clearly the weaker one: only then may a battle be left.
bool Player::weaker() const {
    return sidePower(session_.sides.heroStacks) * 1.5 < sidePower(session_.sides.enemyStacks);
}

bool Player::stronger() const {
    return sidePower(session_.sides.heroStacks) > 3 * sidePower(session_.sides.enemyStacks);
}

Player::End Player::fight() {
    const auto t0 = Clock::now();
    CheckedView view(gs_, session_, st_);
    battle::BattleEngine engine(gs_, session_, rnd_, view);
    view.engine = &engine;
    engine.Setup(true);  // the battle window's show
    engine.Tick();       // the clock's first tick deals the first round
    bool retreat = false, flowed = true;
    int idle = 0, flown = 0;
    while (engine.outcome == battle::Outcome::Running) {
        const int code = engine.activeHeroCode();
        if (code != 0) {
            // The hero's stack has the turn: the retreat label is up.
            idle = 0;
            double winRate = 0;
            const bool mayFly = flown != code * 1000 + engine.round();
            // A battle well in hand is left to the computer's own play; the
            // others are worth looking ahead.
            HeroMove m{HeroMove::Computer, {}};
            winRate = 1;
            if (!stronger()) m = chooseMove(engine, mayFly, winRate);
            if (engine.round() > kMaxRounds || (winRate < kHopeChance && weaker())) {
                retreat = true;
                break;
            }
            if (m.kind == HeroMove::Click && engine.cursor == battle::Cursor::Hand)
                flown = code * 1000 + engine.round();  // one flight a turn is enough
            applyMove(engine, m);
            continue;
        }
        engine.Tick();
        if (engine.outcome == battle::Outcome::Running && engine.activeHeroCode() == 0) {
            engine.Continue();
            if (++idle > 2) {
                flowed = false;
                break;
            }
        }
    }
    view.engine = nullptr;
    st_.battleSeconds += since(t0);
    trace("battle: %s after %d rounds",
          retreat                                      ? "retreat"
          : engine.outcome == battle::Outcome::Victory ? "won"
          : engine.outcome == battle::Outcome::Defeat  ? "lost"
                                                       : "stalled",
          engine.round());
    if (!flowed) throw Broken("a battle stalled: no stack of either side can act");

    if (retreat) {
        // "Отступить": half the survivors stay, the battle closes, the defeat
        // window follows.
        int16_t stood[battle::kSlots];
        for (int k = 0; k < battle::kSlots; ++k) stood[k] = session_.sides.heroStacks[k].count;
        applyRetreat(gs_, session_.sides);
        view.shown = false;
        ++st_.retreats;
        for (int k = 1; k <= kArmySlots; ++k)
            if (gs_.slot(k).count != stood[k - 1] / 2 || session_.sides.hero(k).count != 0)
                throw Broken("after a retreat army slot " + std::to_string(k) + " holds " +
                             std::to_string(gs_.slot(k).count) + " of " +
                             std::to_string(stood[k - 1]) + " survivors");
        verify("a retreat");
        defeat();
        return End::Retreated;
    }
    if (engine.outcome == battle::Outcome::Victory) {
        ++st_.battlesWon;
        // The survivors, and only they, come home, healed.
        for (int k = 1; k <= kArmySlots; ++k) {
            const Troop& t = gs_.slot(k);
            if (t.count != session_.sides.hero(k).count || t.hits != t.hitsMax)
                throw Broken("after a won battle army slot " + std::to_string(k) + " holds " +
                             std::to_string(t.count) + " (" + std::to_string(t.hits) +
                             " hits) for " + std::to_string(session_.sides.hero(k).count) +
                             " survivors");
        }
        verify("a won battle");
        victory();
        return End::Won;
    }
    ++st_.battlesLost;
    for (int k = 1; k <= kArmySlots; ++k)
        if (gs_.slot(k).count != 0)
            throw Broken("after a lost battle army slot " + std::to_string(k) + " still holds " +
                         std::to_string(gs_.slot(k).count));
    verify("a lost battle");
    defeat();
    return End::Lost;
}

void Player::victory() {
    const BattleReward reward = session_.reward;
    applyVictory(gs_, reward);
    if (reward.cellX != 0 && reward.cellY != 0)
        inv_.cellCleared(gs_.continent, reward.cellX, reward.cellY);
    verify("the victory window");
    press(MapKey::Space, "closing the victory window");
    if (townOpen_) town_ = showTown(gs_, session_);  // the town shows its vault taken
}

void Player::defeat() {
    applyDefeat(gs_);
    verify("the defeat window");
    townOpen_ = false;
    placeHeroRandomly(gs_, rnd_);
    press(MapKey::Space, "closing the defeat window");
    path_.clear();
}

}  // namespace bot
