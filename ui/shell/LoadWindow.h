// The load window: the fifteen slots and the load that replaces the running game.
#pragma once

#include "ui/shell/SlotWindow.h"

class TLoadForm : public SlotWindow {
    Q_OBJECT
public:
    explicit TLoadForm(GameContext& ctx);

    void ListBox1Click() override;
    void Button1Click() override;

protected:
    void FormShow() override;
};
