#pragma once

#include <cstdint>

struct lua_State;

namespace lua {

class State;

// Bounds the Lua instructions run while it lives: past the budget, the running code raises the
// error `exhaustedText`. Once the budget is spent every further instruction raises, so a script
// that catches the error with pcall cannot run on. Limits do not nest.
//
// It may also bound the bytes the state allocates meanwhile, counted as they are asked for, so
// work done inside library functions (a string built by repeated concatenation, string.rep with a
// huge count) ends too: past that budget Lua raises "not enough memory".
//
//     lua::InstructionLimit limit(state, 10'000'000);
//     lua::CallResult run = chunk.function().protectedCall();   // "while true do end" fails
class InstructionLimit {
public:
    static constexpr const char* exhaustedText = "the code ran too long and was stopped";
    static constexpr std::uint64_t unlimitedBytes = UINT64_MAX;

    InstructionLimit(const State& state, std::uint64_t instructions,
                     std::uint64_t allocatedBytes = unlimitedBytes);
    InstructionLimit(const InstructionLimit&) = delete;
    InstructionLimit& operator=(const InstructionLimit&) = delete;
    ~InstructionLimit();

private:
    lua_State* L;
};

} // namespace lua
