#include "model/reader.h"

#include "model/zeilenleser.h"
#include "platform/dateiname.h"
#include "platform/grund.h"
#include "platform/kennung.h"
#include "platform/numbers.h"
#include "platform/text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wyk {

namespace {

// Reads the wanted lines of a model file: comment lines (first character "#") and empty lines
// are passed over; at the end of the file the last line read stands for every further one.
class WantedLines {
public:
    explicit WantedLines(QIODevice& device) : zeilen_(device) {}

    // Moves to the next wanted line; fails on a read error or an over-long line. At the end of
    // the file the current line stays and ausgegangen() becomes true.
    bool next(QString& error) {
        while (!zeilen_.atEnd()) {
            bool tooLong = false;
            if (!zeilen_.readLine(current_, tooLong)) {
                error = QStringLiteral("Lesefehler in Zeile %1").arg(zeilen_.lineNumber());
                return false;
            }
            if (!current_.empty() && current_.front() != '#') {
                if (tooLong) {
                    error = QStringLiteral("Zeile %1 ist länger als %2 Zeichen")
                                .arg(zeilen_.lineNumber())
                                .arg(ZeilenLeser::kLaengsteZeile);
                    return false;
                }
                return true;
            }
        }
        ausgegangen_ = true;
        return true;
    }

    std::string& current() { return current_; }

    // Whether the file ended before a wanted line.
    bool ausgegangen() const { return ausgegangen_; }

private:
    ZeilenLeser zeilen_;
    std::string current_;
    bool ausgegangen_ = false;
};

bool readCount(WantedLines& lines, int& count, const char* what, QString& error) {
    if (!lines.next(error)) {
        return false;
    }
    count = toInteger(Val(lines.current()));
    if (count > kTabellenGrenze) {
        error = QStringLiteral("die Datei kündigt %1 %2 an, höchstens %3 sind möglich")
                    .arg(count)
                    .arg(QString::fromUtf8(what))
                    .arg(kTabellenGrenze);
        return false;
    }
    return true;
}

// Takes the next wanted line as a data line, without the one blank that may lead it (the line
// reader has already folded runs of blanks into one).
bool readData(WantedLines& lines, std::string_view& data, QString& error) {
    if (!lines.next(error)) {
        return false;
    }
    data = lines.current();
    if (data.starts_with(' ')) {
        data.remove_prefix(1);
    }
    return true;
}

// Reads the model; ausgegangen tells whether the file ended before the lines its counts announce.
bool liesModell(QIODevice& device, Modell& modell, QString& error, bool& ausgegangen) {
    WantedLines lines(device);
    std::string_view data;
    if (!readCount(lines, modell.anzpkt, "Punkte", error)) {
        return false;
    }
    for (int i = 1; i <= modell.anzpkt; ++i) {
        if (!readData(lines, data, error)) {
            return false;
        }
        for (int j = 1; j <= 3; ++j) {
            modell.punkt[i][j] = Val(NthField(data, j));
        }
    }
    if (!readCount(lines, modell.anzlin, "Linien", error)) {
        return false;
    }
    for (int i = 1; i <= modell.anzlin; ++i) {
        if (!readData(lines, data, error)) {
            return false;
        }
        for (int j = 1; j <= 2; ++j) {
            modell.linie[i][j] = toInteger(Val(NthField(data, j)));
        }
    }
    ausgegangen = lines.ausgegangen();
    return true;
}

// Why the opened file with the status info cannot serve as a model file, or an empty text.
QString unreadable(const struct stat& info) {
    if (S_ISDIR(info.st_mode)) {
        return grundText(EISDIR);
    }
    if (!S_ISREG(info.st_mode)) {
        return QStringLiteral("das ist keine gewöhnliche Datei");
    }
    return {};
}

// A file read through to at most a number of bytes; one byte more makes it fail.
class Begrenzt : public QIODevice {
public:
    Begrenzt(QIODevice& quelle, qint64 hoechstens) : quelle_(quelle), rest_(hoechstens) {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }
    bool ueberschritten() const { return ueberschritten_; }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        if (rest_ == 0) {
            char probe = 0;
            ueberschritten_ = quelle_.read(&probe, 1) > 0;
            return ueberschritten_ ? -1 : 0;
        }
        const qint64 gelesen = quelle_.read(data, std::min(maxSize, rest_));
        rest_ -= std::max<qint64>(gelesen, 0);
        return gelesen;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QIODevice& quelle_;
    qint64 rest_;
    bool ueberschritten_ = false;
};

Outcome refuse(const QString& path, const QString& reason) {
    return Outcome::failed(QStringLiteral("Das Modell „%1“ kann nicht geladen werden: %2.")
                               .arg(QDir::toNativeSeparators(path), reason));
}

// How a file that ends before the lines its counts announce is taken: by the file format's
// rules, or as a save still in progress, which einlesen answers with Outcome::cancelled().
enum class Ende { Wiederholen, Abwarten };

// Reads into a scratch copy of the model and takes it over only when the whole file was read,
// so a refused file leaves the model exactly as it was.
Outcome einlesen(Module1& m, QIODevice& device, const QString& name, Ende ende,
                 std::optional<Kennung> kennung = std::nullopt) {
    Modell neu = m;
    neu.anzpkt = 0;
    neu.anzlin = 0;
    neu.datname = QFileInfo(name).fileName();
    neu.datpfad = absoluterName(name);
    neu.datkennung = kennung;
    QString error;
    bool ausgegangen = false;
    if (!liesModell(device, neu, error, ausgegangen)) {
        return refuse(name, error);
    }
    if (ausgegangen && ende == Ende::Abwarten) {
        return Outcome::cancelled();
    }
    static_cast<Modell&>(m) = std::move(neu);
    return Outcome::done();
}

Outcome einlesen(Module1& m, const QString& path, Ende ende, qint64 hoechstens = -1) {
    // Opened without waiting, should the name lead to a FIFO, and checked as opened.
    const int fd = ::open(bytesAusName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return refuse(path, grundText(errno));
    }
    QFile file;
    struct stat info {};
    QString reason = ::fstat(fd, &info) == 0 ? unreadable(info) : grundText(errno);
    if (reason.isEmpty() && ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
        reason = grundText(errno);
    }
    if (reason.isEmpty() && !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        reason = grundText(EIO);
    }
    if (!reason.isEmpty()) {
        ::close(fd);
        return refuse(path, reason);
    }
    const Kennung kennung{static_cast<quint64>(info.st_dev), static_cast<quint64>(info.st_ino)};
    if (hoechstens < 0) {
        return einlesen(m, file, path, ende, kennung);
    }
    Begrenzt begrenzt(file, hoechstens);
    const Outcome outcome = einlesen(m, begrenzt, path, ende, kennung);
    if (begrenzt.ueberschritten()) {
        return refuse(path,
                      QStringLiteral("die Datei ist größer als die %1 MiB, die eine Vorschau liest")
                          .arg(hoechstens >> 20));
    }
    return outcome;
}

// A new model shows no older tables and no highlights.
Outcome nachDemLaden(Module1& m, Outcome outcome) {
    if (outcome.isDone()) {
        if (m.fenster.debugSchliessen) {
            m.fenster.debugSchliessen();
        }
        m.debugpkt = 0;
        m.messpkt = 0;
        m.debuglinie = 0;
    }
    return outcome;
}

} // namespace

