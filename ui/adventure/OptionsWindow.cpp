#include "ui/adventure/OptionsWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "core/data/GameState.h"
#include "core/flow/Autosave.h"
#include "core/flow/ScaleChoice.h"
#include "core/flow/Settings.h"
#include "platform/AnimationSpeed.h"
#include "platform/Platform.h"
#include "ui/adventure/MapWindow.h"
#include "ui/kit/GamepadInput.h"
#include "ui/shell/LoadWindow.h"
#include "ui/shell/QuitPath.h"
#include "ui/shell/SaveWindow.h"
#include "ui/shell/SettingsFile.h"

namespace {
// The window's own controls keep their places; the remembered settings sit in
// frames below them: the play's, then the screen's and the gamepad's.
constexpr int kHeight = 111 + 80 + 150;
const QRect kSettingsFrame(8, 112, 233, 72);
const QRect kScreenFrame(8, 190, 233, 144);
// The scales offered; 0 stands for "Авто".
constexpr double kScales[] = {0, 1, 1.5, 2, 2.5, 3, 4};
QString scaleName(double s) {
    return s == 0 ? QStringLiteral("Авто") : QString::fromStdString(scale::text(s, ','));
}
}  // namespace

TOptionsForm::TOptionsForm(GameContext& c) : GameForm(c) {
    setWindowTitle(QStringLiteral("Опции"));
    setClientSize(249, kHeight);
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
    SpeedLabel = new QLabel(QStringLiteral("Скорость анимации"), this);
    SpeedLabel->setGeometry(16, 118, 217, 16);
    SpeedBox = new QComboBox(this);
    SpeedBox->setGeometry(16, 136, 217, 22);
    for (int n = 0; n < kAnimSpeeds; ++n)
        SpeedBox->addItem(QString::fromUtf8(animSpeedName(static_cast<AnimSpeed>(n))));
    AutosaveBox = new QCheckBox(QStringLiteral("Автосохранение"), this);
    AutosaveBox->move(16, 162);

    ScaleLabel = new QLabel(QStringLiteral("Масштаб"), this);
    ScaleLabel->setGeometry(16, 198, 90, 16);
    ScaleBox = new QComboBox(this);
    ScaleBox->setGeometry(106, 196, 127, 22);
    for (double s : kScales) ScaleBox->addItem(scaleName(s), s);
    ScaleNote = new QLabel(QStringLiteral("Новый масштаб — со следующего запуска игры"), this);
    ScaleNote->setGeometry(16, 222, 217, 30);
    ScaleNote->setWordWrap(true);
    QFont small = font();
    small.setBold(false);
    ScaleNote->setFont(small);
    FullscreenBox = new QCheckBox(QStringLiteral("Полный экран"), this);
    FullscreenBox->move(16, 256);
    FullscreenBox->setToolTip(QStringLiteral("Клавиша F11 на карте"));
    WideViewBox = new QCheckBox(QStringLiteral("Широкий обзор"), this);
    WideViewBox->move(16, 280);
    WideViewBox->setToolTip(
        QStringLiteral("В полном экране карта показывает столько клеток, сколько помещается"));
    GamepadBox = new QCheckBox(QStringLiteral("Геймпад"), this);
    GamepadBox->move(16, 304);
    GamepadBox->setToolTip(QStringLiteral("Играть геймпадом наравне с клавиатурой и мышью"));
    connect(CheckBox1, &QCheckBox::clicked, this, &TOptionsForm::CheckBox1Click);
    connect(CheckBox2, &QCheckBox::clicked, this, &TOptionsForm::CheckBox2Click);
    connect(Button1, &QPushButton::clicked, this, &TOptionsForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TOptionsForm::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TOptionsForm::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TOptionsForm::Button4Click);
    connect(SpeedBox, &QComboBox::activated, this, &TOptionsForm::SpeedBoxChange);
    connect(AutosaveBox, &QCheckBox::clicked, this, &TOptionsForm::AutosaveBoxClick);
    connect(ScaleBox, &QComboBox::activated, this, &TOptionsForm::ScaleBoxChange);
    connect(FullscreenBox, &QCheckBox::clicked, this, &TOptionsForm::FullscreenBoxClick);
    connect(WideViewBox, &QCheckBox::clicked, this, &TOptionsForm::WideViewBoxClick);
    connect(GamepadBox, &QCheckBox::clicked, this, &TOptionsForm::GamepadBoxClick);
    setEscapeAction([this] { Button4Click(); });
}

void TOptionsForm::FormShow() {
    CheckBox1->setChecked(ctx.gs.musicOn == 1);
    CheckBox2->setChecked(ctx.gs.soundOn == 1);
    SpeedBox->setCurrentIndex(static_cast<int>(animationSpeed()));
    AutosaveBox->setChecked(autosave::enabled());
    // A scale written into the file by hand (3,5) is shown as it is.
    const double remembered = screen::rememberedScale().value_or(0);
    if (ScaleBox->findData(remembered) < 0) ScaleBox->addItem(scaleName(remembered), remembered);
    ScaleBox->setCurrentIndex(ScaleBox->findData(remembered));
    FullscreenBox->setChecked(screen::fullscreen());
    WideViewBox->setChecked(screen::wideView());
    GamepadBox->setChecked(gamepadEnabled());
}

void TOptionsForm::GamepadBoxClick() {
    setGamepadEnabled(GamepadBox->isChecked());
    settingsfile::write(currentSettings());
    if (GamepadInput* pads = GamepadInput::current()) pads->setEnabled(gamepadEnabled());
}

void TOptionsForm::ScaleBoxChange() {
    const double s = ScaleBox->currentData().toDouble();
    screen::setRememberedScale(s == 0 ? std::nullopt : std::optional<double>(s));
    settingsfile::write(currentSettings());
}

void TOptionsForm::FullscreenBoxClick() {
    screen::setFullscreen(FullscreenBox->isChecked());
    settingsfile::write(currentSettings());
    if (ctx.forms.tr) ctx.forms.tr->setFullscreen(screen::fullscreen());
}

void TOptionsForm::WideViewBoxClick() {
    screen::setWideView(WideViewBox->isChecked());
    settingsfile::write(currentSettings());
    if (ctx.forms.tr) ctx.forms.tr->layoutStage();
}

void TOptionsForm::SpeedBoxChange() {
    setAnimationSpeed(animSpeedFromNumber(SpeedBox->currentIndex()));
    settingsfile::write(currentSettings());
}

void TOptionsForm::AutosaveBoxClick() {
    autosave::setEnabled(AutosaveBox->isChecked());
    settingsfile::write(currentSettings());
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
    if (ctx.platform.askYesNo("Вы действительно хотите выйти из игры?")) quitpath::leaveGame(ctx);
}

void TOptionsForm::Button4Click() {
    hide();
}

void TOptionsForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawRect(8, 8, 232, 32);  // Bevel1 around the two switches
    p.drawRect(kSettingsFrame.adjusted(0, 0, -1, -1));
    p.drawRect(kScreenFrame.adjusted(0, 0, -1, -1));
}
