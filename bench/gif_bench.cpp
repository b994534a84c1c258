// A turning GIF of the largest model at 400 x 400 in 36 pictures, fitted for the whole turn,
// as --export-picture OUT.gif --fit writes it, against 36 PNGs of the same pictures. The GIF's
// size in bytes is the counter "bytes".
#include "benchmain.h"
#include "scene.h"

#include "export/picture.h"
#include "view/einpassen.h"
#include "view/interaction.h"
#include "view/projection.h"
#include "view/renderer.h"

#include <QDir>
#include <QFileInfo>

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

} // namespace

BENCHMARK(BM_png36)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_gif36)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
