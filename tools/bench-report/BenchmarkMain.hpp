#pragma once

#include "tools/bench-report/Figure.hpp"

#include <functional>
#include <vector>

namespace orvbench {

// How big the inputs are: the real sizes, or tiny ones that only prove the benchmark still runs.
struct Scale {
    bool smoke = false;
    // n in full runs, s in smoke runs.
    int pick(int n, int s) const { return smoke ? s : n; }
};

// The whole main of a benchmark program. "--smoke" (removed before the library sees the
// arguments) runs each benchmark once on tiny inputs. Registration happens through the callback,
// since the sizes depend on it. Returns non-zero when a benchmark failed.
int runBenchmarks(int argc, char** argv, const std::function<void(const Scale&)>& registerAll,
                  std::vector<Figure> figures);

} // namespace orvbench
