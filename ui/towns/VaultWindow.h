// The vault window: who guards the town's Knowledge Vault, which races a
// victory pleases or angers, and the start of the storm (in the battle window or
// quick).
#pragma once

#include "core/flow/Handover.h"
#include "ui/kit/PictureForm.h"

struct TownRecord;

class QLabel;
class QPushButton;

class TShtyrmForm : public PictureForm {
    Q_OBJECT
public:
    explicit TShtyrmForm(GameContext& ctx);

    void Button1Click();  // start the storm
    void Button2Click();  // cancel
    void Button3Click();  // "Быстрый бой"

protected:
    void FormShow() override;

private:
    const TownRecord* enteredTown() const;
    void storm(Handover how);  // in the battle window or quick

    QLabel* Label1;
    QLabel* Estimate;  // the chances of winning, from trial battles
    QLabel* Losses;    // what a victory is likely to cost, under the chances
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
};
