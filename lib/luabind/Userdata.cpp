#include "luabind/Userdata.hpp"

namespace lua::detail {

int collectUserdata(lua_State* L) {
    auto* header = static_cast<UserdataHeader*>(lua_touserdata(L, 1));
    if (header && header->object && header->destroy) {
        void* object = std::exchange(header->object, nullptr);
        header->destroy(object);
    }
    return 0;
}

std::pair<UserdataHeader*, void*> newUserdataBlock(lua_State* L, std::size_t size, std::size_t alignment,
                                                   int metatable) {
    // Lua aligns userdata memory for its own largest scalar only; over-aligned types get slack.
    const std::size_t total = sizeof(UserdataHeader) + (size > 0 ? size + alignment - 1 : 0);
    void* block = lua_newuserdatauv(L, total, 0);
    auto* header = new (block) UserdataHeader{};
    lua_pushvalue(L, metatable);
    lua_setmetatable(L, -2);
    if (size == 0)
        return {header, nullptr};
    auto address = reinterpret_cast<std::uintptr_t>(header + 1);
    address = (address + alignment - 1) / alignment * alignment;
    return {header, reinterpret_cast<void*>(address)};
}

void pushUsertypeMetatable(lua_State* L, const char* key, const std::type_info& type) {
    if (lua_getfield(L, LUA_REGISTRYINDEX, key) != LUA_TTABLE) {
        lua_pop(L, 1);
        throw error("type \"" + demangle(type.name()) + "\" is not registered with Lua");
    }
}

void* usertypeObject(lua_State* L, int index, const char* key) {
    if (lua_type(L, index) != LUA_TUSERDATA || !lua_getmetatable(L, index))
        return nullptr;
    lua_getfield(L, LUA_REGISTRYINDEX, key);
    const bool same = lua_rawequal(L, -1, -2);
    lua_pop(L, 2);
    if (!same)
        return nullptr;
    return static_cast<UserdataHeader*>(lua_touserdata(L, index))->object;
}

std::string usertypeName(lua_State* L, const char* key, const std::type_info& type) {
    std::string name;
    if (lua_getfield(L, LUA_REGISTRYINDEX, key) == LUA_TTABLE) {
        lua_pushliteral(L, "__name");
        lua_rawget(L, -2);
        if (lua_type(L, -1) == LUA_TSTRING)
            name = lua_tostring(L, -1);
        lua_pop(L, 1);
    }
    lua_pop(L, 1);
    return name.empty() ? demangle(type.name()) : name;
}

} // namespace lua::detail
