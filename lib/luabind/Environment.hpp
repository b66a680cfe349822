#pragma once

#include "luabind/Function.hpp"
#include "luabind/Table.hpp"

namespace lua {

// A table used as the globals of chunks. Names it lacks are read from its fallback (through
// __index), while assignments stay in it, so several environments share the fallback's globals
// without seeing each other's.
class Environment : public Table {
public:
    Environment() = default;
    // Uses an existing table as an environment.
    explicit Environment(Reference table);

    // A new empty environment over `fallback`.
    static Environment over(const Table& fallback);

    // Makes this the chunk's _ENV. Throws lua::error for a function without an _ENV upvalue
    // (C functions, Lua functions that use no globals).
    void setOn(const Function& chunk) const;
};

} // namespace lua
