#include "core/battle/AutoBattle.h"

#include "core/data/GameState.h"
#include "core/data/Session.h"

namespace battle {

void RecordingView::status(const std::string& text) {
    if (keepLog) statuses.push_back(text);
}

void RecordingView::sound(const std::string& relativePath) {
    if (keepLog) sounds.push_back(relativePath);
}

void RecordingView::frame(FrameKind kind, int n, Cell cell) {
    if (keepLog)
        events.push_back(std::string(kind == FrameKind::Impact ? "boom" : "shot") +
                         std::to_string(n) + "@" + std::to_string(cell.x) + "," +
                         std::to_string(cell.y));
}

void RecordingView::shotLine(Cell from, Cell to) {
    if (keepLog)
        events.push_back("line " + std::to_string(from.x) + "," + std::to_string(from.y) + "->" +
                         std::to_string(to.x) + "," + std::to_string(to.y));
}

void RecordingView::battleOver(bool won) {
    ++overCalls;
    heroWon = won;
    shown = false;
    clock = false;
}

AutoBattleResult PlayAutoBattle(GameState& gs, Session& session, Random& rnd, RecordingView& view,
                                int maxRounds, bool reseed, const HeroTurn& heroTurn) {
    view.shown = true;
    BattleEngine engine(gs, session, rnd, view);
    engine.Setup(reseed);
    // The clock's first tick deals the first round.
    engine.Tick();
    AutoBattleResult r = RunAutoBattle(engine, session, maxRounds, heroTurn);
    view.shown = false;
    return r;
}

AutoBattleResult RunAutoBattle(BattleEngine& engine, Session& session, int maxRounds,
                               const HeroTurn& heroTurn) {
    // The computer's side plays until a hero stack gets the turn, which the loop
    // then plays in its place.
    int idle = 0;
    bool left = false;
    while (engine.outcome == Outcome::Running && engine.round() <= maxRounds) {
        if (engine.activeHeroCode() != 0) {
            idle = 0;
            if (!heroTurn) {
                engine.SideTurn(kHeroSide);
            } else if (!heroTurn(engine)) {
                left = true;
                break;
            }
            continue;
        }
        // Nobody holds the turn: let the clock run (it ends an emptied battle).
        // Stacks that can never act (no speed, no reaction) would leave the
        // battle stuck; that counts as a draw rather than a hang.
        engine.Tick();
        if (engine.outcome == Outcome::Running && engine.activeHeroCode() == 0) {
            engine.Continue();
            if (++idle > 2) break;
        }
    }
    AutoBattleResult r;
    r.left = left;
    r.rounds = engine.round();
    r.winner = engine.outcome == Outcome::Victory  ? Winner::Hero
               : engine.outcome == Outcome::Defeat ? Winner::Enemy
                                                   : Winner::Draw;
    for (int k = 1; k <= kSlots; ++k) {
        r.heroLeft[k - 1] = session.sides.hero(k).count;
        r.enemyLeft[k - 1] = session.sides.enemy(k).count;
    }
    return r;
}

}  // namespace battle
