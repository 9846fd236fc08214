// Any command line given to vestran-tool: the argument parsers of every subcommand
// and what they do with the files they are pointed at. The input is the argument
// list, each argument ended by a NUL byte, the command name first.
//
// The commands run for real inside a scratch folder that holds a few files to point
// at: a new game, a block of zeros and one of noise (both of the size of a save),
// a bitmap and a .pic picture. They are written afresh before every input, and
// whatever an input leaves behind is removed after it.
#include <unistd.h>

#include <QImage>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "core/data/Creatures.h"
#include "core/data/GameState.h"
#include "core/data/SaveImage.h"
#include "core/flow/NewGame.h"
#include "platform/PicCodec.h"
#include "platform/Random.h"
#include "platform/headless/HeadlessPlatform.h"
#include "tools/vestran-tool/Command.h"

namespace {

namespace fs = std::filesystem;

struct Fixture {
    std::string name;
    std::vector<unsigned char> bytes;
};

std::vector<Fixture>& fixtures() {
    static std::vector<Fixture> list;
    return list;
}

std::vector<unsigned char> fileBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void makeFixtures(const fs::path& dir) {
    auto gs = std::make_unique<GameState>();
    Random rnd;
    rnd.useSeedSequence(1);
    HeadlessPlatform platform;
    NewGame(*gs, rnd, platform);
    writeSaveFile((dir / "a.psv").string(), *gs);
    fixtures().push_back({"a.psv", fileBytes(dir / "a.psv")});
    fixtures().push_back({"z.psv", std::vector<unsigned char>(sizeof(GameState), 0)});
    std::vector<unsigned char> noise(sizeof(GameState));
    for (auto& b : noise) b = static_cast<unsigned char>(rnd(256));
    fixtures().push_back({"n.psv", noise});

    QImage img(13, 6, QImage::Format_Indexed8);
    img.setColorCount(256);
    for (int i = 0; i < 256; ++i) img.setColor(i, qRgb(i, 255 - i, i / 2));
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) img.scanLine(y)[x] = static_cast<uchar>(x + 9 * y);
    img.save(QString::fromStdString((dir / "p.bmp").string()), "BMP");
    fixtures().push_back({"p.bmp", fileBytes(dir / "p.bmp")});
    EncodeRows(img.bits(), img.width(), img.height(), img.bytesPerLine());
    img.save(QString::fromStdString((dir / "q.pic").string()), "BMP");
    fixtures().push_back({"q.pic", fileBytes(dir / "q.pic")});
}

void resetFolder() {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(".", ec)) fs::remove_all(entry.path(), ec);
    for (const Fixture& f : fixtures()) {
        std::ofstream out(f.name, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(f.bytes.data()),
                  static_cast<std::streamsize>(f.bytes.size()));
    }
}

// A whole decimal number, saturated; -1 when `s` is not one.
long long decimal(const std::string& s) {
    if (s.empty() || s.size() > 20) return -1;
    long long v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return -1;
        v = v > 100000000000LL ? v : v * 10 + (c - '0');
    }
    return v;
}

// Inputs the harness does not run: paths that would leave the scratch folder, the
// commands that build whole folders or start a window system, and amounts of work
// (steps, battles, weeks) that are valid but only slow the search down.
bool worthRunning(const std::vector<std::string>& args) {
    if (args.empty()) return true;  // the usage text
    if (args.size() > 40) return false;
    if (args[0] == "fuzz-corpus" || args[0] == "contact-sheet") return false;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i].find('/') != std::string::npos) return false;
        if (i + 1 >= args.size()) continue;
        const std::string& a = args[i];
        const long long v = decimal(args[i + 1]);
        const long long most = a == "--steps"    ? 60
                               : a == "--runs"   ? 8
                               : a == "--weeks"  ? 12
                               : a == "--trials" ? 4
                                                 : -1;
        if (most >= 0 && v > most) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    FillTemplates();
    char tmpl[] = "/tmp/vestran-fuzz-args-XXXXXX";
    const char* dir = mkdtemp(tmpl);
    if (!dir || chdir(dir) != 0) {
        std::perror("fuzz_tool_args: scratch folder");
        std::abort();
    }
    makeFixtures(".");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> args;
    std::string cur;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            args.push_back(cur);
            cur.clear();
        } else {
            cur += static_cast<char>(data[i]);
        }
    }
    if (!cur.empty()) args.push_back(cur);
    if (!worthRunning(args)) return -1;  // kept out of the corpus
    resetFolder();
    const int status = runTool(args);
    // 0 success, 1 failure, 2 a search that found nothing (path's "нет пути").
    if (status < 0 || status > 2) {
        std::fprintf(stderr, "exit status %d is none of the tool's\n", status);
        std::abort();
    }
    return 0;
}
