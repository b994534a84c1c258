// A turning GIF of the largest model at 400 x 400 in 36 pictures, fitted for the whole turn,
// as --export-picture OUT.gif --fit writes it, against 36 PNGs of the same pictures. The GIF's
// size in bytes is the counter "bytes". And the peak memory of such GIFs at 1424 x 865 and
// --scale 4 in 36 and in 360 pictures (counters "MiB36", "MiB360" and their ratio "mal").
#include "benchmain.h"
#include "scene.h"

#include "export/picture.h"
#include "view/einpassen.h"
#include "view/interaction.h"
#include "view/projection.h"
#include "view/renderer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

constexpr int kBilder = 36;

// The largest model at 400 x 400, fitted once for all pictures of a turn.
void eingepasst(wyk::Module1& m) {
    grossesModell(m);
    wyk::zeichnungSetzen(m, QSize(400, 400));
    wyk::rotation2(m);
    if (const auto e = wyk::einpassenRundum(m, m.anzeige, true, kBilder)) {
        wyk::einpassungAnwenden(m, *e);
    }
}

void BM_gif36(benchmark::State& state) {
    wyk::Module1 m;
    eingepasst(m);
    const QString ziel = QDir::temp().filePath(QStringLiteral("wyk-bench-umlauf.gif"));
    for (auto _ : state) {
        if (!wyk::schreibeBild(m, ziel, {kBilder, 100}).isDone()) {
            state.SkipWithError("GIF failed");
        }
    }
    state.counters["bytes"] = static_cast<double>(QFileInfo(ziel).size());
    compareWith(state, "BM_png36");
}

void BM_png36(benchmark::State& state) {
    wyk::Module1 m;
    eingepasst(m);
    const QString ziel = QDir::temp().filePath(QStringLiteral("wyk-bench-umlauf.png"));
    const double start = m.rotwinkel[3];
    for (auto _ : state) {
        for (int i = 0; i < kBilder; ++i) {
            m.rotwinkel[3] = wyk::bildDrehung(start, i, kBilder);
            wyk::rotation2(m);
            if (!wyk::schreibeBild(m, ziel).isDone()) {
                state.SkipWithError("PNG failed");
            }
        }
    }
}

// The most memory the process has held since the peak was last reset, in MiB.
double spitzeMiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    static const QRegularExpression zeile(QStringLiteral("VmHWM:\\s*(\\d+) kB"));
    return zeile.match(QString::fromLatin1(status.readAll())).captured(1).toDouble() / 1024;
}

// The peak memory of writing the GIF of bilder pictures of m, in MiB.
double gifSpitze(wyk::Module1& m, int bilder, benchmark::State& state) {
    QFile zuruecksetzen(QStringLiteral("/proc/self/clear_refs"));
    if (!zuruecksetzen.open(QIODevice::WriteOnly) || zuruecksetzen.write("5") != 1) {
        state.SkipWithError("the peak memory cannot be reset");
    }
    zuruecksetzen.close();
    const QString ziel = QDir::temp().filePath(QStringLiteral("wyk-bench-spitze.gif"));
    if (!wyk::schreibeBild(m, ziel, {bilder, 100}).isDone()) {
        state.SkipWithError("GIF failed");
    }
    QFile::remove(ziel);
    return spitzeMiB();
}

void BM_gifSpeicher(benchmark::State& state) {
    wyk::Module1 m;
    grossesModell(m);
    m.dichte = 4;
    for (auto _ : state) {
        const double kurz = gifSpitze(m, 36, state);
        const double lang = gifSpitze(m, 360, state);
        state.counters["MiB36"] = kurz;
        state.counters["MiB360"] = lang;
        state.counters["mal"] = lang / kurz;
    }
}

} // namespace

BENCHMARK(BM_gifSpeicher)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(BM_png36)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_gif36)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
