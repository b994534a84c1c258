#include "export/off.h"

#include "export/web.h"
#include "model/reader.h"
#include "platform/dateiname.h"
#include "platform/numbers.h"
#include "platform/windows1252.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>
#include <sys/stat.h>

namespace wyk {

namespace {

// One colour channel of a face: 0, 0.5 or 1 from the intensity bit and the channel's bit.
double kanal(int code, int bit) {
    const double hell = (code & 8) != 0 ? 0.5 : 0.0;
    return (code & bit) != 0 ? hell + 0.5 : hell;
}

// OFF index of a point: its number less 1, computed wide enough for any Integer.
QString index(int punkt) {
    return QString::number(static_cast<qint64>(punkt) - 1);
}

QString flaeche(const Modell& m, int i) {
    const int code = m.linie[i][2];
    return QStringList{QStringLiteral("2"), index(m.linie[i - 1][1]), index(m.linie[i][1]),
                       Str(kanal(code, 4)), Str(kanal(code, 2)),      Str(kanal(code, 1))}
        .join(QLatin1Char(' '));
}

bool zeichnet(const Modell& m, int i) {
    return m.linie[i][2] > 0;
}

int flaechen(const Modell& m) {
    int anzahl = 0;
    for (int i = 2; i <= m.anzlin; ++i) {
        anzahl += zeichnet(m, i) ? 1 : 0;
    }
    return anzahl;
}

// The first point (1..anzpkt) with a coordinate that no OFF reader accepts, or 0 if none.
int unendlicherPunkt(const Modell& m) {
    for (int i = 1; i <= m.anzpkt; ++i) {
        const auto& p = m.punkt[i];
        if (!std::isfinite(p[1]) || !std::isfinite(p[2]) || !std::isfinite(p[3])) {
            return i;
        }
    }
    return 0;
}

// Whether files may be written beside the OFF file absolut (an absolute name): not beside a pipe,
// a device or a name for a descriptor such as /dev/stdout, whose folder is the system's and not
// the user's.
bool nebenDateiMoeglich(const QString& absolut) {
    struct stat info {};
    const bool da = ::stat(bytesAusName(absolut).constData(), &info) == 0;
    return (!da || S_ISREG(info.st_mode)) && !absolut.startsWith(QLatin1String("/dev/")) &&
           !absolut.startsWith(QLatin1String("/proc/"));
}

} // namespace

QString offVorschlag(const QString& datname) {
    const qsizetype punkt = datname.indexOf(QLatin1Char('.'));
    return (punkt < 0 ? datname : datname.left(punkt)) + QStringLiteral(".off");
}

QStringList offZeilen(const Modell& m) {
    // A negative point count stands in the counts line as it is; no vertex line follows.
    QStringList zeilen{QStringLiteral("OFF"),
                       QStringLiteral("%1 %2 99").arg(Str(m.anzpkt), Str(flaechen(m)))};
    for (int i = 1; i <= m.anzpkt; ++i) {
        const auto& p = m.punkt[i];
        zeilen << QStringList{Str(p[1]), Str(p[2]), Str(p[3])}.join(QLatin1Char(' '));
    }
    for (int i = 2; i <= m.anzlin; ++i) {
        if (zeichnet(m, i)) {
            zeilen << flaeche(m, i);
        }
    }
    return zeilen;
}

Outcome schreibeOff(Module1& m, const QString& path) {
    if (const int p = unendlicherPunkt(m); p != 0) {
        return Outcome::failed(
            QStringLiteral("Die OFF-Datei „%1“ wurde nicht geschrieben: Punkt %2 hat eine "
                           "Koordinate, die keine endliche Zahl ist.")
                .arg(QDir::toNativeSeparators(path))
                .arg(p));
    }
    // By the name's bytes: a folder or name that is no UTF-8 stays what it is.
    const QString absolut = absoluterName(path);
    const QString ordner = absolut.left(absolut.lastIndexOf(QLatin1Char('/')) + 1);
    const QString name = absolut.mid(ordner.size());
    if ((m.htmlsave || m.javasave) && !nebenDateiMoeglich(absolut)) {
        return Outcome::failed(
            QStringLiteral("Es wurde nichts geschrieben: Webseite und Klassendateien kommen neben "
                           "eine gewöhnliche Datei, und „%1“ ist keine.")
                .arg(QDir::toNativeSeparators(path)));
    }
    for (const QString& ziel : QStringList{path} + webZiele(m, ordner, name)) {
        if (const Outcome geschuetzt = modellSchuetzen(m, ziel); !geschuetzt.isDone()) {
            return geschuetzt;
        }
    }
    if (const Outcome off = writeTextFile(path, offZeilen(m)); !off.isDone()) {
        return off;
    }
    return webDateien(m, ordner, name);
}

Outcome saveoff(Module1& m, FileDialogs& dialogs) {
    const auto path = dialogs.GetSaveFolderItem(offVorschlag(m.datname));
    if (!path) {
        return Outcome::cancelled();
    }
    return schreibeOff(m, *path);
}

} // namespace wyk
