#pragma once

struct lua_State;

namespace lua::detail {

// Replaces base library functions through which code could escape an InstructionLimit:
// - "xpcall" skips the message handler once the budget is spent: Lua runs a handler for an
//   error raised by the count hook with the hook off, so the handler could run forever.
// - "setmetatable" refuses metatables with a finaliser (__gc): Lua runs finalisers with the
//   count hook off, during any allocation and when the state closes.
// Runs as a protected call's body.
int guardBaseLibrary(lua_State* L);

} // namespace lua::detail
