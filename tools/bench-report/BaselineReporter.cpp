#include "tools/bench-report/BaselineReporter.hpp"

#include "tools/bench-report/FigureLine.hpp"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace orvbench {

namespace {

double toMilliseconds(double value, benchmark::TimeUnit unit) {
    switch (unit) {
    case benchmark::kNanosecond:
        return value / 1e6;
    case benchmark::kMicrosecond:
        return value / 1e3;
    case benchmark::kMillisecond:
        return value;
    case benchmark::kSecond:
        return value * 1e3;
    }
    return value;
}

std::string join(const std::vector<std::string>& names) {
    std::string result;
    for (const std::string& name : names)
        result += (result.empty() ? "" : " + ") + name;
    return result;
}

} // namespace

BaselineReporter::BaselineReporter(std::vector<Figure> figures) : figures(std::move(figures)) {}

bool BaselineReporter::ReportContext(const Context& context) {
    std::printf("%s: %d cpus at %.0f MHz, load average %.2f\n", Context::executable_name,
                context.cpu_info.num_cpus, context.cpu_info.cycles_per_second / 1e6,
                context.cpu_info.load_avg.empty() ? 0.0 : context.cpu_info.load_avg.front());
    return true;
}

void BaselineReporter::ReportRuns(const std::vector<Run>& reports) {
    for (const Run& run : reports) {
        if (run.error_occurred) {
            errors.push_back(run.benchmark_name() + ": " + run.error_message);
            std::fprintf(stderr, "%s failed: %s\n", run.benchmark_name().c_str(), run.error_message.c_str());
            continue;
        }
        if (run.run_type != Run::RT_Iteration)
            continue;
        // Named as registered, without the run settings the library appends.
        const std::string name =
            run.run_name.function_name + (run.run_name.args.empty() ? "" : "/" + run.run_name.args);
        // Processor time where the benchmark times itself: on a busy machine it counts what the
        // code costs, not how long others held the processor. Manual times (drawing, start-up)
        // are what they measured.
        const bool manual = run.run_name.time_type.find("manual") != std::string::npos;
        const double ms =
            toMilliseconds(manual ? run.GetAdjustedRealTime() : run.GetAdjustedCPUTime(), run.time_unit);
        // As each run ends, so a long program shows how far it has come.
        std::fprintf(stderr, "%s: %.3f ms (%lld iterations)\n", name.c_str(), ms,
                     static_cast<long long>(run.iterations));
        auto [it, inserted] = fastest.emplace(name, ms);
        if (!inserted)
            it->second = std::min(it->second, ms);
    }
}

double BaselineReporter::milliseconds(const std::string& name) const {
    auto it = fastest.find(name);
    return it == fastest.end() ? -1.0 : it->second;
}

void BaselineReporter::Finalize() {
    for (const Figure& figure : figures) {
        const double value = milliseconds(figure.name);
        if (value < 0)
            continue; // filtered out, or failed (already reported)
        double baseline = figure.budgetMs;
        std::string baselineName = "budget";
        if (!figure.baselines.empty()) {
            baseline = 0;
            baselineName = join(figure.baselines);
            for (const std::string& name : figure.baselines) {
                const double part = milliseconds(name);
                if (part < 0) {
                    baseline = -1;
                    break;
                }
                baseline += part;
            }
        }
        printFigureLine(figure.name, value, baselineName, baseline, figure.targetRatio);
    }
    std::fflush(stdout);
}

} // namespace orvbench