Outcome datenlesen(Module1& m, FileDialogs& dialogs) {
    const auto path = dialogs.GetOpenFolderItem();
    if (!path) {
        return Outcome::cancelled();
    }
    return ladeDatei(m, *path);
}

Outcome ladeDatei(Module1& m, const QString& path, qint64 hoechstens) {
    return nachDemLaden(m, einlesen(m, path, Ende::Wiederholen, hoechstens));
}

Outcome ladeAus(Module1& m, QIODevice& device, const QString& name) {
    return nachDemLaden(m, einlesen(m, device, name, Ende::Wiederholen));
}

std::optional<Outcome> erneutLaden(Module1& m, const QString& path, bool ganzVerlangt) {
    const Outcome outcome = einlesen(m, path, ganzVerlangt ? Ende::Abwarten : Ende::Wiederholen);
    // The model shown stays, but the file being edited is now the one the name leads to.
    if (const auto jetzt = kennungVon(path); !outcome.isDone() && jetzt) {
        m.datkennung = jetzt;
    }
    if (outcome.isCancelled()) {
        return std::nullopt;
    }
    if (outcome.isDone()) {
        markenPruefen(m);
    }
    return outcome;
}

Outcome modellSchuetzen(const Modell& m, const QString& ziel) {
    if (!m.datkennung || kennungVon(ziel) != m.datkennung) {
        return Outcome::done();
    }
    return Outcome::failed(QStringLiteral("Die Datei „%1“ wurde nicht geschrieben: sie ist das "
                                          "geladene Modell „%2“, das dabei verloren ginge.")
                               .arg(QDir::toNativeSeparators(ziel), m.datname));
}

void markenPruefen(Module1& m) {
    if (m.debugpkt > m.anzpkt) {
        m.debugpkt = 0;
    }
    if (m.debugpkt == 0 || m.messpkt > m.anzpkt) {
        m.messpkt = 0;
    }
    if (m.debuglinie > m.anzlin) {
        m.debuglinie = 0;
    }
}

} // namespace wyk
