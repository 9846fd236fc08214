// The army window: the hero's five slots with their pictures and values; the
// order of the slots is the order of his stacks in battle.
#pragma once

#include <QHash>
#include <QImage>

class PictureBox;

#include "ui/kit/GameForm.h"

class QFrame;
class QLabel;
class QPushButton;
class QTimer;

class TArmyForm : public GameForm {
    Q_OBJECT
public:
    explicit TArmyForm(GameContext& ctx);

    // Refresh: pictures, head counts and texts of the five slots.
    void ListBox1DblClick();
    int selectedSlot() const { return selectedSlot_; }
    void selectSlot(int slot);  // a picture click

    void BitBtn1Click();  // up
    void BitBtn2Click();  // down
    void BitBtn3Click();  // dismiss
    void Button1Click();  // close
    void Timer1Timer();

protected:
    void FormShow() override;
    void FormClose() override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void select();
    QImage picture(const std::string& path);

    int selectedSlot_ = 1;
    int timerTag_ = 1;
    QHash<QString, QImage> pictures_;
    PictureBox* Image[5];
    QLabel* Label[5];
    QFrame* Bevel1;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;
    QTimer* Timer1;
};
