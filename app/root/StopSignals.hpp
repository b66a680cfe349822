#pragma once

#include <array>
#include <csignal>

namespace tarsk {

// Ctrl-C in the terminal (SIGINT), a logout (SIGHUP) and kill (SIGTERM) become a request to
// close at the end of the frame, so the game leaves as a window close does and keeps its
// settings. A second one while the first is pending ends the program at once, as the signal
// would have without this. A signal ignored when the game started (nohup's SIGHUP, SIGINT in a
// script's background job) stays ignored. The handlers are the process's own: make one of
// these, in main.
class StopSignals {
public:
    StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;
    // Puts back what was there before.
    ~StopSignals();

    // The signal received, or 0 while none was.
    int received() const;
    // Ends the program as the received signal ends it by default, so whoever started the game
    // sees why it ended (a shell reports 128 plus the signal's number). Returns when none was.
    void endByReceived();

private:
    static constexpr std::array<int, 3> Handled = {SIGINT, SIGTERM, SIGHUP};
    std::array<struct sigaction, Handled.size()> previous = {};
    std::array<bool, Handled.size()> installed = {};
};

} // namespace tarsk
