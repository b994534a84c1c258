#include "platform/inhalt.h"

#include <cerrno>
#include <unistd.h>

namespace wyk::schreiben {

int writeAll(int fd, QByteArrayView bytes, bool regulaer, off_t ab) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const auto menge = static_cast<std::size_t>(left);
        const ssize_t written = ab != kAnDerStelle
                                    ? ::pwrite(fd, data, menge, ab + (data - bytes.constData()))
                                    : ::write(fd, data, menge);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (written == 0) {
            return EIO;
        }
        data += written;
        left -= written;
    }
    return !regulaer || ::fsync(fd) == 0 ? 0 : errno;
}

int writeAll(int fd, const Inhalt& bytes, bool regulaer, off_t ab) {
    QByteArray puffer;
    for (qint64 pos = 0; pos < bytes.size();) {
        const QByteArrayView stueck = bytes.ab(pos, puffer);
        if (stueck.isEmpty()) {
            return errno;
        }
        const off_t wo = ab != kAnDerStelle ? ab + static_cast<off_t>(pos) : kAnDerStelle;
        if (const int error = writeAll(fd, stueck, false, wo); error != 0) {
            return error;
        }
        pos += stueck.size();
    }
    return !regulaer || ::fsync(fd) == 0 ? 0 : errno;
}

} // namespace wyk::schreiben
