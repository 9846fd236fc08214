// The town list: every town the hero knows, by continent and map order.
#pragma once

#include "ui/kit/GameForm.h"

class QPlainTextEdit;

class TTInfoForm : public GameForm {
    Q_OBJECT
public:
    explicit TTInfoForm(GameContext& ctx);

    void Button1Click();  // hide
    QString text() const;

protected:
    void FormShow() override;

private:
    QPlainTextEdit* Memo1;
};
