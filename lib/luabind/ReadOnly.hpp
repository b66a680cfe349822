#pragma once

struct lua_State;

namespace lua::detail {

// Read-only tables. Lua cannot stop writes to keys a table holds, so a read-only table is an
// empty one whose metatable reads from the contents and refuses every write; the metatable is
// protected, and "rawset" (see replaceRawset) refuses such tables too. "pairs" walks the
// contents; "next" and "#" see an empty table.

// Pushes a read-only view of the table at `index` (its own values are left as they are).
void pushReadOnlyView(lua_State* L, int index);

// Makes the table at `index` read-only where it stands, so every reference to it (the registry's
// globals, say) sees the change: its entries move into a hidden table, and the plain tables among
// them (library tables) are replaced by read-only views.
void sealInPlace(lua_State* L, int index);

bool isReadOnly(lua_State* L, int index);

// Replaces the global "rawset" with one that refuses read-only tables. Runs as a protected
// call's body.
int replaceRawset(lua_State* L);

} // namespace lua::detail
