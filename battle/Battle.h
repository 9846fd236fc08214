// Placeholder until the window is built: it exists so that start-up creates
// every window in the game's order.
#pragma once

#include "platform/qt/GameForm.h"

class TBattleForm : public GameForm {
    Q_OBJECT
public:
    explicit TBattleForm(GameContext& ctx);

    // Stops the battle clock, frees the battle's pictures and hides the window.
    void closeBattle();
};
