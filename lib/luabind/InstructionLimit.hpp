#pragma once

#include <cstdint>

struct lua_State;

namespace lua {

class State;

// Bounds the Lua instructions run while it lives: past the budget, the running code raises the
// error `exhaustedText`. Once the budget is spent every further instruction raises, so a script
// that catches the error with pcall cannot run on. Limits do not nest.
//
//     lua::InstructionLimit limit(state, 10'000'000);
//     lua::CallResult run = chunk.function().protectedCall();   // "while true do end" fails
class InstructionLimit {
public:
    static constexpr const char* exhaustedText = "the code ran too long and was stopped";

    InstructionLimit(const State& state, std::uint64_t instructions);
    InstructionLimit(const InstructionLimit&) = delete;
    InstructionLimit& operator=(const InstructionLimit&) = delete;
    ~InstructionLimit();

private:
    lua_State* L;
};

} // namespace lua
