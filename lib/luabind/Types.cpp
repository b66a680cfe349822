#include "luabind/Types.hpp"

#include <cxxabi.h>
#include <lua.hpp>

#include <cstdlib>
#include <memory>

namespace lua {

Type typeOf(lua_State* L, int index) {
    switch (lua_type(L, index)) {
    case LUA_TNIL:
        return Type::nil;
    case LUA_TBOOLEAN:
        return Type::boolean;
    case LUA_TLIGHTUSERDATA:
        return Type::lightUserdata;
    case LUA_TNUMBER:
        return Type::number;
    case LUA_TSTRING:
        return Type::string;
    case LUA_TTABLE:
        return Type::table;
    case LUA_TFUNCTION:
        return Type::function;
    case LUA_TUSERDATA:
        return Type::userdata;
    case LUA_TTHREAD:
        return Type::thread;
    default:
        return Type::none;
    }
}

std::string describe(lua_State* L, int index) {
    index = lua_absindex(L, index);
    if (lua_type(L, index) == LUA_TUSERDATA && lua_getmetatable(L, index)) {
        lua_pushliteral(L, "__name");
        lua_rawget(L, -2);
        std::string name = lua_type(L, -1) == LUA_TSTRING ? lua_tostring(L, -1) : "";
        lua_pop(L, 2);
        if (!name.empty())
            return name;
    }
    return lua_typename(L, lua_type(L, index));
}

std::string demangle(const char* mangledName) {
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> name(abi::__cxa_demangle(mangledName, nullptr, nullptr, &status),
                                                std::free);
    return status == 0 && name ? std::string(name.get()) : std::string(mangledName);
}

} // namespace lua
