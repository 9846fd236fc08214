#include "battle/BattleLog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

constexpr int kWidth = 300;
constexpr int kGap = 6;  // between the battle window and the log

QFont boldSans(int pixels) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixels);
    f.setBold(true);
    return f;
}

}  // namespace

TBattleLogForm::TBattleLogForm(QWidget* battle)
    : QWidget(battle, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus |
                          Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      battle_(battle) {
    setWindowTitle(QStringLiteral("Журнал битвы"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    // The battle window's own dark red-brown around a black page.
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(128, 64, 64));
    setPalette(pal);

    lines_ = new QPlainTextEdit(this);
    lines_->setReadOnly(true);
    lines_->setFocusPolicy(Qt::NoFocus);
    lines_->setTextInteractionFlags(Qt::NoTextInteraction);
    lines_->setMaximumBlockCount(5000);
    lines_->setFont(boldSans(11));
    lines_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QPalette page = lines_->palette();
    page.setColor(QPalette::Base, Qt::black);
    page.setColor(QPalette::Text, QColor(192, 192, 192));
    lines_->setPalette(page);

    hint_ = new QLabel(QStringLiteral("L — скрыть журнал"), this);
    hint_->setFont(boldSans(11));
    QPalette hp = hint_->palette();
    hp.setColor(QPalette::WindowText, QColor(192, 192, 192));
    hint_->setPalette(hp);

    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(5, 5, 5, 4);
    box->setSpacing(3);
    box->addWidget(lines_);
    box->addWidget(hint_);
    resize(kWidth, battle->height());
}

void TBattleLogForm::start() {
    lines_->clear();
    if (wanted_) {
        place();
        show();
    }
}

void TBattleLogForm::stop() {
    hide();
}

void TBattleLogForm::toggle() {
    wanted_ = !wanted_;
    if (!wanted_) {
        hide();
        return;
    }
    place();
    show();
    lines_->verticalScrollBar()->setValue(lines_->verticalScrollBar()->maximum());
}

void TBattleLogForm::add(const QString& line, int side) {
    const char* colour = side == 1 ? "#00ff00" : side == 2 ? "#ffff00" : "#ffffff";
    lines_->appendHtml(QStringLiteral("<span style=\"color:%1\">%2</span>")
                           .arg(QLatin1String(colour), line.toHtmlEscaped()));
}

QString TBattleLogForm::text() const {
    return lines_->toPlainText();
}

// Beside the battle window: to its right where the screen has room, else to
// its left, else over the screen's right edge.
void TBattleLogForm::place() {
    resize(kWidth, battle_->height());
    const QRect b = battle_->frameGeometry();
    const int frame = frameGeometry().width() - width();
    const int w = kWidth + frame;
    QRect screen(0, 0, 1 << 16, 1 << 16);
    if (QScreen* s = battle_->screen()) screen = s->availableGeometry();
    int x = b.right() + 1 + kGap;
    if (x + w > screen.right() + 1) {
        x = b.left() - kGap - w;
        if (x < screen.left()) x = screen.right() + 1 - w;
    }
    move(x, b.top());
}

void TBattleLogForm::keyPressEvent(QKeyEvent* e) {
    // Should the window system hand the log the keyboard after all, the keys
    // still play the battle.
    QApplication::sendEvent(battle_, e);
}

void TBattleLogForm::closeEvent(QCloseEvent* e) {
    // The title bar's close box hides the log, as L does.
    if (e->spontaneous()) wanted_ = false;
    e->accept();
}
