#include "ui/towns/TownListWindow.h"

#include <QPlainTextEdit>
#include <QScrollBar>

#include "core/data/GameState.h"
#include "core/towns/TownRules.h"
#include "ui/kit/Look.h"

namespace {
constexpr int kHintStrip = 24;
}  // namespace

TTInfoForm::TTInfoForm(GameContext& c) : GameForm(c) {
    setWindowTitle(QStringLiteral("Города"));
    // The list, and under it a strip that tells how to close the window.
    setClientSize(305, 289 + kHintStrip);
    look::setBackground(this, Qt::black);
    setDialogStyle(true);
    setRefuseClose(false);  // the close box hides it, like Escape

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(0, 0, 305, 289);
    Memo1->setReadOnly(true);
    // The text is only read: it never takes the focus, so it is never edited.
    Memo1->setFocusPolicy(Qt::NoFocus);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setFont(look::courier(13));
    look::setBackground(Memo1, Qt::black);
    look::setBackground(Memo1->viewport(), Qt::black);
    look::setTextColour(Memo1, QColor(0, 255, 0));
    setEscapeAction([this] { Button1Click(); });
    // The list scrolls with the mouse, so only the keys close it.
    setQuickClose(false);
    closeHint()->move(width() - closeHint()->width() - 6,
                      289 + (kHintStrip - closeHint()->height()) / 2);
}

void TTInfoForm::FormShow() {
    Memo1->clear();
    QStringList lines;
    for (const std::string& l : townListLines(ctx.gs)) lines << QString::fromStdString(l);
    Memo1->setPlainText(lines.join(QChar('\n')));
    QTextCursor c = Memo1->textCursor();
    c.movePosition(QTextCursor::Start);
    Memo1->setTextCursor(c);
    Memo1->verticalScrollBar()->setValue(0);
    setFocus();
}

QString TTInfoForm::text() const {
    return Memo1->toPlainText();
}

void TTInfoForm::Button1Click() {
    hide();
}
