#include "app/root/StopSignals.hpp"

#include <atomic>

namespace tarsk {

namespace {

// A handler can reach nothing but static storage; lock-free, so any thread may take the signal.
std::atomic<int> pending{0};
static_assert(std::atomic<int>::is_always_lock_free);

extern "C" void onStopSignal(int signal) {
    int none = 0;
    if (pending.compare_exchange_strong(none, signal))
        return;
    // Already closing: the signal's own way, at once.
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

} // namespace

StopSignals::StopSignals() {
    pending = 0;
    struct sigaction action = {};
    action.sa_handler = onStopSignal;
    // Reads and writes that the signal interrupts go on rather than fail.
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < Handled.size(); ++i) {
        sigaction(Handled[i], nullptr, &previous[i]);
        installed[i] = previous[i].sa_handler != SIG_IGN;
        if (installed[i])
            sigaction(Handled[i], &action, nullptr);
    }
}

StopSignals::~StopSignals() {
    for (std::size_t i = 0; i < Handled.size(); ++i)
        if (installed[i])
            sigaction(Handled[i], &previous[i], nullptr);
}

int StopSignals::received() const {
    return pending;
}

void StopSignals::endByReceived() {
    const int signal = pending;
    if (signal == 0)
        return;
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

} // namespace tarsk
