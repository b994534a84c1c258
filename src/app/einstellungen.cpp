#include "app/einstellungen.h"

#include "platform/dateiname.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace wyk {

namespace {

const QString kFenster = QStringLiteral("Fenster/Groesse");
const QString kEinpassen = QStringLiteral("Fenster/BeimLadenEinpassen");
const QString kOrdner = QStringLiteral("Modell/Ordner");

// The most a settings file holds that is read; it is written by this program alone and holds a
// few short lines.
constexpr off_t kGroessteDatei = 64 * 1024;

// Whether the name leads to a regular file; nothing else is ever opened, as opening a device
// can act on it.
bool regulaer(const QByteArray& name) {
    struct stat info {};
    return ::stat(name.constData(), &info) == 0 && S_ISREG(info.st_mode);
}

// The settings file opened for reading, without waiting, should a FIFO take its place: a
// regular file of at most kGroessteDatei bytes as opened. Closed on destruction.
class Lesbar {
public:
    explicit Lesbar(const QString& pfad) {
        const QByteArray name = bytesAusName(pfad);
        if (!regulaer(name)) {
            return;
        }
        fd_ = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        struct stat info {};
        if (fd_ >= 0 &&
            (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > kGroessteDatei)) {
            ::close(std::exchange(fd_, -1));
        }
    }
    Lesbar(const Lesbar&) = delete;
    Lesbar& operator=(const Lesbar&) = delete;
    ~Lesbar() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }

    // The name through which QSettings reads the very file checked; empty where there is none.
    QString name() const {
        return fd_ >= 0 ? QStringLiteral("/proc/self/fd/%1").arg(fd_) : QString();
    }

private:
    int fd_ = -1;
};

// Whether remembering may write the file: where it is missing, or leads to a regular file of
// the user's own. A link to a device, a FIFO or a folder is left as it is.
bool schreibbar(const QString& pfad) {
    const QByteArray name = bytesAusName(pfad);
    struct stat info {};
    if (::lstat(name.constData(), &info) != 0) {
        return errno == ENOENT;
    }
    return ::stat(name.constData(), &info) == 0 && S_ISREG(info.st_mode) &&
           info.st_uid == ::geteuid() && info.st_size <= kGroessteDatei;
}

} // namespace

Einstellungen::Einstellungen(QString pfad) : pfad_(std::move(pfad)) {}

QString Einstellungen::standardPfad() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/wyk-viewer/wyk-viewer.conf");
}

namespace {

// The value of the key in the settings file as checked by Lesbar: an invalid value where there
// is no such file or it cannot be read.
QVariant wert(const QString& pfad, const QString& schluessel) {
    const Lesbar lesbar(pfad);
    if (lesbar.name().isEmpty()) {
        return {};
    }
    const QSettings datei(lesbar.name(), QSettings::IniFormat);
    const QVariant gelesen = datei.value(schluessel);
    return datei.status() == QSettings::NoError ? gelesen : QVariant();
}

} // namespace

std::optional<QSize> Einstellungen::fenster() const {
    const QSize groesse = wert(pfad_, kFenster).toSize();
    return groesse.isValid() ? std::optional(groesse) : std::nullopt;
}

bool Einstellungen::einpassen() const {
    return wert(pfad_, kEinpassen).toString() == QLatin1String("true");
}

QString Einstellungen::ordner() const {
    const QString ordner = wert(pfad_, kOrdner).toString();
    return QDir::isAbsolutePath(ordner) && QFileInfo(ordner).isDir() ? ordner : QString();
}

void Einstellungen::merken(QSize fenster, const QString& ordner, bool einpassen) const {
    if (!schreibbar(pfad_)) {
        return;
    }
    QSettings datei(pfad_, QSettings::IniFormat);
    datei.setValue(kFenster, fenster);
    datei.setValue(kEinpassen, einpassen);
    if (!ordner.isEmpty()) {
        datei.setValue(kOrdner, ordner);
    }
    datei.sync(); // where the file cannot be written, nothing more happens
}

} // namespace wyk
