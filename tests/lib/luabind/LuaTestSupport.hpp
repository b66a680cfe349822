#pragma once

#include "luabind/Lua.hpp"

#include <string>

namespace luatest {

// Loads and runs code in an environment, as the console does: "success" or the error text.
inline std::string run(const lua::State& state, const lua::Environment& env, const std::string& code) {
    const lua::LoadResult chunk = state.load(code);
    if (!chunk)
        return chunk.message();
    env.setOn(chunk.function());
    const lua::CallResult result = chunk.function().protectedCall();
    return result ? "success" : result.message();
}

// Runs code with the state's globals as its environment.
inline std::string run(const lua::State& state, const std::string& code) {
    return run(state, lua::Environment(state.globals()), code);
}

// Counts live instances, to see which copies Lua owns and that they are destroyed.
struct Counted {
    static inline int alive = 0;
    int value = 0;
    explicit Counted(int value) : value(value) { ++alive; }
    Counted(const Counted& other) : value(other.value) { ++alive; }
    Counted& operator=(const Counted&) = default;
    ~Counted() { --alive; }
};

} // namespace luatest
