#include "benchmain.h"

#include <cstdio>
#include <map>
#include <string>

namespace {

// Collects the medians of the repeated runs while printing as usual.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> medians;       // per benchmark, milliseconds
    std::map<std::string, std::string> baseline; // benchmark -> its baseline's name

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.aggregate_name == "median") {
                const std::string name = run.run_name.function_name;
                medians[name] = run.GetAdjustedRealTime() *
                                benchmark::GetTimeUnitMultiplier(benchmark::kMillisecond) /
                                benchmark::GetTimeUnitMultiplier(run.time_unit);
                if (!run.report_label.empty()) {
                    baseline[name] = run.report_label;
                }
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

void compareWith(benchmark::State& state, const char* baselineName) {
    state.SetLabel(baselineName);
}

int runBenchmarks(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n%-32s %10s   %s\n", "median of", "ms", "against its baseline");
    for (const auto& [name, ms] : reporter.medians) {
        const auto base = reporter.baseline.find(name);
        if (base != reporter.baseline.end() && reporter.medians.count(base->second) != 0) {
            const double other = reporter.medians[base->second];
            if (ms < other) {
                std::printf("%-32s %10.3f   %.1f x faster than %s (%.3f ms)\n", name.c_str(), ms,
                            other / ms, base->second.c_str(), other);
            } else {
                std::printf("%-32s %10.3f   %.1f x the time of %s (%.3f ms)\n", name.c_str(), ms,
                            ms / other, base->second.c_str(), other);
            }
        } else {
            std::printf("%-32s %10.3f\n", name.c_str(), ms);
        }
    }
    benchmark::Shutdown();
    return 0;
}
