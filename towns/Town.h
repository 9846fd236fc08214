// Placeholder until the window is built: it exists so that start-up creates
// every window in the game's order.
#pragma once

#include "platform/qt/GameForm.h"

class TTownForm : public GameForm {
    Q_OBJECT
public:
    explicit TTownForm(GameContext& ctx);

    // Builds the whole window again from the game state (the show operation).
    void rebuild();
};
