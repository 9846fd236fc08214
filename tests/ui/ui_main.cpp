// Window tests run under Qt's offscreen platform with silent audio. Pictures come
// from the build folder, where the asset generator writes them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "core/data/Creatures.h"
#include "platform/Paths.h"
#include "platform/qt/Audio.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("SDL_AUDIODRIVER", "dummy");
    // The options window keeps the player's settings: not the tester's own.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    setProgramDir(QCoreApplication::applicationDirPath().toStdString());
    FillTemplates();
    // Music players keep time without a device; sounds are never opened.
    audio::setSilent(true);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
