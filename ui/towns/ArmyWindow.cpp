#include "ui/towns/ArmyWindow.h"

#include <QFile>
#include <QFrame>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include "core/data/GameState.h"
#include "core/towns/TownRules.h"
#include "platform/AssetNames.h"
#include "platform/Paths.h"
#include "ui/kit/GamepadInput.h"
#include "ui/kit/Look.h"
#include "ui/kit/PictureBox.h"
#include "ui/kit/Pictures.h"
#include "ui/towns/DismissWindow.h"

namespace {

constexpr int kRowY[5] = {1, 82, 163, 244, 325};

// The glyph is read when the window is first shown (showGlyph).
QPushButton* glyphButton(QWidget* parent, const char* name, const char* glyph,
                         const QString& fallback, int x, int y) {
    auto* b = new QPushButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(x, y, 25, 25);
    b->setProperty("glyph", QString::fromStdString(dataPath(glyph)));
    b->setProperty("fallback", fallback);
    return b;
}

void showGlyph(QPushButton* b) {
    if (!b->icon().isNull() || !b->text().isEmpty()) return;
    const QString file = b->property("glyph").toString();
    if (QFile::exists(file)) {
        b->setIcon(QIcon(file));
        b->setIconSize(QSize(21, 21));
    } else {
        b->setText(b->property("fallback").toString());
    }
}

}  // namespace

TArmyForm::TArmyForm(GameContext& c) : GameForm(c) {
    setWindowTitle(QStringLiteral("Обход армии"));
    setClientSize(525, 407);
    setDialogStyle(true);
    setRefuseClose(false);  // the close box closes it like Escape
    look::setBackground(this, QColor(79, 39, 0));

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setGeometry(39, 0, 82, 82);
    Bevel1->setLineWidth(1);
    Bevel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Bevel1->lower();
    // Bright edges, so that the selection shows on the dark background.
    QPalette bevel = Bevel1->palette();
    bevel.setColor(QPalette::Light, QColor(255, 230, 140));
    bevel.setColor(QPalette::Dark, QColor(30, 15, 0));
    bevel.setColor(QPalette::WindowText, QColor(255, 210, 90));
    Bevel1->setPalette(bevel);

    for (int s = 0; s < 5; ++s) {
        const std::string img = "Image" + std::to_string(s + 1);
        const std::string lab = "Label" + std::to_string(s + 1);
        Image[s] = new PictureBox(this);
        Image[s]->setObjectName(QString::fromStdString(img));
        Image[s]->setGeometry(40, kRowY[s], 80, 80);
        Image[s]->installEventFilter(this);
        Label[s] = look::label(this, lab.c_str(), 125, kRowY[s], 396, 80);
        Label[s]->setFont(look::courier(12));
        Label[s]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        look::setBackground(Label[s], Qt::black);
        look::setTextColour(Label[s], QColor(0, 255, 255));
    }

    BitBtn1 = glyphButton(this, "BitBtn1", assets::kGlyphUp, QStringLiteral("▲"), 8, 176);
    BitBtn2 = glyphButton(this, "BitBtn2", assets::kGlyphDown, QStringLiteral("▼"), 8, 208);
    BitBtn3 = glyphButton(this, "BitBtn3", assets::kGlyphDismiss, QStringLiteral("✕"), 8, 376);
    connect(BitBtn1, &QPushButton::clicked, this, &TArmyForm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TArmyForm::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TArmyForm::BitBtn3Click);

    Timer1 = new QTimer(this);
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, &TArmyForm::Timer1Timer);
    setEscapeAction([this] { Button1Click(); });

    BitBtn1->setToolTip(QStringLiteral(
        "Поднять выбранный отряд на место выше: в этом порядке отряды стоят в бою."));
    BitBtn2->setToolTip(QStringLiteral("Опустить выбранный отряд на место ниже."));
    followLastInput(this, [this](bool pad) {
        BitBtn3->setToolTip(
            QStringLiteral("Распустить выбранный отряд (окно спросит подтверждения).\n") +
            (pad ? QStringLiteral("Окно армии закрывается кнопкой %1.").arg(padName(PadButton::B))
                 : QStringLiteral("Окно армии закрывается клавишей Esc.")));
    });
    for (PictureBox* image : Image) image->setToolTip(QStringLiteral("Щелчок выбирает отряд."));
}

