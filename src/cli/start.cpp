#include "cli/start.h"

#include "export/off.h"
#include "export/picture.h"
#include "export/vorschau.h"
#include "model/reader.h"
#include "platform/dateiname.h"
#include "view/einpassen.h"
#include "view/interaction.h"
#include "view/projection.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <memory>

namespace wyk {

namespace {

constexpr int kErfolg = 0;
constexpr int kFehlgeschlagen = 1;
constexpr int kFalscherAufruf = 2;

// 96 dots per inch.
constexpr int kBildschirmPunkteJeMeter = 3780;

int fehlerMelden(int code, const QString& text) {
    // File names go out as the bytes they are, also those that are not valid UTF-8.
    std::fputs(bytesAusName(QStringLiteral("wyk-viewer: %1\n").arg(text)).constData(), stderr);
    return code;
}

// A run without windows serves scripts, and its own messages say all there is to say about
// the export. Qt's debug, info and warning notices concern the desktop session rather than
// the export (the offscreen platform, for one, warns that XDG_RUNTIME_DIR is not set, which
// is normal outside a login session), so they are dropped; critical and fatal messages still
// reach stderr.
void nurErnsteMeldungen(QtMsgType typ, const QMessageLogContext& kontext, const QString& text) {
    if (typ == QtCriticalMsg || typ == QtFatalMsg) {
        const QString zeile = qFormatLogMessage(typ, kontext, text) + QLatin1Char('\n');
        std::fputs(zeile.toLocal8Bit().constData(), stderr);
    }
}

// The view of a window whose canvas was resized to the picture's size on a screen of the
// density asked for, then set as the command line asks, through the same fields, display
// state and rotation2 as the windows; fitted to the picture last, when asked.
Outcome bildExport(Module1& m, const Ansicht& ansicht, const QString& ziel) {
    if (const Outcome bereit = init(m); !bereit.isDone()) {
        return bereit;
    }
    // A raster picture states the resolution of the screen it was drawn for. Without one, as
    // here, Qt would state 100 dpi; the pictures state 96, that of a usual screen, as a window
    // there saves them.
    m.zebild.setDotsPerMeterX(kBildschirmPunkteJeMeter);
    m.zebild.setDotsPerMeterY(kBildschirmPunkteJeMeter);
    zeichnungSetzen(m, ansicht.groesse);
    m.dichte = ansicht.dichte;
    m.rotwinkel[3] = ansicht.drehung.value_or(m.rotwinkel[3]);
    m.rotwinkel[1] = ansicht.neigung.value_or(m.rotwinkel[1]);
    m.zoomfaktor = ansicht.zoom.value_or(m.zoomfaktor);
    m.anzeige = ansicht.anzeige;
    m.debugpkt = ansicht.debugpkt;
    m.messpkt = ansicht.messpkt;
    m.debuglinie = ansicht.debuglinie;
    rotation2(m);
    // A turning picture is fitted once, for all its pictures.
    const int bilder = alsUmlauf(ziel) ? ansicht.umlauf.bilder : 1;
    const auto einpassung =
        ansicht.einpassen ? einpassenRundum(m, m.anzeige, true, bilder) : std::nullopt;
    if (einpassung) {
        einpassungAnwenden(m, *einpassung);
    }
    return schreibeBild(m, ziel, ansicht.umlauf);
}

Outcome exportieren(Module1& m, const Plan& plan) {
    switch (plan.art) {
    case Exportart::Web:
        m.htmlsave = true;
        m.javasave = true;
        return schreibeOff(m, plan.ziel);
    case Exportart::Bild:
        return bildExport(m, plan.ansicht, plan.ziel);
    case Exportart::Vorschau:
        return schreibeVorschau(m, plan.vorschau, plan.ziel);
    case Exportart::Off:
        break;
    }
    return schreibeOff(m, plan.ziel);
}

int exportAusfuehren(const Plan& plan) {
    const auto m = std::make_unique<Module1>();
    const bool vorschau = plan.art == Exportart::Vorschau;
    Outcome ergebnis = ladeDatei(*m, plan.modell, vorschau ? kVorschauHoechstens : -1);
    if (const QString falsch = markenFehler(plan.ansicht, *m);
        ergebnis.isDone() && !falsch.isEmpty()) {
        return fehlerMelden(kFalscherAufruf, falsch);
    }
    if (ergebnis.isDone()) {
        ergebnis = exportieren(*m, plan);
    }
    return ergebnis.isDone() ? kErfolg : fehlerMelden(kFehlgeschlagen, ergebnis.message());
}

// Whether a platform is chosen on the command line.
bool plattformGewaehlt(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "-platform" || argument == "--platform") {
            return true;
        }
    }
    return false;
}

