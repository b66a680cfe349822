#pragma once

#include <string>
#include <vector>

namespace orvbench {

// One line of the table: a measured benchmark beside what it is compared with. The baseline is
// either the sum of other benchmarks of the same run or, when none are named, a fixed budget.
struct Figure {
    std::string name;
    std::vector<std::string> baselines;
    double budgetMs = 0.0;
    // What the ratio should stay below; 0 when no target is set. Printed only, never enforced.
    double targetRatio = 0.0;
};

} // namespace orvbench
