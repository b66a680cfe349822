#include "luabind/Table.hpp"

namespace lua {

Table::Table(Reference reference) : Reference(std::move(reference)) {
    if (Reference::type() != Type::table)
        throw error("table expected");
}

std::optional<Table> Table::metatable() const {
    lua_State* L = checkedState();
    detail::StackGuard guard(L);
    push(L);
    if (!lua_getmetatable(L, -1) || lua_type(L, -1) != LUA_TTABLE)
        return std::nullopt;
    return Table(Reference(L, -1));
}

void Table::setMetatable(const Table& metatable) const {
    lua_State* L = checkedState();
    detail::StackGuard guard(L);
    push(L);
    metatable.push(L);
    lua_setmetatable(L, -2);
}

std::size_t Table::size() const {
    lua_State* L = checkedState();
    detail::StackGuard guard(L);
    push(L);
    return static_cast<std::size_t>(lua_rawlen(L, -1));
}

} // namespace lua
