// The victory window: pays out what the battle was worth and returns to the map.
#pragma once

#include "ui/battle/OutcomeWindow.h"

class TVictoryForm : public OutcomeWindow {
    Q_OBJECT
public:
    explicit TVictoryForm(GameContext& ctx);

protected:
    void FormShow() override;
};
