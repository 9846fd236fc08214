// Every window of the game, created once in the game's fixed order.
#pragma once

#include <string>
#include <vector>

#include "ui/kit/Forms.h"

class GameForm;

// Creates the 23 windows into ctx.forms, none of them shown. The creature
// templates must be filled first.
void CreateForms(GameContext& ctx);
// The same in two steps, for a start window that shows before the others
// exist: the first window, then the 22 others in their order.
void CreateStartForm(GameContext& ctx);
void CreateOtherForms(GameContext& ctx);
// The windows in the order they were created.
std::vector<GameForm*> AllForms(const Forms& f);
// Deletes them again, the last created first (tests; the game keeps its windows
// until it ends).
void DestroyForms(GameContext& ctx);

// Starts straight into the game saved in `path`, as loading it from the start
// window does. A file that cannot be loaded gives the load window's message and
// the start window.
void OpenSavedGame(GameContext& ctx, const std::string& path);
