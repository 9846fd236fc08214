// Placeholder until the window is built: it exists so that start-up creates
// every window in the game's order.
#pragma once

#include "platform/qt/GameForm.h"

class TVictoryForm : public GameForm {
    Q_OBJECT
public:
    explicit TVictoryForm(GameContext& ctx);
};
