// The save window: a name, the fifteen slots, save and delete.
#pragma once

#include "ui/kit/GameForm.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class TSaveForm : public GameForm {
    Q_OBJECT
public:
    explicit TSaveForm(GameContext& ctx);

    QLabel* Label1;
    QLineEdit* Edit1;
    QListWidget* ListBox1;
    QPushButton* Button1;  // Сохранить
    QPushButton* Button3;  // Удалить
    QPushButton* Button2;  // Отмена

    void ListBox1Click();
    void Button1Click();
    void Button3Click();
    void Button2Click();

protected:
    void FormShow() override;

private:
    void rebuildList();
    int selectedSlot() const;  // 1..15
    void Edit1Change();
};
