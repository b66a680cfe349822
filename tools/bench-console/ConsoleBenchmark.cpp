// Frame cost of the developer console with one very long output line. Runs the real root state
// with the shipped data, opens the console with F11, measures frames with an output full of short
// lines, then has Lua fail with an error text of the asked length (shown as one result line) and
// measures the first frame after it and the frames that follow.
//
//     bench_console [characters = 100000] [frames = 200]
//     bench_console --smoke
//
// Needs a display. Prints the median frame times in milliseconds beside the short lines' frame.
#include "app/console/ConsoleAccessGameState.hpp"
#include "app/root/BaseGameState.hpp"
#include "app/root/EventSource.hpp"
#include "tools/bench-report/FigureLine.hpp"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double frameMilliseconds(tarsk::BaseGameState& root) {
    const Clock::time_point start = Clock::now();
    root.update();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double medianFrame(tarsk::BaseGameState& root, int frames) {
    std::vector<double> times;
    for (int i = 0; i < frames; ++i)
        times.push_back(frameMilliseconds(root));
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

tarsk::ConsoleAccessGameState* openConsole(tarsk::BaseGameState& root) {
    for (const auto& state : root.getSubStates())
        if (auto* console = dynamic_cast<tarsk::ConsoleAccessGameState*>(state.get());
            console && !console->isClosed())
            return console;
    return nullptr;
}

// The root reads ./data and writes ./settings.json: a scratch folder that sees the built data.
class ScratchRunFolder {
public:
    ScratchRunFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "bench_console-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("bench_console: cannot make a scratch folder");
        folder = pattern;
        std::filesystem::create_directory_symlink(std::filesystem::path(ORV_RUN_DIR) / "data",
                                                  folder / "data");
        previous = std::filesystem::current_path();
        std::filesystem::current_path(folder);
    }
    ~ScratchRunFolder() {
        std::error_code ignored;
        std::filesystem::current_path(previous, ignored);
        std::filesystem::remove_all(folder, ignored);
    }

private:
    std::filesystem::path folder;
    std::filesystem::path previous;
};

int run(std::size_t characters, int frames) {
    ScratchRunFolder scratch;
    tarsk::BaseGameState root;
    auto source = std::make_unique<tarsk::QueuedEventSource>();
    tarsk::QueuedEventSource& events = *source;
    root.setEventSource(std::move(source));
    root.init();
    // Frames as fast as they go: the limit would hide what a frame costs.
    root.getWindow().setFramerateLimit(0);

    sf::Event f11{};
    f11.type = sf::Event::KeyPressed;
    f11.key.code = sf::Keyboard::F11;
    events.push(f11);
    root.update();
    tarsk::ConsoleAccessGameState* console = openConsole(root);
    if (!console) {
        std::fprintf(stderr, "bench_console: F11 opened no console\n");
        return 1;
    }

    // Enough short lines to fill the output, so both measurements draw a full box of text.
    for (int i = 0; i < 40; ++i)
        console->executeLine("x = " + std::to_string(i));
    medianFrame(root, std::min(frames, 20));
    const double baseline = medianFrame(root, frames);

    console->executeLine("error(string.rep('lorem ipsum ', " + std::to_string(characters / 12) + "), 0)");
    const ui::ChatBox& output = *console->getOutput();
    const std::size_t longest = output.getLine(output.getLineAmount() - 1).size();
    const double first = frameMilliseconds(root);
    const double after = medianFrame(root, frames);

    std::printf("bench_console: output line of %zu characters, %d frames, load average %s\n", longest, frames,
                orvbench::machineLoad().c_str());
    const std::string shortLines = "Console/frame:short-lines";
    orvbench::printFigureLine("Console/first-frame:long-line", first, shortLines, baseline, 0.0);
    // After the first frame the long line is laid out once and costs no more than short ones.
    orvbench::printFigureLine("Console/frame:long-line", after, shortLines, baseline, 1.2);
    root.close();
    return longest >= characters / 12 * 12 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    // "--smoke", as every benchmark takes it: once through, on a short line.
    const bool smoke = argc > 1 && std::string_view(argv[1]) == "--smoke";
    const std::size_t characters = smoke ? 600 : argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 100000;
    const int frames = smoke ? 3 : argc > 2 ? std::max(1, std::atoi(argv[2])) : 200;
    try {
        return run(characters, frames);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_console: %s\n", error.what());
        return 1;
    }
}
