#include "export/web.h"

#include "export/markup.h"
#include "export/off.h"
#include "platform/dateiname.h"
#include "platform/dateischreiben.h"
#include "platform/kennung.h"
#include "platform/windows1252.h"

#include <QDir>
#include <array>
#include <optional>

namespace wyk {

namespace {

// The page's name: the OFF name without its last four characters when it contains ".off",
// else the model's name; then ".htm".
QString seitenName(const Module1& m, const QString& offName) {
    if (!offName.contains(QStringLiteral(".off"))) {
        return m.datname + QStringLiteral(".htm");
    }
    qsizetype ende = offName.size();
    for (int zeichen = 0; zeichen < 4 && ende > 0; ++zeichen) {
        --ende;
        if (ende > 0 && offName[ende].isLowSurrogate() && offName[ende - 1].isHighSurrogate()) {
            --ende; // a character outside the basic plane counts once
        }
    }
    return offName.left(ende) + QStringLiteral(".htm");
}

// The model parameter's value: the name itself when its bytes are UTF-8, else "./" and the
// bytes percent-encoded, which no name can be mistaken for, as no name holds a "/".
QString modellWert(const QString& offName) {
    const QByteArray bytes = bytesAusName(offName);
    if (QString::fromUtf8(bytes) == offName) {
        return offName;
    }
    return QStringLiteral("./") + QString::fromLatin1(bytes.toPercentEncoding());
}

QStringList seite(const QString& offName) {
    const QString applet =
        QStringLiteral("<CENTER><APPLET code=\"Viewer41.class\" WIDTH=\"640\" HEIGHT=\"480\">"
                       "<PARAM name=model value=\"%1\"></APPLET></CENTER>")
            .arg(markupText(modellWert(offName), Zeichenregel::Windows1252));
    return {QStringLiteral("<HTML>"),
            QStringLiteral("<HEAD>"),
            QStringLiteral("<TITLE>OFF-Viewer</TITLE>"),
            QStringLiteral("</HEAD>"),
            QStringLiteral("<BODY>"),
            applet,
            QStringLiteral("</BODY>"),
            QStringLiteral("</HTML>")};
}

// Collects the class files' contents in their order; gives the name of the first one the
// program lacks, if any.
std::optional<QString> fehlendeKlasse(Module1& m, QList<QByteArray>& inhalte) {
    for (const Ressource& k : kAppletKlassen) {
        const std::optional<QByteArray> text = m.ressourcen.text(k.nummer);
        if (!text) {
            return QString::fromLatin1(k.datei);
        }
        inhalte << *text;
    }
    return std::nullopt;
}

Outcome klassenSchreiben(Module1& m, const QString& ordner, const QString& offPfad) {
    for (const Ressource& k : kAppletKlassen) {
        if (dieselbeDatei(ordner + QLatin1String(k.datei), offPfad)) {
            return Outcome::failed(
                QStringLiteral("Die Klassendateien des Applets wurden nicht geschrieben: "
                               "„%1“ würde die eben geschriebene OFF-Datei ersetzen.")
                    .arg(QDir::toNativeSeparators(offPfad)));
        }
    }
    return savejava(m, ordner);
}

} // namespace

Outcome saveHTML(const Module1& m, const QString& ordner, const QString& offName) {
    const QString pfad = ordner + seitenName(m, offName);
    if (dieselbeDatei(pfad, ordner + offName)) {
        return Outcome::failed(
            QStringLiteral("Die HTML-Seite „%1“ wurde nicht geschrieben: sie würde die eben "
                           "geschriebene OFF-Datei ersetzen.")
                .arg(QDir::toNativeSeparators(pfad)));
    }
    return writeTextFile(pfad, seite(offName));
}

Outcome savejava(Module1& m, const QString& ordner) {
    QList<QByteArray> inhalte;
    if (const auto fehlt = fehlendeKlasse(m, inhalte)) {
        return Outcome::failed(
            QStringLiteral("Die Applet-Datei „%1“ fehlt im Programm; in „%2“ wurden keine "
                           "Klassendateien geschrieben.")
                .arg(*fehlt, QDir::toNativeSeparators(ordner)));
    }
    for (qsizetype i = 0; i < inhalte.size(); ++i) {
        const char* datei = kAppletKlassen[static_cast<std::size_t>(i)].datei;
        const QString pfad = ordner + QLatin1String(datei);
        if (const Outcome ergebnis = writeBinaryFile(pfad, inhalte[i]); !ergebnis.isDone()) {
            return ergebnis;
        }
    }
    return Outcome::done();
}

QStringList webZiele(const Module1& m, const QString& ordner, const QString& offName) {
    QStringList ziele;
    if (m.htmlsave) {
        ziele << ordner + seitenName(m, offName);
    }
    for (const Ressource& k : kAppletKlassen) {
        ziele << ordner + QLatin1String(k.datei);
    }
    return m.javasave ? ziele : ziele.mid(0, m.htmlsave ? 1 : 0);
}

Outcome webDateien(Module1& m, const QString& ordner, const QString& offName) {
    const QString offPfad = ordner + offName;
    QStringList fehler;
    if (m.htmlsave) {
        if (const Outcome seite = saveHTML(m, ordner, offName); seite.isFailed()) {
            fehler << seite.message();
        }
    }
    if (m.javasave) {
        if (const Outcome klassen = klassenSchreiben(m, ordner, offPfad); klassen.isFailed()) {
            fehler << klassen.message();
        }
    }
    return fehler.isEmpty() ? Outcome::done() : Outcome::failed(fehler.join(QLatin1Char('\n')));
}

Outcome offPlusExportieren(Module1& m, FileDialogs& dialogs, bool html, bool java) {
    m.htmlsave = html;
    m.javasave = java;
    const Outcome ergebnis = saveoff(m, dialogs);
    m.htmlsave = false;
    m.javasave = false;
    return ergebnis;
}

} // namespace wyk
