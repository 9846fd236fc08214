#include "platform/qt/QtPlatform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <cstdio>
#include <cstdlib>

#include "platform/qt/Audio.h"

namespace {
const QString kTitle = QStringLiteral("Вестран");
}

void QtPlatform::pause(int ms) {
    ++pauseDepth_;
    if (ms > 0) {
        QEventLoop loop;
        QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
    }
    --pauseDepth_;
}

void QtPlatform::playSound(const std::string& path, bool async) {
    audio::playWave(path, async);
}

void QtPlatform::message(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, kTitle, QString::fromStdString(text), QMessageBox::Ok);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

bool QtPlatform::askYesNo(const std::string& text) {
    QMessageBox box(QMessageBox::Question, kTitle, QString::fromStdString(text));
    QPushButton* yes = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
    return box.clickedButton() == yes;
}

void QtPlatform::fatal(const std::string& text) {
    message(text);
    audio::shutdown();
    std::fflush(nullptr);
    std::exit(1);
}

void QtPlatform::openUrl(const std::string& url) {
    const QString u = QString::fromStdString(url);
    const QUrl target = u.startsWith("http://") || u.startsWith("https://")
                            ? QUrl(u)
                            : QUrl::fromLocalFile(QFileInfo(u).absoluteFilePath());
    // When no browser can be started the click does nothing visible.
    QDesktopServices::openUrl(target);
}
