#include "tools/bench-report/FigureLine.hpp"

#include <cstdio>
#include <fstream>

namespace orvbench {

void printFigureLine(const std::string& name, double value, const std::string& baselineName, double baseline,
                     double targetRatio) {
    std::printf("%-44s %10.3f ms   vs %-44s", name.c_str(), value, baselineName.c_str());
    if (baseline > 0) {
        std::printf(" %10.3f ms   ratio %6.2fx", baseline, value / baseline);
        if (targetRatio > 0)
            std::printf("   (target <= %.2fx%s)", targetRatio,
                        value / baseline <= targetRatio ? "" : ", MISSED");
    } else {
        std::printf(" %10s", "n/a");
    }
    std::printf("\n");
}

std::string machineLoad() {
    std::ifstream file("/proc/loadavg");
    std::string one, five, fifteen;
    if (!(file >> one >> five >> fifteen))
        return "unknown";
    return one + " " + five + " " + fifteen;
}

} // namespace orvbench
