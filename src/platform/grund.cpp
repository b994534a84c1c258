#include "platform/grund.h"

#include <cerrno>

namespace wyk {

QString grundText(int errnoWert) {
    switch (errnoWert) {
    case ENOENT:
        return QStringLiteral("die Datei oder der Ordner existiert nicht");
    case EACCES:
    case EPERM:
        return QStringLiteral("dafür fehlt die Berechtigung");
    case EROFS:
        return QStringLiteral("das Dateisystem ist schreibgeschützt");
    case ENOSPC:
        return QStringLiteral("auf dem Datenträger ist kein Platz mehr frei");
    case EDQUOT:
        return QStringLiteral("der zugeteilte Speicherplatz ist erschöpft");
    case EFBIG:
        return QStringLiteral("die Datei wäre zu groß");
    case ENAMETOOLONG:
        return QStringLiteral("der Name ist zu lang");
    case EISDIR:
        return QStringLiteral("das ist ein Ordner");
    case ENOTDIR:
        return QStringLiteral("ein Teil des Pfades ist kein Ordner");
    case ELOOP:
        return QStringLiteral("zu viele symbolische Verknüpfungen hintereinander, vielleicht "
                              "eine Schleife");
    case EMLINK:
        return QStringLiteral("zu viele Verknüpfungen");
    case ETXTBSY:
    case EBUSY:
        return QStringLiteral("die Datei wird gerade benutzt");
    case EIO:
        return QStringLiteral("Ein-/Ausgabefehler beim Zugriff auf den Datenträger");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("zu viele Dateien sind gleichzeitig geöffnet");
    default:
        return QStringLiteral("das Betriebssystem meldet den Fehler Nummer %1").arg(errnoWert);
    }
}

} // namespace wyk