QImage TArmyForm::picture(const std::string& path) {
    const QString key = QString::fromStdString(path);
    auto it = pictures_.find(key);
    if (it != pictures_.end()) return *it;
    QImage img = LoadPic(ctx.platform, path);
    pictures_.insert(key, img);
    return img;
}

void TArmyForm::ListBox1DblClick() {
    const Picture ground(
        picture(dataPath(std::string(assets::kBattle) + assets::battleBackground(1))));
    QFont countFont = look::sans(11);
    const QFontMetrics fm(countFont);
    for (int s = 1; s <= 5; ++s) {
        const Troop& t = ctx.gs.slot(s);
        QImage shot = composingCanvas(QSize(80, 80));
        QPainter p(&shot);
        ground.draw(p, 0, 0);
        if (t.count == 0) {
            Label[s - 1]->clear();
        } else {
            const Picture creature(picture(dataPath(std::string(assets::kArmy) + t.picFile.str())));
            creature.drawTransparent(p, 0, 0);
            // The head count sits at the bottom right, right-aligned at x 76.
            const QString n = QString::number(t.count);
            const int w = fm.horizontalAdvance(n);
            const QRect box(80 - w - 4, 65, w, fm.height());
            p.fillRect(box, Qt::black);
            p.setFont(countFont);
            p.setPen(Qt::white);
            p.drawText(box, Qt::AlignLeft | Qt::AlignTop, n);
            Label[s - 1]->setText(look::shown(troopText(t)));
        }
        p.end();
        Image[s - 1]->setImage(shot);
    }
}

void TArmyForm::select() {
    Bevel1->move(39, (selectedSlot_ - 1) * (Bevel1->height() - 1));
    BitBtn3->setEnabled(ctx.gs.slot(selectedSlot_).count > 0);
}

void TArmyForm::selectSlot(int slot) {
    if (slot < 1 || slot > 5) return;
    selectedSlot_ = slot;
    select();
}

void TArmyForm::FormShow() {
    for (QPushButton* b : {BitBtn1, BitBtn2, BitBtn3}) showGlyph(b);
    ListBox1DblClick();
    timerTag_ = 1;
    Timer1->start();
    selectedSlot_ = 1;
    select();
}

void TArmyForm::BitBtn1Click() {
    if (!moveSlotUp(ctx.gs, selectedSlot_)) return;
    ListBox1DblClick();
    select();
}

void TArmyForm::BitBtn2Click() {
    if (!moveSlotDown(ctx.gs, selectedSlot_)) return;
    ListBox1DblClick();
    select();
}

void TArmyForm::BitBtn3Click() {
    if (ctx.forms.armyFree) ctx.forms.armyFree->showForm(this);
}

void TArmyForm::Timer1Timer() {
    timerTag_ = timerTag_ % 4 + 1;
    if (timerTag_ == 1)
        Bevel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    else if (timerTag_ == 3)
        Bevel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    else
        Bevel1->setFrameStyle(QFrame::Box | QFrame::Plain);
}

void TArmyForm::Button1Click() {
    Timer1->stop();
    hide();
}

void TArmyForm::FormClose() {
    Timer1->stop();
}

bool TArmyForm::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::MouseButtonPress && isEnabled()) {
        for (int s = 0; s < 5; ++s)
            if (o == Image[s]) {
                selectSlot(s + 1);
                return true;
            }
    }
    return GameForm::eventFilter(o, e);
}
