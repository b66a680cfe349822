#pragma once

struct lua_State;

namespace lua::detail {

// Replaces the base library's loaders ("load", "loadfile", "dofile") by ones that accept text
// chunks only. A precompiled chunk is not checked by Lua and can corrupt the interpreter, so no
// road into the state may take one. The file loaders never read standard input nor anything but a
// regular file. Needs the base library open; runs as a protected call's body.
int restrictLoadersToText(lua_State* L);

} // namespace lua::detail
