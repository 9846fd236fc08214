// The defeat window: takes the hero's losses and throws him to a random place.
#pragma once

#include "ui/battle/OutcomeWindow.h"

class TDefeatForm : public OutcomeWindow {
    Q_OBJECT
public:
    explicit TDefeatForm(GameContext& ctx);

protected:
    void FormShow() override;
};
