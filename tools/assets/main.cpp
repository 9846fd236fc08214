// vestran-assets OUTDIR [--only PREFIX]...
// Draws every picture, synthesises every sound, writes every tune and the help page
// into OUTDIR (the game's programDir), and the desktop icon into OUTDIR/Icons. The same program
// always writes the same bytes.
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "core/data/Creatures.h"
#include "core/data/GameFiles.h"
#include "platform/AssetNames.h"
#include "tools/assets/Gen.h"
#include "tools/assets/Paint.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        std::printf(
            "Usage: vestran-assets OUTDIR [--only PREFIX]...\n"
            "Writes every picture, sound, tune and the help page of the game into OUTDIR.\n"
            "--only limits the run to files whose path starts with PREFIX; a picture\n"
            "is made with its twin under Resourse/2x/ when the twin is asked for.\n");
        return args.empty() ? 1 : 0;
    }
    std::string out = args[0];
    std::vector<std::string> only;
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--only" && i + 1 < args.size())
            only.push_back(args[++i]);
        else {
            std::fprintf(stderr, "vestran-assets: unknown argument '%s'\n", args[i].c_str());
            return 1;
        }
    }

    // Text in the window pictures needs fonts, which need a GUI application; the
    // offscreen platform needs no display.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int qargc = 1;
    char name[] = "vestran-assets";
    char* qargv[] = {name, nullptr};
    QGuiApplication app(qargc, qargv);

    FillTemplates();
    gen::Sink sink(out, only);
    try {
        void (*const pictures[])(gen::Sink&) = {
            gen::genMapTiles,  gen::genMapObjects, gen::genMapFigures, gen::genCreatures,
            gen::genBattleArt, gen::genTownViews,  gen::genWindowArt};
        for (auto draw : pictures) draw(sink);
        {
            // Every picture again at twice its size, for scales above 1.
            gen::ScaleScope twice{2};
            sink.setTwins(true);
            for (auto draw : pictures) draw(sink);
            sink.setTwins(false);
            sink.writeTwinTable();
        }
        gen::genSounds(sink);
        gen::genMusic(sink);
        gen::genHelpPage(sink);
        gen::genPadPicture(sink);
        gen::genIcons(sink);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vestran-assets: %s\n", e.what());
        return 1;
    }

    // Every file the game can ask for must have been made.
    int missing = 0;
    for (const std::string& f : assets::allGameFiles())
        if (sink.wanted(f) && !sink.written().count(f)) {
            std::fprintf(stderr, "vestran-assets: nothing made %s\n", f.c_str());
            ++missing;
        }
    return missing ? 1 : 0;
}
