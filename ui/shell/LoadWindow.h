// The load window: the fifteen slots and the load that replaces the running game.
#pragma once

#include "ui/kit/GameForm.h"

class QListWidget;
class QPushButton;

class TLoadForm : public GameForm {
    Q_OBJECT
public:
    explicit TLoadForm(GameContext& ctx);

    QListWidget* ListBox1;
    QPushButton* Button1;  // Загрузить
    QPushButton* Button2;  // Отмена

    void ListBox1Click();
    void Button1Click();
    void Button2Click();

protected:
    void FormShow() override;

private:
    int selectedSlot() const;  // 1..15, or the autosave
};
