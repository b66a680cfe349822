#pragma once

#include <string_view>

struct lua_State;

namespace lua::detail {

// Replaces the base library's loaders ("load", "loadfile", "dofile") by ones that accept text
// chunks only and read files only through orv::readRegularFile, never standard input. A
// precompiled chunk is not checked by Lua and can corrupt the interpreter, so no road into the
// state may take one. Needs the base library open; runs as a protected call's body.
int restrictLoadersToText(lua_State* L);

// lua_load of a text chunk, handed to the parser in pieces with a look at the clock of the
// limit in force between them, so parsing a long chunk keeps to the limit's time. Returns
// lua_load's status.
int loadTextInPieces(lua_State* L, std::string_view text, const char* chunkName);

} // namespace lua::detail
