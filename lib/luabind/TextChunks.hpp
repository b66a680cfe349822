#pragma once

struct lua_State;

namespace lua::detail {

// Replaces the base library's loaders ("load", "loadfile", "dofile") by ones that accept text
// chunks only and read files only through orv::readRegularFile, never standard input. A
// precompiled chunk is not checked by Lua and can corrupt the interpreter, so no road into the
// state may take one. Needs the base library open; runs as a protected call's body.
int restrictLoadersToText(lua_State* L);

} // namespace lua::detail
