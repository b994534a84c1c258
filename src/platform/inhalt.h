#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>
#include <algorithm>
#include <cerrno>
#include <sys/types.h>
#include <unistd.h>

// A part of the writer behind writeBinaryFile (platform/dateischreiben.h), for its files only.
namespace wyk::schreiben {

// What a write puts into the file: bytes in memory, or the first laenge bytes of the open file
// quelle, read a piece at a time so that no more than a piece is held.
class Inhalt {
public:
    Inhalt(const QByteArray& bytes) : daten_(bytes.constData()), laenge_(bytes.size()) {}
    Inhalt(int quelle, qint64 laenge) : quelle_(quelle), laenge_(laenge) {}

    qint64 size() const { return laenge_; }

    // The bytes from pos on, all of them or the next piece (read into puffer); empty, with
    // errno set, where the file cannot be read.
    QByteArrayView ab(qint64 pos, QByteArray& puffer) const {
        if (quelle_ < 0) {
            return {daten_ + pos, laenge_ - pos};
        }
        constexpr qint64 kStueck = 1 << 20;
        puffer.resize(std::min(kStueck, laenge_ - pos));
        qsizetype gelesen = 0;
        while (gelesen < puffer.size()) {
            const ssize_t n = ::pread(quelle_, puffer.data() + gelesen,
                                      static_cast<std::size_t>(puffer.size() - gelesen),
                                      static_cast<off_t>(pos + gelesen));
            if (n <= 0 && !(n < 0 && errno == EINTR)) {
                errno = n == 0 ? EIO : errno;
                return {};
            }
            gelesen += std::max<ssize_t>(n, 0);
        }
        return puffer;
    }

private:
    const char* daten_ = nullptr;
    int quelle_ = -1;
    qint64 laenge_ = 0;
};

// The offset of a write that goes from the descriptor's position on.
constexpr off_t kAnDerStelle = -1;

// Writes all bytes: from the offset ab on where it is given (the descriptor's position stays
// where it is), else from the descriptor's position on; for a regular file also makes sure they
// reached the disk. 0 or the error number.
int writeAll(int fd, QByteArrayView bytes, bool regulaer, off_t ab = kAnDerStelle);

// The same for a content held in a file, a piece at a time.
int writeAll(int fd, const Inhalt& bytes, bool regulaer, off_t ab = kAnDerStelle);

} // namespace wyk::schreiben
