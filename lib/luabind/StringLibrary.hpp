#pragma once

struct lua_State;

namespace lua::detail {

// Replaces the string library's pattern functions (find, match, gmatch, gsub) and rep by ones
// with the same results that an InstructionLimit can stop: Lua's own run in C without a look at
// the budget, for as long as their input makes them (a backtracking pattern, a plain search of
// a long needle, rep of an empty string a huge number of times). Needs the string library open
// (its table as the global "string"); runs as a protected call's body.
int boundStringLibrary(lua_State* L);

} // namespace lua::detail
