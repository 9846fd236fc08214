// The play bot's hands: the keys it presses on the map, the check after each,
// and its answers to every window a step opens.
#include <string>

#include "core/adventure/Encounters.h"
#include "core/battle/BanditRules.h"
#include "tools/bot/Player.h"

namespace bot {

void MapScreen::openBandit() {
    p_.opened(Window::Bandit);
}
void MapScreen::openTown() {
    p_.opened(Window::Town);
}
void MapScreen::openPortal() {
    p_.opened(Window::Portal);
}
void MapScreen::openTreasure() {
    p_.opened(Window::Treasure);
}
void MapScreen::openTownList() {
    p_.opened(Window::TownList);
}
void MapScreen::openNewWeek() {
    p_.opened(Window::NewWeek);
}

void Player::verify(const std::string& after) {
    if (auto e = inv_.check(gs_); !e.empty()) throw Broken("after " + after + ": " + e);
}

void Player::press(MapKey k, const char* what) {
    move_.keyDown(k);
    verify(what);
}

// What each window does the moment it is shown.
void Player::opened(Window w) {
    ++windowsOpened_;
    switch (w) {
        case Window::Bandit:
            banditReward(session_.reward, banditGroup(session_.encounterCode));
            break;
        case Window::Town:
            town_ = showTown(gs_, session_);
            townOpen_ = town_.town != 0;
            break;
        case Window::Portal:
            session_.portalTarget = portalTargetOf(gs_);
            break;
        case Window::Treasure:
            takeTreasure(gs_, rnd_);
            ++st_.treasures;
            break;
        case Window::TownList:
            townListLines(gs_);
            break;
        case Window::NewWeek:
            newWeekEvent(gs_, rnd_);
            ++st_.newWeeks;
            break;
    }
    windows_.push_back(w);
}

void Player::settle() {
    while (!windows_.empty()) {
        const Window w = windows_.front();
        windows_.pop_front();
        answer(w);
    }
}

void Player::answer(Window w) {
    switch (w) {
        case Window::Treasure:  // closing it refreshes the map
        case Window::NewWeek:
            press(MapKey::Space, "closing a window");
            break;
        case Window::TownList:
            break;
        case Window::Portal:
            portalWindow();
            break;
        case Window::Bandit:
            banditWindow();
            break;
        case Window::Town:
            townWindow();
            break;
    }
}

void Player::portalWindow() {
    if (intent_ != Intent::Portal) return;  // "Остаться"
    portalJump(gs_, rnd_, session_.portalTarget);
    ++st_.portals;
    lastPortal_ = st_.steps;
    press(MapKey::Space, "a portal jump");
}

void Player::banditWindow() {
    const int group = banditGroup(session_.encounterCode);
    // A band follows a hero who walks near it, as fast as he walks, and stands
    // in his way; once it keeps him from going anywhere, only a fight (or a
    // defeat, which throws him elsewhere) gets him out.
    while (!declined_.empty() && declined_.front() < st_.steps - 40) declined_.pop_front();
    // Only a hero shut in by bands and rock fights a band it would refuse.
    const bool cornered = mustFight_;
    const Judgement j = banditJudgement(session_.encounterCode);
    trace("bandits %u (group %d): won %.2f, kept %.2f%s [%s]", session_.encounterCode, group, j.win,
          j.kept, cornered ? ", cornered" : "", armyText().c_str());
    // A band that stands in the way is fought on easier terms than one sought
    // out: refusing only brings it back into the way. The escape on the map
    // decides when no step gets away from it any more.
    if (!j.worthIt(kKeepForBlockers) && !cornered) {
        ++st_.banditsDeclined;  // "Отступить"
        declined_.push_back(st_.steps);
        // A band keeps stepping into the way there: go somewhere else a while.
        if (declined_.size() >= 12 && goal_ >= 0)
            blockedGoals_[goal_ + gs_.continent * 100000] = st_.steps + 100;
        return;
    }
    declined_.clear();
    banditSides(session_.sides, gs_, group);
    if (fight() == End::Won) ++st_.banditsBeaten;
}

void Player::townWindow() {
    const uint64_t before = stateKey();
    bool acted = false;
    for (int guard = 0; townOpen_ && guard < 50; ++guard) {
        const int t = town_.town;
        TownRecord& town = gs_.town(t);
        const HireChoice hc = hireChoice(town);
        trace(
            "town %d (race %d, relation %d): hire %d (limit %d, slot %d) gain %lld dismiss %d "
            "temple %d vault %d ship %d",
            t, town.race, gs_.relation(town.race), hc.count, town_.hire.limit, town_.hire.slot,
            hc.gain, hc.dismiss, hc.temple, town_.vaultEnabled, town_.shipEnabled);
        if (town_.relationRed && town_.templeEnabled && hc.temple && hc.count > 0) {
            templeSacrifice(gs_, town);
            ++st_.templeGifts;
            verify("a temple gift");
            town_ = showTown(gs_, session_);
            acted = true;
            continue;
        }
        if (town_.hireEnabled && hc.dismiss == 0 && hc.count > 0 && hc.count <= town_.hire.limit) {
            hireRecruits(gs_, town, town_.hire, hc.count);
            ++st_.hires;
            verify("hiring");
            town_ = showTown(gs_, session_);
            acted = true;
            continue;
        }
        if (hc.dismiss != 0 && !town_.relationRed && town_.hire.slot == 0) {
            // The army window is on the map: leave, dismiss there, come back.
            pendingDismiss_ = hc.dismiss;
            acted = true;
            break;
        }
        if (town_.vaultEnabled && vaultJudgement(t).worthIt(kKeepForVaults)) {
            vaultText(gs_, town);  // the vault window's show
            fillVaultReward(session_.reward, town);
            setUpStorm(gs_, town, session_.sides);  // "Начать штурм"
            if (fight() == End::Won) ++st_.vaultsTaken;
            acted = true;
            continue;  // a victory rebuilt the town; a defeat closed it
        }
        if (intent_ == Intent::BuyShip && town_.shipEnabled) {
            buyShip(gs_, town);
            ++st_.shipsBought;
            townOpen_ = false;
            press(MapKey::Space, "buying a ship");
            acted = true;
        }
        break;
    }
    townOpen_ = false;  // "Покинуть город"
    if (!acted)
        quietVisit_[town_.town] = before;
    else
        quietVisit_.erase(town_.town);
}

void Player::readTheSpell() {
    // The map's "ЗАКЛЯТЬЕ" label: the spell window, then "Прочесть".
    spellCaption(gs_);
    if (gs_.spellTries == 0) return;
    ++st_.spellReadings;
    const bool won = readSpell(gs_);
    verify("reading the spell");
    if (!won)
        throw Broken("the spell failed on the place the diary names (" +
                     std::to_string(grave_->continent) + "," + std::to_string(grave_->x) + "," +
                     std::to_string(grave_->y) + ")");
    st_.won = true;
    st_.wonAtStep = st_.steps;  // "Продолжить игру": nothing is reset
}

}  // namespace bot
