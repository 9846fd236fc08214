// The hero's step on the adventure map: one key press is one turn of the game.
// The rules live here, without any window: what the step does to the screen and
// to the other windows goes through `StepView`, which the map window implements
// and the tests record.
#pragma once

#include <string>

#include "platform/GameKeys.h"

struct GameState;
struct Session;

// What a step asks of the screen and of the other windows.
class StepView {
public:
    virtual ~StepView() = default;
    // Composes and shows one frame of the map.
    virtual void paint() = 0;
    // The short blocking wait between two frames of the step animation.
    virtual void stepPause() = 0;
    // Redraws the static ground and objects around the hero.
    virtual void buildGroundLayer() = 0;
    // The two status labels: continent and calendar, hero position.
    virtual void setStatus(const std::string& calendar, const std::string& position) = 0;
    // A sound under programDir, played without waiting when sounds are on.
    virtual void playSound(const char* relative) = 0;
    // Windows the step opens (they do not block: the step goes on).
    virtual void openBandit() = 0;
    virtual void openTown() = 0;
    virtual void openPortal() = 0;
    virtual void openTreasure() = 0;
    virtual void openTownList() = 0;
    virtual void openNewWeek() = 0;
};

// A view that shows, plays and opens nothing: the rules played without a
// window. A user overrides only what it wants to see.
class NullStepView : public StepView {
public:
    void paint() override {}
    void stepPause() override {}
    void buildGroundLayer() override {}
    void setStatus(const std::string&, const std::string&) override {}
    void playSound(const char*) override {}
    void openBandit() override {}
    void openTown() override {}
    void openPortal() override {}
    void openTreasure() override {}
    void openTownList() override {}
    void openNewWeek() override {}
};

// "ИСКОРТИЯ  Неделя 1 День 1"
std::string calendarText(const GameState& gs);
// "X=6 Y=18"
std::string positionText(const GameState& gs);

// The hero keeps a frame of three cells to the map's edge (the view needs
// them): a step aiming outside 3..68 x 3..78 is refused.
bool insideStepFrame(int x, int y);

// Whether the hero may stand on a cell of code `a` (on foot or by ship).
bool canEnter(const GameState& gs, int a);

// The roaming armies within two cells of the hero close in on the target cell.
// Each army moves at most once; `armyMoves` records every move for the slide.
void moveArmies(GameState& gs, int tx, int ty);

class HeroMovement {
public:
    HeroMovement(GameState& gs, Session& session, StepView& view)
        : gs_(gs), session_(session), view_(view) {}

    // One step for one key. Returns true when the hero made the step (Space
    // included), false when the key was ignored or the target is blocked.
    bool keyDown(MapKey key);
    // Lets the armies move, then opens the window of what stands on the target.
    void dispatchCellEvent(int tx, int ty);
    // Set only while the step animation waits between two frames: direction
    // keys that arrive meanwhile are ignored.
    bool inputBusy() const { return inputBusy_; }

private:
    void stepPause();

    GameState& gs_;
    Session& session_;
    StepView& view_;
    bool inputBusy_ = false;
};
