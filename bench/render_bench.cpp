// The renderer runs on every drag, wheel and key event. Compares zeichnen with the same scene
// drawn by per-item QPainter calls, and times the scene at device pixel ratios 1.5, 2 and 3,
// a scene of far-away and broken coordinates, and the hit test of one pointer move against one
// redraw. The redraws' figures are the drawing thread's processor time, so that other
// processes on a shared machine move the ratios less.
#include "benchmain.h"
#include "scene.h"

#include "view/palette.h"
#include "view/projection.h"
#include "view/renderer.h"
#include "view/zeigen.h"

#include <QPainter>
#include <ctime>
#include <limits>

namespace {

// The drawing thread's processor time in seconds.
double prozessorzeit() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

void BM_zeichnen(benchmark::State& state) {
    wyk::Module1 m;
    grossesModell(m);
    for (auto _ : state) {
        const double start = prozessorzeit();
        wyk::zeichnen(m);
        benchmark::DoNotOptimize(m.zebild.constBits());
        state.SetIterationTime(prozessorzeit() - start);
    }
    compareWith(state, "BM_QPainterBaseline");
}

// The same redraw on screens of device pixel ratio 1.5, 2 and 3: 2.25, 4 and 9 times the
// pixels, pens of 2, 2 and 3. Each costs about its pixels against BM_zeichnen.
void zeichnenDichte(benchmark::State& state, double dichte) {
    wyk::Module1 m;
    grossesModell(m);
    m.dichte = dichte;
    wyk::zeichnen(m); // zebild grows once, as on the first redraw on such a screen
    for (auto _ : state) {
        const double start = prozessorzeit();
        wyk::zeichnen(m);
        benchmark::DoNotOptimize(m.zebild.constBits());
        state.SetIterationTime(prozessorzeit() - start);
    }
    compareWith(state, "BM_zeichnen");
}

void BM_zeichnenDichte15(benchmark::State& state) {
    zeichnenDichte(state, 1.5);
}

void BM_zeichnenDichte2(benchmark::State& state) {
    zeichnenDichte(state, 2.0);
}

void BM_zeichnenDichte3(benchmark::State& state) {
    zeichnenDichte(state, 3.0);
}

QPointF projiziert(const wyk::Module1& m, int p) {
    const auto& q = m.punkt[p];
    const auto& b = m.basis;
    return {q[1] * b[1][1] + q[2] * b[2][1] + q[3] * b[3][1] + m.origx,
            q[1] * b[1][2] + q[2] * b[2][2] + q[3] * b[3][2] + m.origy};
}

// The same scene with one QPainter call per item into the same 16-bit picture.
void BM_QPainterBaseline(benchmark::State& state) {
    wyk::Module1 m;
    grossesModell(m);
    for (auto _ : state) {
        const double start = prozessorzeit();
        QPainter painter(&m.zebild);
        painter.fillRect(0, 0, m.breite, m.hoehe, Qt::black);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        for (int p = 1; p <= m.anzpkt; ++p) {
            const QPointF c = projiziert(m, p);
            painter.drawEllipse(QRect(int(c.x()) - 2, int(c.y()) - 2, 5, 5));
        }
        int a = 0;
        for (int l = 1; l <= m.anzlin; ++l) {
            const int b = m.linie[l][1];
            painter.setPen(QColor(wyk::farbe(m.linie[l][2])));
            painter.drawLine(projiziert(m, a).toPoint(), projiziert(m, b).toPoint());
            a = b;
        }
        painter.setPen(Qt::red);
        for (int k = 1; k <= 3; ++k) {
            const QPoint tip(int(m.basis[k][1] * 10 + m.origx), int(m.basis[k][2] * 10 + m.origy));
            painter.drawLine(QPoint(m.origx, m.origy), tip);
            painter.drawText(tip, QStringLiteral("x"));
        }
        painter.end();
        benchmark::DoNotOptimize(m.zebild.constBits());
        state.SetIterationTime(prozessorzeit() - start);
    }
}

// Points at infinity, far beyond any pixel and NaN-producing, at the largest zoom.
void BM_zeichnenExtrem(benchmark::State& state) {
    wyk::Module1 m;
    grossesModell(m);
    const double inf = std::numeric_limits<double>::infinity();
    const double far[] = {inf, -inf, 1e300, -1e300, 1e6, 0.0};
    for (int p = 1; p <= m.anzpkt; ++p) {
        m.punkt[p][1 + p % 3] = far[p % 6];
    }
    m.zoomfaktor = std::numeric_limits<int>::max();
    wyk::rotation2(m);
    for (auto _ : state) {
        const double start = prozessorzeit();
        wyk::zeichnen(m);
        benchmark::DoNotOptimize(m.zebild.constBits());
        state.SetIterationTime(prozessorzeit() - start);
    }
    compareWith(state, "BM_zeichnen");
}

// What lies under the pointer, at a new position on every move across the largest drawing,
// with its text: the work of one pointer move over the drawing, which never redraws.
void BM_trefferBei(benchmark::State& state) {
    wyk::Module1 m;
    grossesModell(m);
    int schritt = 0;
    for (auto _ : state) {
        const int x = (schritt * 37) % m.breite;
        const int y = (schritt * 23) % m.hoehe;
        ++schritt;
        benchmark::DoNotOptimize(wyk::trefferText(m, wyk::trefferBei(m, x, y)));
    }
    compareWith(state, "BM_zeichnen");
}

// A redraw timed by the drawing thread's own clock, in milliseconds, over 15 runs of which only
// the mean, median and spread are reported.
void fuenfzehnmal(benchmark::internal::Benchmark* b) {
    b->UseManualTime()->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly();
}

} // namespace

BENCHMARK(BM_zeichnen)->Apply(fuenfzehnmal);
BENCHMARK(BM_zeichnenDichte15)->Apply(fuenfzehnmal);
BENCHMARK(BM_zeichnenDichte2)->Apply(fuenfzehnmal);
BENCHMARK(BM_zeichnenDichte3)->Apply(fuenfzehnmal);
BENCHMARK(BM_QPainterBaseline)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();
BENCHMARK(BM_zeichnenExtrem)->Apply(fuenfzehnmal);
BENCHMARK(BM_trefferBei)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly();
