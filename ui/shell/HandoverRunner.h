// Carries out the hand-overs between windows (core/flow/Handover) on the game's
// windows.
#pragma once

#include "core/flow/Handover.h"

class GameForm;
struct GameContext;

// Whether the window that hands over is already closing (its close box): it
// hides by itself, so the hand-over skips its HideSelf step.
enum class Closing { No, Yes };

void runHandover(GameContext& ctx, Handover h, GameForm& from, Closing closing = Closing::No);
