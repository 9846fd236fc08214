#include "ui/battle/OutcomeWindow.h"

#include <QLabel>

#include "core/data/Session.h"
#include "ui/kit/Look.h"
#include "ui/shell/HandoverRunner.h"

OutcomeWindow::OutcomeWindow(GameContext& c, const OutcomeLook& look, Handover handover)
    : PictureForm(c, look.picture, look.size, look.fallback), handover_(handover) {
    setWindowTitle(look.title);
    setDialogStyle(true);  // its close box works as its button
    setRefuseClose(false);
    setClientSize(look.size.width(), look.size.height());
    const QRect h = look.headingBox, t = look.textBox;
    Label2 = look::whiteLabel(this, h.x(), h.y(), h.width(), h.height(), look.condensed);
    Label2->setText(look.heading);
    Label1 = look::whiteLabel(this, t.x(), t.y(), t.width(), t.height(), look.condensed);
    setEscapeAction([this] { Button1Click(); });
    setQuickClose();
}

std::string OutcomeWindow::takeBattleNote() {
    std::string note = std::move(ctx.session.battleNote);
    ctx.session.battleNote.clear();
    return note;
}

void OutcomeWindow::showOutcome(const std::string& text) {
    Label1->setText(QString::fromStdString(text).remove(QChar('\r')));
}

void OutcomeWindow::Button1Click() {
    runHandover(ctx, handover_, *this);
}

void OutcomeWindow::FormClose() {
    // The close box hides the window itself; the rest is the button's work.
    runHandover(ctx, handover_, *this, Closing::Yes);
}
