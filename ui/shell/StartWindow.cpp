#include "ui/shell/StartWindow.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <future>

#include "core/data/GameState.h"
#include "core/flow/NewGame.h"
#include "core/flow/Sound.h"
#include "core/flow/Version.h"
#include "platform/AssetNames.h"
#include "platform/Paths.h"
#include "platform/Platform.h"
#include "ui/kit/GameTimer.h"
#include "ui/kit/OutlinedLabel.h"
#include "ui/kit/PictureBox.h"
#include "ui/kit/Pictures.h"
#include "ui/shell/HandoverRunner.h"
#include "ui/shell/HelpWindow.h"
#include "ui/shell/IntroWindow.h"
#include "ui/shell/LoadWindow.h"

namespace {

constexpr int kWidth = 505;
constexpr int kHeight = 500;
const QColor kSilver(192, 192, 192);

// A label that answers a click (the link to the page about the game), lettered
// over the title picture.
class LinkLabel : public OutlinedLabel {
public:
    LinkLabel(const QString& text, QWidget* parent, std::function<void()> onClick)
        : OutlinedLabel(text, parent), onClick_(std::move(onClick)) {}

protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) onClick_();
        OutlinedLabel::mouseReleaseEvent(e);
    }

private:
    std::function<void()> onClick_;
};

// The title picture being read ahead of the window's first show.
std::future<QImage>& titleAhead() {
    static std::future<QImage> title;
    return title;
}

}  // namespace

void TStartForm::readTitleAhead() {
    titleAhead() = std::async(std::launch::async, [path = dataPath(assets::kWinTitle)] {
        return QImage(QString::fromStdString(path));
    });
}

TStartForm::TStartForm(GameContext& c) : GameForm(c) {
    setWindowTitle(QStringLiteral("ВЕСТРАН v") + QLatin1String(kGameVersion));
    setClientSize(kWidth, kHeight);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kSilver);
    setPalette(pal);
    setAutoFillBackground(true);

    Image1 = new PictureBox(this);  // the title picture, read when the window shows
    Image1->setGeometry(0, 0, kWidth, kHeight);

    Label1 = new LinkLabel(QStringLiteral("О программе"), this, [this] { Label1Click(); });
    Label1->move(8, 480);
    QFont linkFont = Label1->font();
    linkFont.setBold(true);
    linkFont.setUnderline(true);
    Label1->setFont(linkFont);
    QPalette linkColour = Label1->palette();
    linkColour.setColor(QPalette::WindowText, Qt::white);
    Label1->setPalette(linkColour);
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->adjustSize();

    QFont menuFont = font();
    menuFont.setPixelSize(13);
    menuFont.setBold(true);
    auto button = [&](const char* caption, int x, int y, int w, int h,
                      void (TStartForm::*click)()) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setGeometry(x, y, w, h);
        b->setFont(menuFont);
        b->setEnabled(false);
        b->hide();
        connect(b, &QPushButton::clicked, this, click);
        return b;
    };
    Button5 = button("ИСТОРИЯ", 104, 176, 145, 33, &TStartForm::Button5Click);
    Button6 = button("ЗАГРУЗИТЬ", 256, 176, 145, 33, &TStartForm::Button6Click);
    Button8 = button("НОВАЯ ИГРА", 104, 216, 145, 33, &TStartForm::Button8Click);
    Button7 = button("ВЫХОД", 256, 216, 145, 33, &TStartForm::Button7Click);
    Button9 = button("КАК ИГРАТЬ", 176, 272, 153, 33, &TStartForm::Button9Click);
    Button9->show();  // shown from the start, but disabled until the menu is ready

    // The animation runs only while the window is shown: a game opened from the
    // command line never shows it, and its last step switches the sounds on.
    Timer1 = new GameTimer(this, 500);
    connect(Timer1, &QTimer::timeout, this, &TStartForm::Timer1Timer);
}

void TStartForm::FormShow() {
    if (Image1->image().isNull()) {
        const QImage ahead = titleAhead().valid() ? titleAhead().get() : QImage();
        Image1->setImage(ahead.isNull() ? LoadWindowPicture(dataPath(assets::kWinTitle), kWidth,
                                                            kHeight, kSilver)
                                        : ahead);
    }
    if (!menuReady()) Timer1->start();
}

void TStartForm::FormHide() {
    Timer1->stop();
    // The title is read again should the window show again; hidden, it frees its memory.
    Image1->setImage(QImage());
}

void TStartForm::closeRequestRefused() {
    if (menuReady()) Button7Click();
}

bool TStartForm::menuReady() const {
    return Button7->isEnabled();
}

void TStartForm::Timer1Timer() {
    if (Timer1->tag == 16) {
        for (QPushButton* b : {Button5, Button8, Button6, Button7, Button9}) b->setEnabled(true);
        ctx.gs.soundOn = 1;
        PlayWave(ctx.gs, ctx.platform, assets::kWavGold);
        Timer1->stop();
        return;
    }
    if (Button5->isHidden()) {
        Timer1->setInterval(200);
        Button5->show();
    } else if (Button6->isHidden()) {
        Button6->show();
    } else if (Button7->isHidden()) {
        Button7->show();
    } else if (Button8->isHidden()) {
        Timer1->setInterval(Timer1->interval() / 4);
        Button8->show();
    } else {
        ++Timer1->tag;
        auto shift = [](QPushButton* b, int dx, int dy) { b->move(b->x() + dx, b->y() + dy); };
        shift(Button5, -4, -2);
        shift(Button8, -4, 2);
        shift(Button6, 4, -2);
        shift(Button7, 4, 2);
        shift(Button9, 0, 8);
    }
}

void TStartForm::Button5Click() {
    ctx.forms.history->showForm(this);
}

void TStartForm::Button6Click() {
    ctx.forms.load->showForm(this);
}

void TStartForm::Button8Click() {
    NewGame(ctx.gs, ctx.rnd, ctx.platform);
    runHandover(ctx, Handover::NewGame, *this);
}

void TStartForm::Button7Click() {
    QApplication::quit();
}

void TStartForm::Button9Click() {
    showHelp(ctx);
}

void TStartForm::Label1Click() {
    showHelp(ctx, QStringLiteral("about"));
}
