// What the victory and defeat windows share: a picture with a heading and,
// under it, what the battle's outcome did to the game. The button, Escape and
// the close box all hand the play on as the outcome calls for.
#pragma once

#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>
#include <string>

#include "core/flow/Handover.h"
#include "ui/kit/PictureForm.h"

class QLabel;

// How one outcome window looks.
struct OutcomeLook {
    const char* picture;
    QSize size;
    QColor fallback;  // the plain area shown when the picture is missing
    QString title;
    QString heading;
    QRect headingBox;
    QRect textBox;
    bool condensed;  // a condensed face, for a heading that fits the width on one line
};

class OutcomeWindow : public PictureForm {
    Q_OBJECT
public:
    void Button1Click();
    QLabel* Label1;  // what the outcome did
    QLabel* Label2;  // the heading

protected:
    OutcomeWindow(GameContext& ctx, const OutcomeLook& look, Handover handover);
    // After quick combat, the line of what each side lost; empty otherwise. It is
    // shown once.
    std::string takeBattleNote();
    // The outcome's text in the window; its lines break with CR and LF, a label
    // needs only the LF.
    void showOutcome(const std::string& text);
    void FormClose() override;

private:
    Handover handover_;
};
