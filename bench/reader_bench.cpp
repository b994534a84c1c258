// Loading the largest model file, against reading its bytes and counting its lines.
#include "benchmain.h"
#include "scene.h"

#include "model/reader.h"

#include <QFile>

namespace {

void BM_ladeDatei(benchmark::State& state) {
    wyk::Module1 gross;
    grossesModell(gross);
    const QString path = grosseModellDatei(gross);
    wyk::Module1 m;
    for (auto _ : state) {
        if (!wyk::ladeDatei(m, path).isDone()) {
            state.SkipWithError("load failed");
        }
    }
    compareWith(state, "BM_DateiBytesLesen");
}

void BM_DateiBytesLesen(benchmark::State& state) {
    wyk::Module1 gross;
    grossesModell(gross);
    const QString path = grosseModellDatei(gross);
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(file.readAll().count('\n'));
    }
}

} // namespace

BENCHMARK(BM_ladeDatei)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly();
BENCHMARK(BM_DateiBytesLesen)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly();
