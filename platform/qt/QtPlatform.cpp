#include "platform/qt/QtPlatform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/AnimationSpeed.h"
#include "platform/qt/Audio.h"

namespace {
const QString kTitle = QStringLiteral("Вестран");

// Without anyone at the screen a modal box would wait forever: under the offscreen
// platform, or with VESTRAN_NONINTERACTIVE set (scripts, tests), messages go to
// stderr instead and questions are answered No, which never overwrites or deletes.
bool nonInteractive() {
    const QByteArray flag = qgetenv("VESTRAN_NONINTERACTIVE");
    if (!flag.isEmpty() && flag != "0") return true;
    const QString qpa = QGuiApplication::platformName();
    return qpa == QLatin1String("offscreen") || qpa == QLatin1String("minimal");
}

void printLine(const std::string& text) {
    std::string line;
    line.reserve(text.size() + 1);
    for (char c : text)
        if (c != '\r') line += c;
    line += '\n';
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
}
}  // namespace

namespace {
// The nested loops of the pauses running now, innermost last.
std::vector<QEventLoop*> pauseLoops;
}  // namespace

void QtPlatform::pause(int ms) {
    ++pauseDepth_;
    ms = hurried_ ? 0 : animationWait(ms);
    if (ms > 0) {
        QEventLoop loop;
        pauseLoops.push_back(&loop);
        QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
        pauseLoops.pop_back();
    }
    --pauseDepth_;
}

void QtPlatform::hurry() {
    hurried_ = true;
    for (QEventLoop* loop : pauseLoops) loop->quit();
}

void QtPlatform::playSound(const std::string& path, bool async) {
    audio::playWave(path, async);
}

bool QtPlatform::interactive() {
    return !nonInteractive();
}

void QtPlatform::message(const std::string& text) {
    if (nonInteractive()) {
        printLine(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, kTitle, QString::fromStdString(text), QMessageBox::Ok);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

bool QtPlatform::askYesNo(const std::string& text) {
    if (nonInteractive()) {
        printLine(text + " -> Нет");
        return false;
    }
    return askInBox(text);
}

bool QtPlatform::askInBox(const std::string& text) {
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

bool QtPlatform::openUrl(const std::string& url) {
    const QString u = QString::fromStdString(url);
    const QUrl target = u.startsWith("http://") || u.startsWith("https://")
                            ? QUrl(u)
                            : QUrl::fromLocalFile(QFileInfo(u).absoluteFilePath());
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) return QDesktopServices::openUrl(target);
    // xdg-open tells that it found no browser only by its exit status, soon; when
    // it found one it may also stay until the browser closes.
    constexpr int kVerdictMs = 1500;
    // Without a parent: leaving the game does not end the browser it started.
    auto* run = new QProcess;
    QObject::connect(run, &QProcess::finished, run, &QObject::deleteLater);
    QObject::connect(run, &QProcess::errorOccurred, run, [run](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) run->deleteLater();
    });
    run->start(opener, {target.toString()});
    if (!run->waitForStarted(kVerdictMs)) return false;
    if (!run->waitForFinished(kVerdictMs)) return true;
    return run->exitStatus() == QProcess::NormalExit && run->exitCode() == 0;
}
