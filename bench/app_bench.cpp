// The application's own costs: from a drag on the canvas to the new picture on it (against
// the renderer alone, and at device pixel ratio 2 against ratio 1), from the last byte of a
// model saved in pieces to its picture (against an explicit load), and opening the debug
// window on the largest model (against tables of one item per cell). With --erstes-bild
// [MODEL] it measures the cold start instead: from main() to the first painted frame of the
// canvas, and the process's peak memory.
#include "benchmain.h"
#include "scene.h"

#include "app/app.h"
#include "app/modellwaechter.h"
#include "app/windebug.h"
#include "app/winhaupt.h"
#include "view/renderer.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QScreen>
#include <QTableWidget>
#include <QTest>
#include <QWindow>
#include <cstdio>
#include <sys/resource.h>

namespace {

// Benchmarks never ask for files.
class KeineDialoge : public wyk::FileDialogs {
protected:
    std::optional<wyk::DialogWahl> oeffnen(const wyk::DialogAngebot&) override { return {}; }
    std::optional<wyk::DialogWahl> speichern(const wyk::DialogAngebot&) override { return {}; }
};

// Counts the paint events a widget receives.
class PaintZaehler : public QObject {
public:
    explicit PaintZaehler(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

QWidget* canvasVon(wyk::App& app) {
    return app.haupt().findChild<QWidget*>(QStringLiteral("CAhaupt"));
}

// The application at its largest window (canvas 1424 x 865) with the largest model loaded
// and points, lines and axes on.
class GrosseAnwendung {
public:
    GrosseAnwendung() : app(std::make_unique<KeineDialoge>(), nullptr) {
        wyk::Module1 vorlage;
        grossesModell(vorlage);
        app.haupt().resize(5000, 5000);
        if (!QTest::qWaitForWindowExposed(&app.haupt()) ||
            !QTest::qWaitFor([this] { return app.modul().breite == 1424; })) {
            return;
        }
        app.haupt().findChild<QCheckBox*>(QStringLiteral("CBpunkte"))->setChecked(true);
        app.modellLaden(grosseModellDatei(vorlage));
    }

    bool bereit() {
        return app.modul().anzpkt == wyk::kTabellenGrenze && app.modul().breite == 1424 &&
               app.modul().hoehe == 865;
    }

    wyk::App app;
};

void ziehen(QWidget* canvas, QPoint p, Qt::MouseButton button, Qt::MouseButtons buttons,
            QEvent::Type type) {
    QMouseEvent event(type, p, canvas->mapToGlobal(p), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(canvas, &event);
}

// One drag step, from the mouse event to the canvas's pixels updated, with the window on the
// given screen (the second: device pixel ratio 2, see main).
void ziehenBisBild(benchmark::State& state, int schirm) {
    GrosseAnwendung gross;
    const QList<QScreen*> schirme = QGuiApplication::screens();
    if (schirm >= schirme.size()) {
        state.SkipWithError("no second screen (run on the offscreen platform that main sets up)");
        return;
    }
    gross.app.haupt().windowHandle()->setScreen(schirme[schirm]);
    const double dichte = gross.app.haupt().devicePixelRatioF();
    if (!QTest::qWaitFor([&] { return gross.app.modul().dichte == dichte; }) || !gross.bereit()) {
        state.SkipWithError("largest scene not set up");
        return;
    }
    QWidget* canvas = canvasVon(gross.app);
    PaintZaehler zaehler(canvas);
    ziehen(canvas, {700, 400}, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress);
    int x = 700;
    for (auto _ : state) {
        x = x == 700 ? 703 : 700;
        ziehen(canvas, {x, 401}, Qt::NoButton, Qt::LeftButton, QEvent::MouseMove);
        // The window asks for its paint, which the event loop delivers.
        QCoreApplication::processEvents();
    }
    if (zaehler.paints != static_cast<int>(state.iterations())) {
        state.SkipWithError("not every drag reached the canvas");
    }
    state.counters["dichte"] = dichte;
}

void BM_ziehenBisBild(benchmark::State& state) {
    ziehenBisBild(state, 0);
    compareWith(state, "BM_zeichnenAllein");
}

// The same on a screen of device pixel ratio 2: four times the pixels, against ratio 1.
void BM_ziehenBisBildDichte2(benchmark::State& state) {
    ziehenBisBild(state, 1);
    compareWith(state, "BM_ziehenBisBild");
}

// The renderer alone on the same scene, without the handler and the repaint.
void BM_zeichnenAllein(benchmark::State& state) {
    GrosseAnwendung gross;
    wyk::Module1& m = gross.app.modul();
    m.fenster.canvasZeigen = nullptr;
    for (auto _ : state) {
        wyk::zeichnen(m);
        benchmark::DoNotOptimize(m.zebild.constBits());
    }
}

void BM_debugOeffnen(benchmark::State& state) {
    GrosseAnwendung gross;
    for (auto _ : state) {
        gross.app.debugZeigen();
        QCoreApplication::processEvents(); // shows and paints the tables
        state.PauseTiming();
        if (gross.app.debugFenster() == nullptr) {
            state.SkipWithError("no debug window");
            break;
        }
        gross.app.debugFenster()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    compareWith(state, "BM_debugMitItems");
}

// The same two tables filled with one item per cell.
void BM_debugMitItems(benchmark::State& state) {
    GrosseAnwendung gross;
    const wyk::Module1& m = gross.app.modul();
    for (auto _ : state) {
        QWidget fenster;
        fenster.resize(399, 435);
        auto* punkte = new QTableWidget(m.anzpkt, 4, &fenster);
        punkte->setGeometry(20, 38, 197, 377);
        for (int i = 1; i <= m.anzpkt; ++i) {
            punkte->setItem(i - 1, 0, new QTableWidgetItem(QString::number(i)));
            for (int j = 1; j <= 3; ++j) {
                punkte->setItem(i - 1, j, new QTableWidgetItem(QString::number(m.punkt[i][j])));
            }
        }
        auto* linien = new QTableWidget(m.anzlin, 3, &fenster);
        linien->setGeometry(229, 38, 150, 377);
        for (int i = 1; i <= m.anzlin; ++i) {
            linien->setItem(i - 1, 0, new QTableWidgetItem(QString::number(i)));
            for (int j = 1; j <= 2; ++j) {
                linien->setItem(i - 1, j, new QTableWidgetItem(QString::number(m.linie[i][j])));
            }
        }
        fenster.show();
        QCoreApplication::processEvents();
    }
}

// Processes events until the canvas has painted once more than painted; false after 10 s.
bool neuGemalt(const PaintZaehler& zaehler, int painted) {
    return QTest::qWaitFor([&] { return zaehler.paints > painted; }, 10000);
}

// A program saving the followed model in two pieces with a pause between them: from the last
// byte written to the new picture on the canvas. The first piece ends inside the points, so it
// is a save in progress that keeps the shown model.
void BM_gespeichertBisBild(benchmark::State& state) {
    GrosseAnwendung gross;
    QFile datei(gross.app.modul().datpfad);
    if (!gross.bereit() || !datei.open(QIODevice::ReadOnly)) {
        state.SkipWithError("largest scene not set up");
        return;
    }
    const QByteArray inhalt = datei.readAll();
    datei.close();
    PaintZaehler zaehler(canvasVon(gross.app));
    for (auto _ : state) {
        state.PauseTiming();
        datei.open(QIODevice::WriteOnly | QIODevice::Truncate);
        datei.write(inhalt.left(inhalt.size() / 4));
        datei.flush();
        QTest::qWait(3 * wyk::ModellWaechter::kRuhe); // the pause of the saving program
        const int painted = zaehler.paints;
        state.ResumeTiming();
        datei.write(inhalt.mid(inhalt.size() / 4));
        datei.close();
        if (!neuGemalt(zaehler, painted) || zaehler.paints != painted + 1) {
            state.SkipWithError("the finished save did not reach the canvas exactly once");
            break;
        }
    }
    compareWith(state, "BM_ladenBisBild");
}

// The same model loaded explicitly (as from the command line or a drop) until it is painted.
void BM_ladenBisBild(benchmark::State& state) {
    GrosseAnwendung gross;
    PaintZaehler zaehler(canvasVon(gross.app));
    const QString pfad = gross.app.modul().datpfad;
    for (auto _ : state) {
        const int painted = zaehler.paints;
        gross.app.modellLaden(pfad);
        if (!neuGemalt(zaehler, painted)) {
            state.SkipWithError("the load did not reach the canvas");
            break;
        }
    }
}

int benchmarks(int argc, char** argv) {
    QApplication app(argc, argv);
    return runBenchmarks(argc, argv);
}

// Start-up as the program runs it, until the canvas has painted its first frame.
int erstesBild(int argc, char** argv) {
    QElapsedTimer uhr;
    uhr.start();
    QApplication qapp(argc, argv);
    wyk::App app(std::make_unique<KeineDialoge>());
    if (argc > 2) {
        app.modellLaden(QString::fromLocal8Bit(argv[2]));
    }
    PaintZaehler zaehler(canvasVon(app));
    while (zaehler.paints == 0) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    const double ms = static_cast<double>(uhr.nsecsElapsed()) / 1e6;
    rusage nutzung{};
    getrusage(RUSAGE_SELF, &nutzung);
    std::printf("first painted frame %.1f ms after main(), peak memory %ld KiB (%s)\n", ms,
                nutzung.ru_maxrss, qPrintable(QGuiApplication::platformName()));
    return 0;
}

} // namespace

BENCHMARK(BM_ziehenBisBild)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly();
BENCHMARK(BM_ziehenBisBildDichte2)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly();
BENCHMARK(BM_zeichnenAllein)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly();
BENCHMARK(BM_debugOeffnen)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly();
BENCHMARK(BM_gespeichertBisBild)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);
BENCHMARK(BM_ladenBisBild)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);
BENCHMARK(BM_debugMitItems)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        // Two screens side by side, the second of device pixel ratio 2, as a 4K laptop screen
        // beside an ordinary one.
        const QString schirme = QDir::temp().filePath(QStringLiteral("wyk-bench-schirme.json"));
        QFile datei(schirme);
        if (datei.open(QIODevice::WriteOnly)) {
            datei.write(R"({"screens": [
                {"name": "A", "x": 0, "y": 0, "width": 1600, "height": 1200},
                {"name": "B", "x": 1600, "y": 0, "width": 1600, "height": 1200}]})");
            datei.close();
            qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + schirme.toLocal8Bit());
            qputenv("QT_SCREEN_SCALE_FACTORS", "A=1;B=2");
        } else {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
    }
    if (argc > 1 && qstrcmp(argv[1], "--erstes-bild") == 0) {
        return erstesBild(argc, argv);
    }
    return benchmarks(argc, argv);
}
