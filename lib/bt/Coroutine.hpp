#pragma once

#include <cstddef>
#include <functional>
#include <memory>

namespace bt {

// A stackful coroutine on its own stack, run on the calling thread. The body runs until it
// calls yield() or returns; resume() continues it. Exceptions leaving the body reach the
// caller of resume(). cancel() unwinds a suspended body: yield() throws an internal exception
// that the body must let through (a catch (...) has to rethrow).
class Coroutine {
public:
    static constexpr std::size_t defaultStackSize = 256 * 1024;

    explicit Coroutine(std::function<void()> body, std::size_t stackSize = defaultStackSize);
    Coroutine(const Coroutine&) = delete;
    Coroutine& operator=(const Coroutine&) = delete;
    // Cancels a suspended body. Must not run inside the body itself.
    ~Coroutine();

    // Runs the body until it yields (true) or ends (false).
    bool resume();
    // Inside the body: hands control back to resume()'s caller.
    void yield();
    // Unwinds a suspended body; the coroutine is finished afterwards. Harmless when the body
    // never started or already ended.
    void cancel();

    bool isSuspended() const;
    bool isFinished() const;
    // Whether the code calling this runs inside the body.
    bool isInside() const;

private:
    struct State;
    std::unique_ptr<State> state;
};

} // namespace bt
