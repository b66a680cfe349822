#pragma once

#include <lua.hpp>

#include <string>

namespace lua::detail {

// Restores the stack top on scope exit, whatever was pushed meanwhile.
class StackGuard {
public:
    explicit StackGuard(lua_State* L) : L(L), top(lua_gettop(L)) {}
    StackGuard(const StackGuard&) = delete;
    StackGuard& operator=(const StackGuard&) = delete;
    ~StackGuard() { lua_settop(L, top); }

private:
    lua_State* L;
    int top;
};

// Pops the error object of a failed protected call and returns it as text. A status that is
// not Lua's own means a C++ exception that is not a std::exception unwound into Lua.
std::string popErrorText(lua_State* L, int status);

// Runs `function` on the `arguments` values on top of the stack under lua_pcall, so a Lua error
// (a failing metamethod, say) becomes a lua::error instead of a panic. Leaves `results` values.
void runProtected(lua_State* L, lua_CFunction function, int arguments, int results);

// Stack operations for runProtected.
int indexTable(lua_State* L);    // (t, k) -> t[k]
int assignTable(lua_State* L);   // (t, k, v) -> t[k] = v
int toStringValue(lua_State* L); // (v) -> tostring(v)

} // namespace lua::detail
