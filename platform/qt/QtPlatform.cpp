#include "platform/qt/QtPlatform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>
#include <cstdlib>

void QtPlatform::pause(int ms) {
    pausing_ = true;
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    pausing_ = false;
}

void QtPlatform::playSound(const std::string&, bool) {}

void QtPlatform::message(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Вестран"), QString::fromStdString(text),
                    QMessageBox::Ok);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

bool QtPlatform::askYesNo(const std::string& text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Вестран"), QString::fromStdString(text));
    auto* yes = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
    return box.clickedButton() == yes;
}

void QtPlatform::fatal(const std::string& text) {
    message(text);
    std::exit(1);
}

void QtPlatform::openUrl(const std::string& url) {
    QString u = QString::fromStdString(url);
    if (u.startsWith("http://") || u.startsWith("https://"))
        QDesktopServices::openUrl(QUrl(u));
    else
        QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(u).absoluteFilePath()));
}
