#include "tools/bench-report/BenchmarkMain.hpp"

#include "tools/bench-report/BaselineReporter.hpp"

#include <benchmark/benchmark.h>

#include <string_view>
#include <utility>

namespace orvbench {

int runBenchmarks(int argc, char** argv, const std::function<void(const Scale&)>& registerAll,
                  std::vector<Figure> figures) {
    Scale scale;
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--smoke")
            scale.smoke = true;
        else
            args.push_back(argv[i]);
    }
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data()))
        return 1;
    registerAll(scale);
    BaselineReporter reporter(std::move(figures));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return reporter.failed() ? 1 : 0;
}

} // namespace orvbench
