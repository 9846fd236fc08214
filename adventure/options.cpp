#include "adventure/options.h"

#include <QApplication>
#include <QCheckBox>
#include <QPainter>
#include <QPushButton>

#include "adventure/travel.h"
#include "data/GameState.h"
#include "platform/Platform.h"
#include "shell/LoadGam.h"
#include "shell/SAVEGAM.h"

TOptionsForm::TOptionsForm(GameContext& c) : GameForm(c) {
    setWindowTitle(QStringLiteral("Опции"));
    setClientSize(249, 111);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xE9, 0xE7, 0x98));
    setPalette(pal);
    // Bold, small enough for "Продолжить игру" to fit its button.
    QFont bold = font();
    bold.setBold(true);
    bold.setPixelSize(11);
    setFont(bold);

    CheckBox1 = new QCheckBox(QStringLiteral("Музыка"), this);
    CheckBox1->move(16, 16);
    CheckBox2 = new QCheckBox(QStringLiteral("Звуки"), this);
    CheckBox2->move(136, 16);
    auto button = [this](const QString& text, int x, int y) {
        auto* b = new QPushButton(text, this);
        b->setGeometry(x, y, 113, 25);
        return b;
    };
    Button1 = button(QStringLiteral("Сохранить игру"), 8, 48);
    Button2 = button(QStringLiteral("Загрузить игру"), 128, 48);
    Button4 = button(QStringLiteral("Продолжить игру"), 8, 80);
    Button3 = button(QStringLiteral("Выйти из игры"), 128, 80);
    connect(CheckBox1, &QCheckBox::clicked, this, &TOptionsForm::CheckBox1Click);
    connect(CheckBox2, &QCheckBox::clicked, this, &TOptionsForm::CheckBox2Click);
    connect(Button1, &QPushButton::clicked, this, &TOptionsForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TOptionsForm::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TOptionsForm::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TOptionsForm::Button4Click);
    setEscapeAction([this] { Button4Click(); });
}

void TOptionsForm::FormShow() {
    CheckBox1->setChecked(ctx.gs.musicOn == 1);
    CheckBox2->setChecked(ctx.gs.soundOn == 1);
}

void TOptionsForm::CheckBox1Click() {
    ctx.gs.musicOn = CheckBox1->isChecked() ? 1 : 0;
}
void TOptionsForm::CheckBox2Click() {
    ctx.gs.soundOn = CheckBox2->isChecked() ? 1 : 0;
}

void TOptionsForm::Button1Click() {
    hide();
    if (ctx.forms.save) ctx.forms.save->showForm(ctx.forms.tr);
}

void TOptionsForm::Button2Click() {
    hide();
    if (ctx.forms.load) ctx.forms.load->showForm(ctx.forms.tr);
}

void TOptionsForm::Button3Click() {
    if (ctx.platform.askYesNo("Вы действительно хотите выйти из игры?")) QApplication::quit();
}

void TOptionsForm::Button4Click() {
    hide();
}

void TOptionsForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawRect(8, 8, 232, 32);  // Bevel1 around the two switches
}
