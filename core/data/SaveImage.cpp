#include "core/data/SaveImage.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

std::vector<unsigned char> encodeSave(const GameState& gs) {
    std::vector<unsigned char> out(sizeof(GameState));
    const auto* p = reinterpret_cast<const unsigned char*>(&gs);
    for (size_t i = 0; i < out.size(); ++i) out[i] = static_cast<unsigned char>(~p[i]);
    return out;
}

bool decodeSave(const std::vector<unsigned char>& bytes, GameState& out) {
    if (bytes.size() != sizeof(GameState)) return false;
    auto* p = reinterpret_cast<unsigned char*>(&out);
    for (size_t i = 0; i < bytes.size(); ++i) p[i] = static_cast<unsigned char>(~bytes[i]);
    return true;
}

SaveResult readSaveFile(const std::string& path, GameState& gs) {
    SaveResult r;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        r.error = "Не удалось открыть файл " + path + ".";
        return r;
    }
    // Read one byte more than a block so that a longer file is noticed.
    std::vector<unsigned char> bytes(sizeof(GameState) + 1);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) {
        r.error = "Ошибка чтения файла " + path + ".";
        return r;
    }
    bytes.resize(static_cast<size_t>(in.gcount()));
    if (bytes.size() != sizeof(GameState)) {
        r.error = "Файл " + path + " не является сохранённой игрой (неверный размер).";
        return r;
    }
    decodeSave(bytes, gs);
    r.ok = true;
    return r;
}

std::string fileErrorCause(int err) {
    switch (err) {
        case EACCES:
        case EPERM:
            return "нет прав на запись в эту папку";
        case ENOSPC:
        case EDQUOT:
            return "на диске не осталось места";
        case EROFS:
            return "файловая система доступна только для чтения";
        case ENOENT:
        case ENOTDIR:
            return "такой папки нет, и создать её не удалось";
        default:
            return std::string("ошибка системы (") + std::strerror(err) + ")";
    }
}

SaveResult writeSaveFile(const std::string& path, const GameState& gs) {
    SaveResult r;
    const std::vector<unsigned char> bytes = encodeSave(gs);
    const std::string tmp = path + ".tmp";
    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        r.error = "Не удалось записать файл " + path + ": " + fileErrorCause(errno) + ".";
        return r;
    }
    size_t done = 0;
    bool ok = true;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            ok = false;
            break;
        }
        done += static_cast<size_t>(n);
    }
    int err = ok ? 0 : errno;
    if (ok && ::fsync(fd) != 0) {
        ok = false;
        err = errno;
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (ok && std::rename(tmp.c_str(), path.c_str()) != 0) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        std::remove(tmp.c_str());
        r.error = "Не удалось записать файл " + path + ": " + fileErrorCause(err) + ".";
        return r;
    }
    r.ok = true;
    return r;
}
