#pragma once

#include <chrono>
#include <cstdint>

struct lua_State;

namespace lua {

class State;

// Bounds the Lua instructions run while it lives, and optionally the wall-clock time: past
// either budget, the running code raises the error `exhaustedText`. Once a budget is spent
// every further instruction raises, so a script that catches the error with pcall cannot run
// on, and message handlers of xpcall are skipped (they would run with the count hook off).
// Limits do not nest.
//
// It may also bound the bytes the state allocates meanwhile, counted as they are asked for, so
// work done inside library functions (a string built by repeated concatenation, string.rep with a
// huge count) ends too: past that budget Lua raises "not enough memory". Every call looks at the
// clock, also of a C function that C calls; library functions of the layer that loop in C, and
// the parser between the pieces of a chunk, look at it through checkDeadline.
//
//     lua::InstructionLimit limit(state, 10'000'000);
//     lua::CallResult run = chunk.function().protectedCall();   // "while true do end" fails
class InstructionLimit {
public:
    static constexpr const char* exhaustedText = "the code ran too long and was stopped";
    static constexpr std::uint64_t unlimitedInstructions = UINT64_MAX;
    static constexpr std::uint64_t unlimitedBytes = UINT64_MAX;
    static constexpr std::chrono::nanoseconds unlimitedTime = std::chrono::nanoseconds::max();

    InstructionLimit(const State& state, std::uint64_t instructions,
                     std::uint64_t allocatedBytes = unlimitedBytes,
                     std::chrono::nanoseconds time = unlimitedTime);
    InstructionLimit(const InstructionLimit&) = delete;
    InstructionLimit& operator=(const InstructionLimit&) = delete;
    ~InstructionLimit();

    // Whether the budget ran out, also where the error raised went nowhere (in a finaliser).
    bool spent() const;

private:
    lua_State* L;
};

namespace detail {

// Raises `exhaustedText` once the limit's time is up (or its budget already spent). For C
// functions that may work long without running a Lua instruction.
void checkDeadline(lua_State* L);

// Whether the budget of the limit in force has run out.
bool budgetSpent(lua_State* L);

// Closes the interpreter, giving the finalisers it runs meanwhile a budget of their own.
void closeWithin(lua_State* L, std::chrono::nanoseconds time, std::uint64_t allocatedBytes);

} // namespace detail

} // namespace lua
