#pragma once

#include "tools/bench-report/Figure.hpp"

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace orvbench {

// Collects every run (the fastest repetition of each benchmark: the least disturbed by whatever
// else the machine runs) and prints one line per figure at the end, in milliseconds of processor
// time, or of the time the benchmark measured itself.
class BaselineReporter : public benchmark::BenchmarkReporter {
public:
    explicit BaselineReporter(std::vector<Figure> figures);

    bool ReportContext(const Context& context) override;
    void ReportRuns(const std::vector<Run>& reports) override;
    void Finalize() override;

    // The fastest time of a benchmark in milliseconds, or a negative value when it did not run.
    double milliseconds(const std::string& name) const;
    bool failed() const { return !errors.empty(); }

private:
    std::vector<Figure> figures;
    std::map<std::string, double> fastest;
    std::vector<std::string> errors;
};

} // namespace orvbench
