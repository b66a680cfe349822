#include "luabind/Environment.hpp"

#include <cstring>

namespace lua {

Environment::Environment(Reference table) : Table(std::move(table)) {}

Environment Environment::over(const Table& fallback) {
    lua_State* L = fallback.state();
    if (!L)
        throw error("an environment needs a table to fall back on");
    detail::StackGuard guard(L);
    lua_newtable(L);
    lua_createtable(L, 0, 1);
    fallback.push(L);
    lua_setfield(L, -2, "__index");
    lua_setmetatable(L, -2);
    return Environment(Reference(L, -1));
}

void Environment::setOn(const Function& chunk) const {
    lua_State* L = checkedState();
    detail::StackGuard guard(L);
    chunk.push(L);
    const char* name = lua_iscfunction(L, -1) ? nullptr : lua_getupvalue(L, -1, 1);
    if (!name || std::strcmp(name, "_ENV") != 0)
        throw error("the function has no _ENV upvalue to hold an environment");
    lua_pop(L, 1);
    push(L);
    lua_setupvalue(L, -2, 1);
}

} // namespace lua
