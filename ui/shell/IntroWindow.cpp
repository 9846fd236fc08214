#include "ui/shell/IntroWindow.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

#include "platform/AnimationSpeed.h"
#include "platform/AssetNames.h"
#include "platform/Paths.h"
#include "ui/kit/GameTimer.h"
#include "ui/kit/PictureBox.h"
#include "ui/kit/Pictures.h"

namespace {

constexpr int kClientWidth = 785;
constexpr int kClientHeight = 441;
constexpr int kPictureWidth = 399;
constexpr int kPictureHeight = 500;
const QColor kBackground(0, 64, 64);       // the window's dark teal
const QColor kStoryColour(232, 200, 120);  // old gold on black

QRect toQRect(const IntroRect& r) {
    return QRect(r.left, r.top, r.width(), r.height());
}

}  // namespace

THistoryForm::THistoryForm(GameContext& c) : GameForm(c) {
    setWindowTitle(QStringLiteral("История"));
    setClientSize(kClientWidth, kClientHeight);
    // The story closes through the window's own close button.
    setDialogStyle(true);
    setRefuseClose(false);

    // The picture and the drawing surfaces are made when the story is shown.
    Image1 = new PictureBox(this);
    Image1->setGeometry(1, 0, kPictureWidth, kPictureHeight);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setGeometry(403, 0, 380, 442);
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setTextInteractionFlags(Qt::NoTextInteraction);
    QFont storyFont(QStringLiteral("DejaVu Sans Mono"));
    storyFont.setStyleHint(QFont::TypeWriter);
    storyFont.setPixelSize(15);
    storyFont.setBold(true);
    Memo1->setFont(storyFont);
    QPalette pal = Memo1->palette();
    pal.setColor(QPalette::Base, Qt::black);
    pal.setColor(QPalette::Text, kStoryColour);
    Memo1->setPalette(pal);
    Memo1->setPlainText(QString::fromStdString(IntroStoryText())
                            .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    // No caret in the text: whatever gives it the focus, the focus moves on.
    Memo1->installEventFilter(this);
    Memo1->viewport()->installEventFilter(this);

    Button1 = new QPushButton(this);
    Button1->setGeometry(88, 472, 32, 25);

    // Escape closes the story as its close box does; the keys that reach the
    // focused button scroll the text.
    setEscapeAction([this] { close(); });
    Button1->installEventFilter(this);

    Timer1 = new GameTimer(this, 100);
    connect(Timer1, &QTimer::timeout, this, &THistoryForm::Timer1Timer);
}

bool THistoryForm::eventFilter(QObject* watched, QEvent* e) {
    if ((watched == Memo1 || watched == Memo1->viewport()) && e->type() == QEvent::FocusIn)
        Button1->setFocus();
    if (watched == Button1 && e->type() == QEvent::KeyPress) {
        QScrollBar* bar = Memo1->verticalScrollBar();
        switch (static_cast<QKeyEvent*>(e)->key()) {
            case Qt::Key_PageUp:
                bar->triggerAction(QAbstractSlider::SliderPageStepSub);
                return true;
            case Qt::Key_PageDown:
                bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
                return true;
            case Qt::Key_Up:
            case Qt::Key_Left:
                bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
                return true;
            case Qt::Key_Down:
            case Qt::Key_Right:
                bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
                return true;
            case Qt::Key_Home:
                bar->triggerAction(QAbstractSlider::SliderToMinimum);
                return true;
            case Qt::Key_End:
                bar->triggerAction(QAbstractSlider::SliderToMaximum);
                return true;
            default:
                break;
        }
    }
    return GameForm::eventFilter(watched, e);
}

void THistoryForm::FormShow() {
    music.setFile(dataPath(assets::kMusicIntro));
    music.open();
    music.play();
    Memo1->moveCursor(QTextCursor::Start);
    Memo1->verticalScrollBar()->setValue(0);
    // Every opening starts the picture over.
    if (historyPicture.isNull())
        historyPicture = LoadWindowPicture(dataPath(assets::kWinIntro), kPictureWidth,
                                           kPictureHeight, kBackground)
                             .convertToFormat(QImage::Format_RGB32);
    Image1->setImage(historyPicture);
    // As many pixels as the picture has per window pixel (twice for its twin).
    const qreal ratio = historyPicture.devicePixelRatio();
    screen = QImage(QSize(kClientWidth, kClientHeight) * ratio, QImage::Format_RGB32);
    screen.setDevicePixelRatio(ratio);
    screen.fill(kBackground);
    Image1->show();
    animation.start();
    Timer1->tag = animation.tag;
    Button1->setFocus();
    // The animation speed scales the 100 ms step; without animation the picture
    // is at once where the animation would leave it.
    if (animationShown()) {
        Timer1->setInterval(std::max(1, animationWait(100)));
        Timer1->start();
    } else {
        while (animation.phase != 3 || animation.tag <= 80) Timer1Timer();
        Timer1Timer();
    }
    update();
}

void THistoryForm::FormHide() {
    Timer1->stop();
    music.stop();
    // A story read once is seldom read again: its pictures go until then.
    historyPicture = QImage();
    historyCanvas = QImage();
    screen = QImage();
    Image1->setImage(QImage());
}

void THistoryForm::Timer1Timer() {
    const IntroFrame f = animation.tick(kClientHeight, kPictureWidth, kPictureHeight);
    Timer1->tag = animation.tag;
    if (f.kind == IntroFrame::Kind::Finished) {
        Image1->show();
        return;
    }
    Image1->hide();
    if (f.takeCanvas) historyCanvas = Image1->image();
    const QImage& from = f.kind == IntroFrame::Kind::Scroll ? historyPicture : historyCanvas;
    for (QImage* onto : {&Image1->canvas(), &screen}) {
        QPainter p(onto);
        // The source is counted in the picture's own pixels.
        const QRect source = toQRect(f.source);
        const qreal ratio = from.devicePixelRatio();
        p.drawImage(toQRect(f.target), from,
                    QRectF(source.topLeft() * ratio, source.size() * ratio));
    }
    Image1->update();
    update();
}

void THistoryForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, screen);
}
