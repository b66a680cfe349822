#pragma once

struct lua_State;

namespace lua::detail {

// Replaces base library functions through which code could escape an InstructionLimit:
// - "xpcall" skips the message handler once the budget is spent: Lua runs a handler for an
//   error raised by the count hook with the hook off, so the handler could run forever.
// - "setmetatable" keeps Lua from finalising the table itself when the metatable has a
//   finaliser (__gc): Lua runs finalisers with the count hook off, during any allocation and
//   when the state closes. A sentinel collected with the table runs the finaliser instead, in
//   the same order and under the limit in force; without one it is skipped.
// Runs as a protected call's body.
int guardBaseLibrary(lua_State* L);

} // namespace lua::detail
