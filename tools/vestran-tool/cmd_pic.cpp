// vestran-tool pic: turns ordinary 8-bit bitmaps into the game's .pic pictures and
// back, so that pictures can be drawn and checked with any paint program.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QSaveFile>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/PicCodec.h"
#include "tools/vestran-tool/Command.h"
#include "tools/vestran-tool/Options.h"

namespace {

const char* kHelp =
    "Usage: vestran-tool pic encode FILE...\n"
    "       vestran-tool pic decode FILE...\n"
    "encode scrambles the rows of each 8-bit bitmap FILE and writes it as a .pic\n"
    "picture; decode turns .pic pictures back into .bmp bitmaps. The new file lies\n"
    "beside FILE, named after FILE up to its first \".\" (\"Troll.pic\" from\n"
    "\"Troll.bmp\"). FILE is deleted once the new file has been written. Files are\n"
    "handled from the last to the first; a file that fails is kept and the others\n"
    "go on (exit status 1).\n";

// The file name (not its folder) cut at its first '.', plus the new extension.
QString targetName(const QString& path, const char* extension) {
    const QFileInfo info(path);
    QString name = info.fileName();
    const qsizetype dot = name.indexOf('.');
    if (dot >= 0) name.truncate(dot);
    return info.dir().filePath(name + QString::fromLatin1(extension));
}

bool convert(const std::string& file, bool encode, std::string& error) {
    const QString path = QString::fromStdString(file);
    if (!QFileInfo(path).isFile()) {
        error = "no such file: " + file;
        return false;
    }
    QImageReader reader(path);
    reader.setAutoTransform(false);
    QImage picture = reader.read();
    if (picture.isNull()) {
        error = file + ": not a bitmap (" + reader.errorString().toStdString() + ")";
        return false;
    }
    if (picture.format() != QImage::Format_Indexed8) {
        error = file + ": not an 8-bit picture";
        return false;
    }
    if (encode)
        EncodeRows(picture.bits(), picture.width(), picture.height(), picture.bytesPerLine());
    else
        DecodeRows(picture.bits(), picture.width(), picture.height(), picture.bytesPerLine());
    // Scrambled bytes use every value: with a short colour table the bitmap writer
    // would pack the rows into fewer bits and lose them.
    if (picture.colorCount() < 256) {
        QList<QRgb> table = picture.colorTable();
        while (table.size() < 256) table.push_back(qRgb(0, 0, 0));
        picture.setColorTable(table);
    }

    const QString target = targetName(path, encode ? ".pic" : ".bmp");
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly) || !picture.save(&out, "BMP") || !out.commit()) {
        error = "cannot write " + target.toStdString();
        return false;
    }
    // The new file is complete; only now may the picked one go (unless it was
    // the same file, rewritten in place).
    if (QFileInfo(target).canonicalFilePath() != QFileInfo(path).canonicalFilePath() &&
        !QFile::remove(path)) {
        error = "wrote " + target.toStdString() + " but cannot delete " + file;
        return false;
    }
    std::printf("OK! %s\n", target.toStdString().c_str());
    return true;
}

int run(const std::vector<std::string>& args) {
    std::vector<std::string> words;
    CommandArgs cli("pic", kHelp);
    cli.words(words);
    if (auto end = cli.parse(args)) return *end;
    if (words.size() < 2 || (words[0] != "encode" && words[0] != "decode")) {
        std::fputs(kHelp, stderr);
        return toolError("pic needs encode or decode and at least one FILE");
    }
    const bool encode = words[0] == "encode";
    int status = 0;
    for (size_t i = words.size() - 1; i >= 1; --i) {
        std::string error;
        if (!convert(words[i], encode, error)) status = toolError(error);
    }
    return status;
}

ToolCommandRegistrar reg({"pic", "make .pic pictures from 8-bit bitmaps and back", run});

}  // namespace
