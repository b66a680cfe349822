#pragma once

#include <string>

namespace orvbench {

// Prints one line of the figure table: the measured value, its baseline beside it and the ratio,
// with the target ratio when there is one (0: none). A baseline that is not positive prints as
// "n/a". Values are milliseconds.
void printFigureLine(const std::string& name, double value, const std::string& baselineName, double baseline,
                     double targetRatio);

// The machine's load averages as /proc/loadavg gives them, or "unknown".
std::string machineLoad();

} // namespace orvbench
