#include "ui/towns/TownListWindow.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "core/data/GameState.h"
#include "ui/adventure/MapWindow.h"
#include "ui/adventure/MouseWalk.h"
#include "ui/kit/Look.h"

namespace {
constexpr int kHintStrip = 34;
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
    Memo1->viewport()->installEventFilter(this);
    Memo1->viewport()->setToolTip(QStringLiteral("Двойной щелчок по городу — идти к нему"));
    setEscapeAction([this] { Button1Click(); });
    // The list scrolls with the mouse, so only the keys close it.
    setQuickClose(false);
    closeHint()->move(width() - closeHint()->width() - 6,
                      289 + (kHintStrip - closeHint()->height()) / 2);
    // The note takes the strip's left part, beside the close hint, in two lines
    // at most.
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("Note"));
    note_->setWordWrap(true);
    note_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    note_->setFont(look::sans(11, false));
    look::setTextColour(note_, QColor(0, 200, 0));
    note_->setGeometry(6, 289, closeHint()->x() - 10, kHintStrip);
}

void TTInfoForm::FormShow() {
    Memo1->clear();
    places_.clear();
    QStringList lines;
    for (const std::string& l : townListLines(ctx.gs, &places_)) lines << QString::fromStdString(l);
    Memo1->setPlainText(lines.join(QChar('\n')));
    QTextCursor c = Memo1->textCursor();
    c.movePosition(QTextCursor::Start);
    Memo1->setTextCursor(c);
    Memo1->verticalScrollBar()->setValue(0);
    const bool anyTown = lines.size() > kContinents;
    note_->setText(anyTown ? QString()
                           : QStringLiteral("Здесь появятся города, о которых вы узнаете"));
    setFocus();
}

QString TTInfoForm::text() const {
    return Memo1->toPlainText();
}

QString TTInfoForm::note() const {
    return note_->text();
}

void TTInfoForm::goToLine(int line) {
    if (line < 0 || line >= static_cast<int>(places_.size())) return;
    const TownListPlace place = places_[static_cast<size_t>(line)];
    if (place.continent == 0) return;
    if (place.continent != ctx.gs.continent) {
        note_->setText(QStringLiteral("На другом континенте"));
        return;
    }
    Button1Click();
    if (ctx.forms.tr && ctx.forms.tr->mouseWalk())
        ctx.forms.tr->mouseWalk()->walkTo(place.x, place.y);
}

bool TTInfoForm::eventFilter(QObject* watched, QEvent* e) {
    if (watched == Memo1->viewport() && e->type() == QEvent::MouseButtonDblClick) {
        const auto* me = static_cast<QMouseEvent*>(e);
        if (me->button() == Qt::LeftButton)
            goToLine(Memo1->cursorForPosition(me->position().toPoint()).blockNumber());
        return true;
    }
    return GameForm::eventFilter(watched, e);
}

void TTInfoForm::Button1Click() {
    hide();
}
