// The town list: every town the hero knows, by continent and map order. A double
// click on a town's lines walks the hero there with the mouse walk.
#pragma once

#include <vector>

#include "core/towns/TownRules.h"
#include "ui/kit/GameForm.h"

class QLabel;
class QPlainTextEdit;

class TTInfoForm : public GameForm {
    Q_OBJECT
public:
    explicit TTInfoForm(GameContext& ctx);

    void Button1Click();  // hide
    QString text() const;
    // The line under the list: what will appear there, or why a town chosen
    // cannot be walked to.
    QString note() const;
    // A double click on line `line` of the list: closes it and walks to that
    // line's town, or says the town lies on another continent.
    void goToLine(int line);

protected:
    void FormShow() override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QPlainTextEdit* Memo1;
    QLabel* note_;
    std::vector<TownListPlace> places_;  // the town of every line of the list
};
