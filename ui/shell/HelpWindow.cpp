#include "ui/shell/HelpWindow.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "platform/AssetNames.h"
#include "platform/Paths.h"
#include "platform/Platform.h"
#include "ui/kit/GameForm.h"
#include "ui/kit/GamepadInput.h"
#include "ui/shell/StartWindow.h"

namespace {

QPointer<HelpWindow>& instance() {
    static QPointer<HelpWindow> w;
    return w;
}

QString pagePath() {
    return QString::fromStdString(dataPath(assets::kReadMe));
}

}  // namespace

HelpWindow::HelpWindow(GameContext& c, QWidget* parent) : QWidget(parent, Qt::Window), ctx(c) {
    // Above the game's windows, which all stay on top; a normal, resizable
    // window otherwise, and never modal: the game goes on beside it.
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Вестран — справка"));
    resize(760, 640);
    setMinimumSize(420, 300);

    browser_ = new QTextBrowser(this);
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(true);  // web addresses go to the system's browser

    back_ = new QPushButton(QStringLiteral("Назад"), this);
    back_->setEnabled(false);
    system_ = new QPushButton(QStringLiteral("Открыть в браузере"), this);
    system_->setToolTip(QStringLiteral("Показать эту страницу в веб-браузере системы"));
    close_ = new QPushButton(QStringLiteral("Закрыть"), this);
    followLastInput(close_, [this](bool pad) {
        close_->setToolTip(pad ? padName(PadButton::B) : QStringLiteral("Esc"));
    });

    noBrowser_ = new QLabel(
        QStringLiteral("Не удалось запустить веб-браузер. Справка — в этом окне."), this);
    noBrowser_->setObjectName(QStringLiteral("NoBrowser"));
    noBrowser_->setStyleSheet(QStringLiteral("color: #a02010; font-weight: bold;"));
    noBrowser_->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back_);
    buttons->addStretch(1);
    buttons->addWidget(noBrowser_);
    buttons->addWidget(system_);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(browser_, 1);
    layout->addLayout(buttons);

    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(system_, &QPushButton::clicked, this,
            [this] { noBrowser_->setVisible(!ctx.platform.openUrl(pagePath().toStdString())); });
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void HelpWindow::open(const QString& anchor) {
    const QString path = pagePath();
    if (!QFileInfo::exists(path)) {
        browser_->clear();
        browser_->setHtml(QStringLiteral("<h2>Справка не найдена</h2><p>Нет файла %1.</p>")
                              .arg(path.toHtmlEscaped()));
        system_->setEnabled(false);
        return;
    }
    system_->setEnabled(true);
    QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    if (!anchor.isEmpty()) url.setFragment(anchor);
    browser_->setSource(url);
    if (anchor.isEmpty()) browser_->verticalScrollBar()->setValue(0);
}

void showHelp(GameContext& ctx, const QString& anchor) {
    QPointer<HelpWindow>& w = instance();
    if (!w) {
        // Kept by the start window, which lives for the whole run.
        w = new HelpWindow(ctx, ctx.forms.start);
        // Centred on the game's main window the first time; where the player
        // puts it afterwards.
        QWidget* centre = GameForm::mainWindow();
        QRect area = centre && centre->isVisible() ? centre->frameGeometry() : QRect();
        if (area.isNull())
            if (QScreen* s = QGuiApplication::primaryScreen()) area = s->availableGeometry();
        if (!area.isNull()) w->move(area.center() - QPoint(w->width() / 2, w->height() / 2));
    }
    w->show();  // laid out first, so that the anchor's place is known
    w->open(anchor);
    w->raise();
    w->activateWindow();
}

HelpWindow* helpWindow() {
    return instance().data();
}
