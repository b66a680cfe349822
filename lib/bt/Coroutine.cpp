#include "bt/Coroutine.hpp"

#include "bt/Exceptions.hpp"

#include <boost/context/fiber.hpp>
#include <boost/context/protected_fixedsize_stack.hpp>

#include <exception>
#include <utility>

#if defined(__SANITIZE_ADDRESS__)
#define BT_ASAN_FIBERS 1
#include <sanitizer/asan_interface.h>
#include <sanitizer/common_interface_defs.h>
#endif

namespace ctx = boost::context;

namespace bt {

namespace {

// Thrown out of yield() to unwind a cancelled body.
struct Cancelled {};

} // namespace

struct Coroutine::State {
    std::function<void()> body;
    std::size_t stackSize;
    ctx::fiber suspended; // the body, while it waits
    ctx::fiber caller;    // whoever resumed the body, while the body runs
    ctx::stack_context stack{};
    std::exception_ptr error;
    bool started = false;
    bool finished = false;
    bool inside = false;
    bool cancelling = false;
#ifdef BT_ASAN_FIBERS
    // AddressSanitizer must be told about every stack switch, or it mistakes the other stack
    // for an overflow of the current one.
    void* callerFakeStack = nullptr;
    void* bodyFakeStack = nullptr;
    const void* callerBottom = nullptr;
    std::size_t callerSize = 0;
#endif

    // Allocates through Boost's guarded stack and remembers where the stack lies.
    struct StackAllocator {
        State* owner;
        ctx::protected_fixedsize_stack inner;

        ctx::stack_context allocate() {
            owner->stack = inner.allocate();
            return owner->stack;
        }
        void deallocate(ctx::stack_context& stack) noexcept {
#ifdef BT_ASAN_FIBERS
            // Frames that never returned (the fiber's entry) leave poisoned shadow behind;
            // clear it before the pages can be reused.
            ASAN_UNPOISON_MEMORY_REGION(static_cast<char*>(stack.sp) - stack.size, stack.size);
#endif
            inner.deallocate(stack);
        }
    };

    void enterBody() {
#ifdef BT_ASAN_FIBERS
        __sanitizer_start_switch_fiber(&callerFakeStack, static_cast<char*>(stack.sp) - stack.size,
                                       stack.size);
#endif
    }
    void arrivedInBody() {
#ifdef BT_ASAN_FIBERS
        __sanitizer_finish_switch_fiber(bodyFakeStack, &callerBottom, &callerSize);
#endif
    }
    void leaveBody(bool ending) {
#ifdef BT_ASAN_FIBERS
        __sanitizer_start_switch_fiber(ending ? nullptr : &bodyFakeStack, callerBottom, callerSize);
#else
        (void)ending;
#endif
    }
    void arrivedInCaller() {
#ifdef BT_ASAN_FIBERS
        __sanitizer_finish_switch_fiber(callerFakeStack, nullptr, nullptr);
#endif
    }

    ctx::fiber run(ctx::fiber&& from) {
        arrivedInBody();
        caller = std::move(from);
        try {
            body();
        } catch (const ctx::detail::forced_unwind&) {
            throw;
        } catch (const Cancelled&) {
        } catch (...) {
            error = std::current_exception();
        }
        finished = true;
        inside = false;
        leaveBody(true);
        return std::move(caller);
    }

    void switchIn() {
        if (!started) {
            started = true;
            suspended = ctx::fiber(std::allocator_arg,
                                   StackAllocator{this, ctx::protected_fixedsize_stack(stackSize)},
                                   [this](ctx::fiber&& from) { return run(std::move(from)); });
        }
        inside = true;
        enterBody();
        suspended = std::move(suspended).resume();
        arrivedInCaller();
        inside = false;
    }
};

Coroutine::Coroutine(std::function<void()> body, std::size_t stackSize) : state(std::make_unique<State>()) {
    if (!body)
        throw LogicError("a coroutine needs a body");
    state->body = std::move(body);
    state->stackSize = stackSize;
}

Coroutine::~Coroutine() {
    if (isSuspended()) {
        try {
            cancel();
        } catch (...) {
            // A destructor cannot report it; the body is gone either way.
        }
    }
}

bool Coroutine::resume() {
    if (state->finished)
        throw LogicError("resume() of a finished coroutine");
    if (state->inside)
        throw LogicError("resume() of a coroutine from inside itself");
    state->switchIn();
    if (!state->finished)
        return true;
    if (state->error)
        std::rethrow_exception(std::exchange(state->error, nullptr));
    return false;
}

void Coroutine::yield() {
    if (!state->inside)
        throw LogicError("yield() outside the coroutine");
    if (state->cancelling)
        throw Cancelled{};
    state->inside = false;
    state->leaveBody(false);
    state->caller = std::move(state->caller).resume();
    state->arrivedInBody();
    state->inside = true;
    if (state->cancelling)
        throw Cancelled{};
}

void Coroutine::cancel() {
    if (state->inside)
        throw LogicError("cancel() of a coroutine from inside itself");
    if (!state->started || state->finished) {
        state->finished = true;
        return;
    }
    state->cancelling = true;
    state->switchIn();
    state->cancelling = false;
    if (state->error)
        std::rethrow_exception(std::exchange(state->error, nullptr));
}

bool Coroutine::isSuspended() const {
    return state->started && !state->finished && !state->inside;
}
bool Coroutine::isFinished() const {
    return state->finished;
}
bool Coroutine::isInside() const {
    return state->inside;
}

} // namespace bt
