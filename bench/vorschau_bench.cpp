// A file manager's preview of the largest model at 1024 pixels, as --export-thumbnail makes
// it (load, fit, draw, write the PNG), against loading the model alone.
#include "benchmain.h"
#include "scene.h"

#include "export/vorschau.h"
#include "model/reader.h"

#include <QDir>

namespace {

void BM_vorschau1024(benchmark::State& state) {
    wyk::Module1 gross;
    grossesModell(gross);
    const QString modell = grosseModellDatei(gross);
    const QString ziel = QDir::temp().filePath(QStringLiteral("wyk-bench-vorschau.png"));
    for (auto _ : state) {
        wyk::Module1 m;
        if (!wyk::ladeDatei(m, modell).isDone() || !wyk::schreibeVorschau(m, 1024, ziel).isDone()) {
            state.SkipWithError("preview failed");
        }
    }
    compareWith(state, "BM_ladeDatei");
}

} // namespace

BENCHMARK(BM_vorschau1024)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly();