// Whether windows can be shown: a display is named in the environment, or a platform is
// chosen there or on the command line.
bool bildschirmDa(int argc, char** argv) {
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        if (!qEnvironmentVariableIsEmpty(name)) {
            return true;
        }
    }
    return plattformGewaehlt(argc, argv);
}

// Qt's notices while it connects to the screen name the platforms it tried in vain; they are
// held back. When none can be initialised, Qt ends the program with an English message and
// abort (exit code 134); the program says so in German and ends with exit code 1 instead.
void anmeldungMelden(QtMsgType typ, const QMessageLogContext&, const QString&) {
    if (typ != QtFatalMsg) {
        return;
    }
    const auto wert = [](const char* name) {
        return QStringLiteral("%1=„%2“").arg(QLatin1String(name), qEnvironmentVariable(name));
    };
    fehlerMelden(kFehlgeschlagen,
                 QStringLiteral("Es lässt sich kein Bildschirm öffnen (%1, %2, %3): weder ein "
                                "X-Server noch ein Wayland-Compositor ist erreichbar, oder Qt "
                                "fehlt das Modul dafür (Pakete qt6-qpa-plugins, qt6-wayland). "
                                "Ohne Bildschirm gehen die Exporte („wyk-viewer --help“ nennt "
                                "sie).")
                     .arg(wert("QT_QPA_PLATFORM"), wert("WAYLAND_DISPLAY"), wert("DISPLAY")));
    std::fflush(stderr);
    std::_Exit(kFehlgeschlagen);
}

} // namespace

bool vorbereiten(int argc, char** argv) {
    const bool bildschirm = bildschirmDa(argc, argv);
    if (bildschirm && !eigeneOptionGenannt(argc, argv)) {
        // Where a compositor runs, the windows are its own clients, with the X server as the
        // fallback.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !plattformGewaehlt(argc, argv) &&
            !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
            qputenv("QT_QPA_PLATFORM", "wayland;xcb");
        }
        return true;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qInstallMessageHandler(nurErnsteMeldungen);
    return bildschirm;
}

QtMessageHandler anmelden() {
    return qInstallMessageHandler(anmeldungMelden);
}

void benennen() {
    QCoreApplication::setApplicationName(QStringLiteral("WYK-Viewer"));
    QCoreApplication::setApplicationVersion(QStringLiteral(WYK_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("wyk-viewer"));
}

int ohneFenster(const Plan& plan) {
    switch (plan.modus) {
    case Modus::Fenster:
        return fehlerMelden(
            kFehlgeschlagen,
            QStringLiteral("Es ist kein Bildschirm da, auf dem sich die Fenster "
                           "öffnen könnten. Ohne Bildschirm gehen die Exporte "
                           "(„wyk-viewer --help“ nennt sie)."));
    case Modus::Export:
        return exportAusfuehren(plan);
    case Modus::Hilfe:
    case Modus::Version:
        hilfeOderVersionZeigen(QCoreApplication::arguments());
    case Modus::Fehler:
        break;
    }
    return fehlerMelden(kFalscherAufruf, plan.fehler);
}

} // namespace wyk
