// Battles without a window: a view that only records, and a driver in which the
// computer plays both sides (the hero's side with the enemy's own decisions, roles
// swapped) unless a player's input is given for the hero's turns. Used by
// vestran-tool, the benchmark and the tests.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/battle/BattleEngine.h"

namespace battle {

// Records what a battle would show; pauses return at once.
class RecordingView : public BattleView {
public:
    bool battleVisible() const override { return shown; }
    void status(const std::string& text) override;
    void help(const std::string& text) override { helpText = text; }
    void help2(const std::string& text) override { help2Text = text; }
    void roundLabel(const std::string& text) override { roundText = text; }
    void retreatShown(bool s) override { retreat = s; }
    void cursor(Cursor c) override { cursorNow = c; }
    void repaint() override { ++repaints; }
    void pause(int ms) override { pausedMs += ms; }
    void sound(const std::string& relativePath) override;
    void clockRunning(bool on) override { clock = on; }
    void frame(FrameKind kind, int n, Cell cell) override;
    void shotLine(Cell from, Cell to) override;
    void battleOver(bool heroWon) override;

    // Everything shown is kept unless `keepLog` is off (the benchmark).
    bool keepLog = true;
    bool shown = true;  // the battle window is up until the battle ends
    std::vector<std::string> statuses;
    std::vector<std::string> sounds;
    std::vector<std::string> events;  // frames and shot lines, in order
    std::string helpText, help2Text, roundText;
    bool retreat = false;
    Cursor cursorNow = Cursor::Arrow;
    bool clock = false;
    long long pausedMs = 0;
    long repaints = 0;
    int overCalls = 0;
    bool heroWon = false;
};

enum class Winner { Hero, Enemy, Draw };

struct AutoBattleResult {
    Winner winner = Winner::Draw;
    int rounds = 0;
    std::array<int16_t, 5> heroLeft{};  // head counts by slot at the end
    std::array<int16_t, 5> enemyLeft{};
    bool left = false;  // the hero's side left the battle (HeroTurn said so)
};

// Plays the turn of the hero's stack that has it as a player does, through the
// engine's player input (a key, a click) or by letting the computer play it.
// Returns false to leave the battle instead.
using HeroTurn = std::function<bool(BattleEngine&)>;

// Fights the battle whose sides and reward are in `session` to its end, the
// computer playing both sides. A battle still going after `maxRounds` rounds is a
// draw. The army of `gs` receives the hero's survivors on a victory (and loses
// everything on a defeat), as after a battle fought in the battle window. With
// `heroTurn` a player plays the hero's stacks.
AutoBattleResult PlayAutoBattle(GameState& gs, Session& session, Random& rnd, RecordingView& view,
                                int maxRounds = 200, bool reseed = true,
                                const HeroTurn& heroTurn = {});
// Plays on the battle `engine` holds (set up, its first round dealt) in the same
// way, on whatever view the engine has. A battle still going after `maxRounds`
// rounds stops where it stands, normally with a hero stack holding the turn. With
// `heroTurn` a player plays the hero's stacks.
AutoBattleResult RunAutoBattle(BattleEngine& engine, Session& session, int maxRounds = 200,
                               const HeroTurn& heroTurn = {});

}  // namespace battle
