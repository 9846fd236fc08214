// The save window: a name, the fifteen slots, save and delete.
#pragma once

#include "ui/shell/SlotWindow.h"

class QLabel;
class QLineEdit;

class TSaveForm : public SlotWindow {
    Q_OBJECT
public:
    explicit TSaveForm(GameContext& ctx);

    QLabel* Label1;
    QLineEdit* Edit1;
    QPushButton* Button3;  // Удалить

    void ListBox1Click() override;
    void Button1Click() override;
    void Button3Click();

protected:
    void FormShow() override;

private:
    void rebuildList();
    void Edit1Change();
};
