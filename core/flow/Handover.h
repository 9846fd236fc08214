// The hand-overs between windows: what happens on the screen when one window
// gives the play to the next (after a fight, a load, a new week, a treasure, the
// portal …). Each hand-over is written here once, as the ordered steps to take;
// the window side carries them out (ui/shell/HandoverRunner). The order is part of
// the game: the hero's landing draws from the game's Random, so it keeps its
// place among the steps.
//
// To add a step: a value in HandoverStep, its place in the lists below, and its
// one case in the runner.
#pragma once

#include <span>

enum class Handover {
    NewGame,          // the start window's new game: the map takes over
    Load,             // a saved game was read: the map shows it
    Fight,            // the bandits or a town's vault: the battle begins
    BattleWon,        // the battle's last blow: the victory window
    BattleLost,       // the battle's last blow: the defeat window
    Retreat,          // the hero leaves the battle: the defeat window
    ResumeBattle,     // the retreat window's "go on fighting"
    BackToTown,       // the vault window's cancel
    Victory,          // the victory window closes
    Defeat,           // the defeat window closes
    NewWeek,          // the new week's window closes
    Treasure,         // the treasure window closes
    Portal,           // the hero went through the portal
    ShipBought,       // the town sold a ship: the town closes
    OpenSaved,        // the game given on the command line was read: the map shows it
    QuickFight,       // the bandits or a town's vault: the computer fights at once
    QuickWon,         // quick combat won: the victory window
    QuickLost,        // quick combat lost: the defeat window
    QuickUnfinished,  // quick combat found no result: the player finishes the battle
};

enum class HandoverStep {
    HideSelf,          // the window that hands over hides (unless it is already closing)
    MapStep,           // the map's Space step: it redraws, counts a step, may open the new week
    LandHeroRandomly,  // the hero lands on a random free cell of his continent
    RedrawMiniMap,     // the mini-map of the current continent, drawn whole
    RecreateMiniMaps,  // the three mini-maps, blank again (a new or loaded game)
    MapBecomesMain,    // dialogs centre on the map from now on
    ShowMap,           // the map window shows
    LeaveStart,        // if the start window is shown: it hides, the map becomes main and shows
    ShowBattle,        // the battle window shows
    CloseBattle,       // the battle window stops its clock, frees its pictures and hides
    ShowVictory,       // the victory window shows
    ShowDefeat,        // the defeat window shows
    PortalSound,       // the portal's sound once more, on arrival
    FocusBattle,       // the battle takes input and the focus again
    FocusTown,         // the town takes input and the focus again
    ReviveTown,        // the town takes input again; if shown, it comes to the front rebuilt
    HideTown,          // the town takes input again and hides (the hero is carried away)
    GameInProgress,    // a game is being played from now on: there is something to autosave
    Autosave,          // the running game is copied into the autosave
    FightQuickly,      // the battle set up is fought by the computer, then Quick* follows
    ShowBattleAsItIs,  // the battle window shows the field quick combat left, as it is
};

// The steps of a hand-over, in the order they are taken.
std::span<const HandoverStep> handoverSteps(Handover h);
