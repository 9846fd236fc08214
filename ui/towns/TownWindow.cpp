#include "ui/towns/TownWindow.h"

#include <QFrame>
#include <QPainter>
#include <QPushButton>
#include <QSlider>

#include "core/data/GameState.h"
#include "core/data/Session.h"
#include "core/flow/Sound.h"
#include "platform/AssetNames.h"
#include "platform/Paths.h"
#include "ui/kit/GamepadInput.h"
#include "ui/kit/Look.h"
#include "ui/kit/OutlinedLabel.h"
#include "ui/kit/PictureBox.h"
#include "ui/kit/Pictures.h"
#include "ui/shell/HandoverRunner.h"
#include "ui/towns/VaultWindow.h"

namespace {
// Some captions of this window are longer than their buttons are wide: shrink
// the font until the caption fits its button.
void fitCaption(QPushButton* b) {
    QFont f = look::sans(12, false);
    while (f.pixelSize() > 8 && QFontMetrics(f).horizontalAdvance(b->text()) > b->width() - 10)
        f.setPixelSize(f.pixelSize() - 1);
    b->setFont(f);
}

QPushButton* button(QWidget* parent, const char* name, const QString& text, int x, int y, int w,
                    int h) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(x, y, w, h);
    fitCaption(b);
    return b;
}
}  // namespace

TTownForm::TTownForm(GameContext& c) : GameForm(c) {
    setWindowTitle(QStringLiteral("Город"));
    setClientSize(501, 423);
    look::setBackground(this, QColor(192, 192, 192));

    Image1 = new PictureBox(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 500, 200);
    Label2 = outlinedLabel(this, "Label2", 8, 178);
    Label2->setFont(look::sans(16));

    Button2 = button(this, "Button2", QStringLiteral("Нанять корабль"), 8, 208, 233, 25);
    Button5 = button(this, "Button5", QStringLiteral("Напасть на Городское Хранилище Знаний"), 260,
                     208, 233, 25);
    Button3 = button(this, "Button3", QString(), 8, 237, 233, 25);
    Button1 = button(this, "Button1", QStringLiteral("Покинуть город"), 260, 237, 233, 25);

    auto* bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setGeometry(0, 266, 501, 2);
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);

    Image2 = new PictureBox(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(8, 274, 80, 80);
    Label3 = look::label(this, "Label3", 101, 273, 396, 80);
    Label3->setFont(look::courier(12));
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    look::setBackground(Label3, Qt::black);
    look::setTextColour(Label3, QColor(0, 255, 255));

    TrackBar1 = new QSlider(Qt::Horizontal, this);
    TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
    TrackBar1->setGeometry(8, 360, 489, 30);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    TrackBar1->setRange(0, 0);

    Label1 = look::label(this, "Label1", 8, 392);
    Label1->setFont(look::sans(12));
    Label4 = look::label(this, "Label4", 8, 405);
    Label4->setFont(look::sans(12));
    Button4 = button(this, "Button4", QString(), 320, 392, 169, 25);

    connect(Button1, &QPushButton::clicked, this, &TTownForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TTownForm::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TTownForm::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TTownForm::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TTownForm::Button5Click);
    connect(TrackBar1, &QSlider::valueChanged, this, &TTownForm::TrackBar1Change);
    setEscapeAction([this] {
        if (Button1->isEnabled()) Button1Click();
    });

    Button2->setToolTip(QStringLiteral(
        "Купить корабль за 300 золотых: герой сразу выходит на нём в море у города.\n"
        "Можно, только если город стоит у воды и вы не на корабле."));
    Button5->setToolTip(
        QStringLiteral("Штурмовать Хранилище Знаний города. Победа приносит золото, Авторитет\n"
                       "и одну букву Дневника Назга; другие рассы отнесутся к этому по-разному."));
    Button3->setToolTip(QStringLiteral(
        "Принести жертву в храме: отношение рассы города к вам станет на ступень лучше."));
    Button4->setToolTip(QStringLiteral("Нанять столько воинов, сколько выбрано ползунком."));
    followLastInput(this, [this](bool pad) {
        Button1->setToolTip(
            pad ? QStringLiteral("Вернуться на карту. Кнопка %1.").arg(padName(PadButton::B))
                : QStringLiteral("Вернуться на карту. Клавиша Esc."));
        TrackBar1->setToolTip(
            pad ? QStringLiteral("Сколько воинов нанять. Ползунок двигают крестовина ← → и %1, "
                                 "%2 (по десять).")
                      .arg(padName(PadButton::LeftShoulder), padName(PadButton::RightShoulder))
                : QStringLiteral("Сколько воинов нанять. Ползунок двигают мышь и стрелки ← →."));
    });
}

