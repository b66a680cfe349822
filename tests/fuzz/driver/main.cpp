// Runs a fuzz target without libFuzzer: every corpus file as it is, then a fixed number of
// deterministic mutations of them. A crash, a sanitizer report or an input running past the time
// limit ends the process with a failure, after the input has been written to the crash file.

#include "fuzz/driver/Mutator.hpp"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
// Present when the driver is built with a sanitizer.
extern "C" __attribute__((weak)) void __sanitizer_set_death_callback(void (*callback)());

// Undefined behaviour ends the run through abort, whose handler keeps the input; a stack trace
// says where.
extern "C" __attribute__((visibility("default"))) const char* __ubsan_default_options() {
    return "abort_on_error=1:print_stacktrace=1";
}

namespace {

struct Options {
    std::uint64_t runs = 1000;
    unsigned timeoutSeconds = 10;
    std::string crashFile = "fuzz-crash.input";
    std::vector<std::filesystem::path> corpus;
};

// What the signal handlers need; they may only use what is async-signal-safe.
const std::string* currentInput = nullptr;
const char* crashFile = nullptr;

void saveCurrentInput() {
    if (!currentInput || !crashFile)
        return;
    const int file = ::open(crashFile, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (file < 0)
        return;
    std::size_t written = 0;
    while (written < currentInput->size()) {
        const ssize_t n = ::write(file, currentInput->data() + written, currentInput->size() - written);
        if (n <= 0)
            break;
        written += static_cast<std::size_t>(n);
    }
    ::close(file);
}

void onTimeout(int) {
    saveCurrentInput();
    static const char message[] = "fuzz: an input ran past the time limit\n";
    [[maybe_unused]] const ssize_t ignored = ::write(STDERR_FILENO, message, sizeof message - 1);
    ::_exit(70);
}

void onAbort(int signal) {
    saveCurrentInput();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

Options parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        auto value = [&] {
            if (i + 1 >= argc)
                throw std::runtime_error(argument + " needs a value");
            return std::string(argv[++i]);
        };
        if (argument == "--runs")
            options.runs = std::stoull(value());
        else if (argument == "--timeout")
            options.timeoutSeconds = static_cast<unsigned>(std::stoul(value()));
        else if (argument == "--crash-file")
            options.crashFile = value();
        else
            options.corpus.emplace_back(argument);
    }
    return options;
}

std::string readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + file.string());
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Files are taken as given; folders are walked, in path order.
std::vector<std::string> readCorpus(const std::vector<std::filesystem::path>& paths) {
    std::vector<std::string> corpus;
    for (const std::filesystem::path& path : paths) {
        std::vector<std::filesystem::path> files;
        if (std::filesystem::is_directory(path)) {
            for (const auto& entry : std::filesystem::recursive_directory_iterator(path))
                if (entry.is_regular_file())
                    files.push_back(entry.path());
            std::sort(files.begin(), files.end());
        } else {
            files.push_back(path);
        }
        for (const std::filesystem::path& file : files)
            corpus.push_back(readFile(file));
    }
    return corpus;
}

// Runs one input and returns the seconds it took, so a run can say how near its slowest input
// came to the timeout.
double runOne(const std::string& input, unsigned timeoutSeconds) {
    currentInput = &input;
    const auto start = std::chrono::steady_clock::now();
    ::alarm(timeoutSeconds);
    try {
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
    } catch (...) {
        saveCurrentInput();
        currentInput = nullptr;
        throw;
    }
    ::alarm(0);
    currentInput = nullptr;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv) {
    try {
        Options options = parse(argc, argv);
        // For long runs outside CI.
        if (const char* runs = std::getenv("ORV_FUZZ_RUNS"))
            options.runs = std::stoull(runs);
        const std::vector<std::string> corpus = readCorpus(options.corpus);
        if (corpus.empty())
            throw std::runtime_error("no corpus files given");
        crashFile = options.crashFile.c_str();
        std::signal(SIGALRM, &onTimeout);
        std::signal(SIGABRT, &onAbort);
        if (__sanitizer_set_death_callback)
            __sanitizer_set_death_callback(&saveCurrentInput);
        // What the readers print about bad input would drown the report.
        std::cout.flush();
        if (std::freopen("/dev/null", "w", stdout) == nullptr)
            throw std::runtime_error("cannot silence standard output");

        const auto start = std::chrono::steady_clock::now();
        double slowest = 0;
        for (const std::string& input : corpus)
            slowest = std::max(slowest, runOne(input, options.timeoutSeconds));
        const fuzz::Mutator mutator(corpus);
        for (std::uint64_t run = 0; run < options.runs; ++run)
            slowest = std::max(slowest, runOne(mutator.mutate(run), options.timeoutSeconds));
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        std::cerr << "fuzz: " << corpus.size() << " corpus inputs and " << options.runs
                  << " mutations run in " << took.count() << " s (the slowest input " << slowest << " s of "
                  << options.timeoutSeconds << "), no findings\n";
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "fuzz: " << error.what() << '\n';
        return 2;
    }
}
