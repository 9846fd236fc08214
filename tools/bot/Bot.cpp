// The play bot's turn on the map, its whole run, and the summary the tool prints.
#include "tools/bot/Bot.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "core/adventure/Quest.h"
#include "tools/bot/Player.h"

namespace bot {

void Player::turn() {
    if (pendingDismiss_ != 0) {
        dismissSlot(gs_, pendingDismiss_);  // the army window, from the map
        ++st_.dismissals;
        pendingDismiss_ = 0;
        path_.clear();
        verify("dismissing a stack");
    }
    updateGrave();
    // Once won, a game played on walks off the grave: reading again would take no
    // step and the bot would stand there for ever.
    if (!st_.won && grave_ && gs_.continent == grave_->continent && gs_.heroX == grave_->x &&
        gs_.heroY == grave_->y) {
        readTheSpell();
        if (st_.won) return;
    }
    // Going to and fro between the same cells (a band keeps the way shut, or
    // the way and the dodging disagree): leave that goal alone a while.
    const int here = gs_.continent * 100000 + gs_.heroX * (kMapH + 1) + gs_.heroY;
    recent_.push_back(here);
    if (recent_.size() > 40) recent_.pop_front();
    if (goal_ >= 0 && std::count(recent_.begin(), recent_.end(), here) >= 8) {
        blockedGoals_[goal_ + gs_.continent * 100000] = st_.steps + 300;
        trace("going round in circles: goal (%d,%d) left alone", goal_ / (kMapH + 1),
              goal_ % (kMapH + 1));
        recent_.clear();
        path_.clear();
    }
    // Held on one cell for long by bands that step into every way out: fight
    // the most beatable of them (a defeat puts the hero elsewhere).
    held_ = here == heldAt_ ? held_ + 1 : 0;
    heldAt_ = here;
    if (held_ >= 40 && gs_.onShip == 0) {
        MapKey key = MapKey::None;
        double win = -1;
        for (const MapKey dir : kDirectionKeys) {
            const KeyStep s = keyStep(dir);
            const int tx = gs_.heroX + s.dx, ty = gs_.heroY + s.dy;
            if (!insideStepFrame(tx, ty) || !cell::isArmy(gs_.here(tx, ty))) continue;
            if (const double w = banditJudgement(gs_.here(tx, ty)).win; w > win) {
                win = w;
                key = dir;
            }
        }
        if (key != MapKey::None) {
            trace("held by bands: fighting");
            held_ = 0;
            mustFight_ = true;
            ++st_.steps;
            press(key, "a step into a band");
            settle();
            mustFight_ = false;
            path_.clear();
            return;
        }
    }
    const bool resting = path_.empty() && st_.steps < restUntil_;
    if (!resting && (path_.empty() || st_.steps - plannedAt_ >= kReplanEvery || !onCourse())) {
        plan();
        // Nothing worth a step: rest a while before looking again.
        if (path_.empty()) restUntil_ = st_.steps + 30;
        idle_ = path_.empty() ? idle_ + 1 : 0;
    }
    // Near a band it would refuse, the hero keeps to his way only while the
    // next steps of it stay out of the band's reach.
    if (gs_.onShip == 0 && threatened(gs_, gs_.heroX, gs_.heroY) && !(onCourse() && pathSafe(8)) &&
        escape())
        return;

    MapKey key = MapKey::Space;  // nothing to do: let a day go by
    intent_ = Intent::None;
    if (onCourse()) {
        key = path_[next_].key;
        intent_ = path_[next_].intent;
        ++next_;
    }
    ++st_.steps;
    const long before = windowsOpened_;
    press(key, key == MapKey::Space ? "resting" : "a step");
    settle();
    intent_ = Intent::None;
    if (windowsOpened_ != before) {
        path_.clear();
        restUntil_ = 0;
    }
}

Stats Player::run() {
    const auto t0 = Clock::now();
    try {
        verify("loading");
        // Showing the map window refreshes it with a Space key.
        press(MapKey::Space, "showing the map");
        settle();
        // A turn that presses no key must not repeat for ever: that would hang a
        // soak instead of reporting what went wrong.
        long idle = 0;
        while (st_.steps < o_.steps && !(st_.won && o_.stopWhenWon)) {
            const long before = st_.steps;
            turn();
            idle = st_.steps == before ? idle + 1 : 0;
            if (idle > 1000) throw Broken("the bot pressed no key in 1000 turns");
        }
    } catch (const Broken& e) {
        st_.failure = e.what();
    }
    st_.seconds = since(t0);
    st_.letters = 0;
    for (int k = 1; k <= kLetters; ++k) st_.letters += gs_.letter(k) == 1;
    return st_;
}

Stats play(GameState& gs, Random& rnd, const Options& o) {
    Player p(gs, rnd, o);
    return p.run();
}

std::string summary(const Stats& s, const GameState& gs) {
    auto perSecond = [](double n, double secs) { return secs > 0 ? n / secs : 0.0; };
    char buf[256];
    std::string out;
    std::snprintf(buf, sizeof buf, "steps: %ld (game step counter %u, week %u)\n", s.steps,
                  gs.steps, gs.week());
    out += buf;
    const long battles = s.battlesWon + s.battlesLost + s.retreats;
    std::snprintf(buf, sizeof buf,
                  "battles: %ld (won %ld, lost %ld, retreats %ld; bandits beaten %ld, vaults "
                  "taken %ld, bandits avoided %ld), trial battles %ld, checks in battles %ld\n",
                  battles, s.battlesWon, s.battlesLost, s.retreats, s.banditsBeaten, s.vaultsTaken,
                  s.banditsDeclined, s.trialBattles, s.battleActions);
    out += buf;
    std::snprintf(buf, sizeof buf,
                  "map: treasures %ld, portals %ld, ships bought %ld, hires %ld, dismissals %ld, "
                  "temple gifts %ld, new weeks %ld\n",
                  s.treasures, s.portals, s.shipsBought, s.hires, s.dismissals, s.templeGifts,
                  s.newWeeks);
    out += buf;
    std::string letters;
    for (int k = 1; k <= kLetters; ++k)
        if (gs.letter(k) == 1) letters += std::string(DiaryAlphabet[k]);
    std::snprintf(buf, sizeof buf, "letters: %d of 30 %s\n", s.letters, letters.c_str());
    out += buf;
    out += "hero: gold " + std::to_string(gs.gold) + ", Authority " + std::to_string(gs.authority) +
           ", army";
    for (int k = 1; k <= kArmySlots; ++k)
        if (gs.slot(k).count > 0)
            out += " " + gs.slot(k).name.str() + " x" + std::to_string(gs.slot(k).count);
    out += "\n";
    if (s.graveKnownAtStep >= 0)
        out += "grave named by the diary at step " + std::to_string(s.graveKnownAtStep) + "\n";
    out += s.won ? "game won at step " + std::to_string(s.wonAtStep) + "\n" : "game not won\n";
    std::snprintf(buf, sizeof buf,
                  "time: %.2f s, %.0f steps per second, %.0f battles per second (%ld real and "
                  "trial battles in %.2f s)\n",
                  s.seconds, perSecond(static_cast<double>(s.steps), s.seconds),
                  perSecond(static_cast<double>(battles + s.trialBattles), s.battleSeconds),
                  battles + s.trialBattles, s.battleSeconds);
    out += buf;
    if (!s.failure.empty()) out += "INVARIANT BROKEN: " + s.failure + "\n";
    return out;
}

}  // namespace bot
