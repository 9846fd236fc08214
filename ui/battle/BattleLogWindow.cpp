#include "ui/battle/BattleLogWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include "ui/kit/GamepadInput.h"

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

    // The newest line stays in sight unless the player has scrolled back to
    // read. The page grows as its wrapped lines are laid out, after the line
    // was added, so the bar follows its range rather than the additions.
    QScrollBar* bar = lines_->verticalScrollBar();
    connect(bar, &QScrollBar::valueChanged, this,
            [this, bar](int v) { following_ = v >= bar->maximum(); });
    connect(bar, &QScrollBar::rangeChanged, this, [this, bar](int, int max) {
        if (following_) bar->setValue(max);
    });

    hint_ = new QLabel(this);
    followLastInput(hint_, [this](bool pad) {
        hint_->setText(QStringLiteral("%1 — скрыть журнал")
                           .arg(pad ? padName(padButtonForLetter(PadScreen::Battle, 'L')) : "L"));
    });
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
    // The log keeps to the battle window's side when the battle window moves
    // (the window system places it, or the player drags it).
    battle->installEventFilter(this);
}

bool TBattleLogForm::eventFilter(QObject* watched, QEvent* e) {
    if (watched == battle_ && e->type() == QEvent::Move && isVisible()) place();
    return QWidget::eventFilter(watched, e);
}

void TBattleLogForm::start() {
    lines_->clear();
    following_ = true;
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
// its left, else over the screen's right edge; the tops of the two windows'
// insides level. Inside areas, not frames, are placed: the window system tells
// a window's frame only once it has shown it.
void TBattleLogForm::place() {
    const QRect b = battle_->geometry();
    const int frame = battle_->frameGeometry().width() - battle_->width();
    QRect screen(0, 0, 1 << 16, 1 << 16);
    if (QScreen* s = battle_->screen()) screen = s->availableGeometry();
    int x = b.right() + 1 + frame + kGap;
    if (x + kWidth + frame > screen.right() + 1) {
        x = b.left() - frame - kGap - kWidth;
        if (x - frame < screen.left()) x = screen.right() + 1 - kWidth - frame / 2;
    }
    setGeometry(x, b.top(), kWidth, b.height());
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