void TTownForm::FormShow() {
    rebuild();
}

QImage TTownForm::picture(const std::string& path, bool bitmap) {
    const QString key = QString::fromStdString(path);
    auto it = pictures_.find(key);
    if (it != pictures_.end()) return *it;
    QImage img = bitmap ? LoadBmp(ctx.platform, path) : LoadPic(ctx.platform, path);
    pictures_.insert(key, img);
    return img;
}

void TTownForm::loadPictures() {
    const int race = screen_.race >= 1 && screen_.race <= 5 ? screen_.race : 1;
    const QImage view =
        picture(dataPath(std::string(assets::kTravel) + assets::townView(race)), true);
    Image1->setImage(view);

    // The recruit stands on his race's ground.
    const Picture ground(
        picture(dataPath(std::string(assets::kBattle) + assets::battleBackground(race)), false));
    const Picture creature(
        picture(dataPath(std::string(assets::kArmy) + screen_.recruitPic), false));
    QImage shot = composingCanvas(QSize(80, 80));
    {
        QPainter p(&shot);
        ground.draw(p, 0, 0);
        creature.drawTransparent(p, 0, 0);
    }
    Image2->setImage(shot);
}

void TTownForm::rebuild() {
    screen_ = showTown(ctx.gs, ctx.session);
    if (screen_.town == 0) {
        hide();  // the map named no town: nothing to show
        return;
    }
    loadPictures();

    look::setAutoText(Label2, QString::fromStdString(screen_.relationLine));
    look::setTextColour(Label2, screen_.relationRed ? QColor(255, 0, 0) : QColor(255, 255, 255));
    Label3->setText(look::shown(screen_.recruitText));

    TrackBar1->setEnabled(screen_.trackEnabled);
    if (screen_.hire.slot != 0) {
        const QSignalBlocker quiet(TrackBar1);
        TrackBar1->setRange(0, screen_.hire.limit);
        TrackBar1->setValue(0);
    }
    Button4->setText(QString::fromStdString(screen_.hireCaption));
    Button4->setEnabled(screen_.hireEnabled);
    look::setAutoText(Label4, QString::fromStdString(screen_.hireText));

    setWindowTitle(QString::fromStdString(screen_.caption));
    Button2->setText(QString::fromStdString(screen_.shipCaption));
    Button2->setEnabled(screen_.shipEnabled);
    look::setAutoText(Label1, QString::fromStdString(screen_.status));
    Button3->setText(QString::fromStdString(screen_.templeCaption));
    Button3->setEnabled(screen_.templeEnabled);
    Button5->setEnabled(screen_.vaultEnabled);

    Button1->setFocus();
    update();
}

void TTownForm::TrackBar1Change() {
    if (screen_.town == 0) return;
    const TownRecord& town = ctx.gs.town(screen_.town);
    Button4->setText(QString::fromStdString(hireCaption(town.recruit, TrackBar1->value())));
}

void TTownForm::Button1Click() {
    hide();
}

void TTownForm::Button2Click() {
    if (screen_.town == 0 || !buyShip(ctx.gs, ctx.gs.town(screen_.town))) return;
    runHandover(ctx, Handover::ShipBought, *this);
}

void TTownForm::Button3Click() {
    if (screen_.town == 0) return;
    PlayWave(ctx.gs, ctx.platform, assets::kWavGold, true);
    templeSacrifice(ctx.gs, ctx.gs.town(screen_.town));
    rebuild();
}

void TTownForm::Button4Click() {
    if (screen_.town == 0) return;
    hireRecruits(ctx.gs, ctx.gs.town(screen_.town), screen_.hire, TrackBar1->value());
    rebuild();
}

void TTownForm::Button5Click() {
    if (screen_.town == 0) return;
    PlayWave(ctx.gs, ctx.platform, assets::kWavBandit, true);
    // The town stays disabled behind the vault and behind a storm; the vault's
    // cancel or the battle's outcome windows enable it again.
    setEnabled(false);
    if (ctx.forms.shtyrm) ctx.forms.shtyrm->showForm();
}
