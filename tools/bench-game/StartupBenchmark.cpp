// From process start to the first frame of the main menu, beside a process that only opens a
// bare window of the same size and shows one frame. Each iteration starts this program again in
// one of its two child modes; the child reports the clock when its frame is shown.
#include "app/root/BaseGameState.hpp"
#include "tools/bench-game/BenchFolder.hpp"
#include "tools/bench-report/BenchmarkMain.hpp"

#include <SFML/Graphics/RenderWindow.hpp>
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>

extern char** environ;

namespace {

constexpr const char* GameMode = "--child-game";
constexpr const char* WindowMode = "--child-window";

long long now() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void reportShown() {
    std::printf("%lld\n", now());
    std::fflush(stdout);
}

// Start-up is measured, not shutting down: the child leaves without tearing its window down.
[[noreturn]] void runChild(const std::string& mode) {
    if (mode == GameMode) {
        orvbench::BenchFolder folder(orvbench::shippedGameFile());
        auto root = std::make_unique<tarsk::BaseGameState>();
        root->init();
        root->update();
        reportShown();
        static_cast<void>(root.release());
    } else {
        auto window =
            std::make_unique<sf::RenderWindow>(sf::VideoMode(1280, 720, 32), "bare", sf::Style::Close);
        window->clear(sf::Color::White);
        window->display();
        reportShown();
        static_cast<void>(window.release());
    }
    _exit(0);
}

// Starts this program in a child mode and returns the seconds until it showed its frame.
double startChild(const char* mode) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    char self[] = "/proc/self/exe";
    char* argv[] = {self, const_cast<char*>(mode), nullptr};
    const long long start = now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, self, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned != 0) {
        close(pipeEnds[0]);
        throw std::runtime_error(std::string("cannot start this program again: ") + std::strerror(spawned));
    }
    std::string output;
    char buffer[256];
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, static_cast<std::size_t>(n));
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    // The child's last line is its clock; the game prints other lines before it.
    const std::size_t end = output.find_last_not_of('\n');
    const std::size_t begin = end == std::string::npos ? std::string::npos : output.find_last_of('\n', end);
    const std::string last =
        end == std::string::npos ? "" : output.substr(begin == std::string::npos ? 0 : begin + 1);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || last.empty())
        throw std::runtime_error(std::string("the child ") + mode + " failed: " + output);
    return static_cast<double>(std::stoll(last) - start) / 1e9;
}

void measure(benchmark::State& state, const char* mode) {
    for (auto _ : state) {
        try {
            state.SetIterationTime(startChild(mode));
        } catch (const std::exception& error) {
            state.SkipWithError(error.what());
            break;
        }
    }
}

void registerAll(const orvbench::Scale& scale) {
    for (const auto& [name, mode] :
         {std::pair{"Startup/firstMenuFrame", GameMode}, std::pair{"Startup/bareWindow", WindowMode}}) {
        benchmark::RegisterBenchmark(name, [mode = mode](benchmark::State& state) { measure(state, mode); })
            ->UseManualTime()
            ->Iterations(scale.pick(5, 1))
            ->Repetitions(scale.pick(3, 1))
            ->Unit(benchmark::kMillisecond);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::strcmp(argv[1], GameMode) == 0 || std::strcmp(argv[1], WindowMode) == 0))
        runChild(argv[1]);
    return orvbench::runBenchmarks(argc, argv, registerAll,
                                   {{"Startup/firstMenuFrame", {"Startup/bareWindow"}}});
}
