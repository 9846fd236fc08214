// The vault window: who guards the town's Knowledge Vault, which races a
// victory pleases or angers, and the start of the storm.
#pragma once

#include "platform/qt/PictureForm.h"

struct TownRecord;

class QLabel;
class QPushButton;

class TShtyrmForm : public PictureForm {
    Q_OBJECT
public:
    explicit TShtyrmForm(GameContext& ctx);

    void Button1Click();  // start the storm
    void Button2Click();  // cancel

protected:
    void FormShow() override;

private:
    const TownRecord* enteredTown() const;

    QLabel* Label1;
    QPushButton* Button1;
    QPushButton* Button2;
};
