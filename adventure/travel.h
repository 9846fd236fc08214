// Placeholder until the window is built: it exists so that start-up creates
// every window in the game's order.
#pragma once

#include "platform/qt/GameForm.h"

class TTrForm : public GameForm {
    Q_OBJECT
public:
    explicit TTrForm(GameContext& ctx);

    // One step of the hero for a key (Qt key code); other windows send
    // Qt::Key_Space to refresh the map after they close (it counts as a step).
    void FormKeyDown(int key);
    // Redraws the whole mini-map of the current continent.
    void redrawMiniMap();
    // Creates the three mini-map surfaces anew (after a new game or a load).
    void recreateMiniMaps();
};
