// What the save and load windows share: the fifteen slots in a list, a first
// button that acts on the chosen slot (a double click on a slot or Enter press
// it too) and "Отмена" (or Escape), which hides the window.
#pragma once

#include "ui/kit/GameForm.h"

class QListWidget;
class QPushButton;

class SlotWindow : public GameForm {
    Q_OBJECT
public:
    QListWidget* ListBox1 = nullptr;
    QPushButton* Button1 = nullptr;  // Сохранить, Загрузить
    QPushButton* Button2 = nullptr;  // Отмена

    virtual void ListBox1Click() = 0;
    virtual void Button1Click() = 0;
    void Button2Click();

protected:
    // The window's title and background colour (BGR); both windows are 329 x 306.
    SlotWindow(GameContext& ctx, const QString& title, int colourBgr);
    // The slot list, `height` high from `y` down. The windows create their
    // controls in the order the keyboard's focus follows.
    void addSlotList(int y, int height);
    // A button of the bottom row, from `x` right.
    QPushButton* addButton(const QString& text, int x);
    // Wires the list and the two buttons, once they all exist.
    void connectSlotControls();
    int selectedSlot() const;  // 1..15, or the autosave
};
