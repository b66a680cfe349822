#include "luabind/Converter.hpp"

#include <cstdio>

namespace lua::detail {

std::string numberText(lua_State* L, int index) {
    if (lua_isinteger(L, index))
        return std::to_string(lua_tointeger(L, index));
    char text[64];
    std::snprintf(text, sizeof text, LUA_NUMBER_FMT, lua_tonumber(L, index));
    std::string result = text;
    // As Lua writes it: a float that looks whole still shows it is a float.
    if (result.find_first_not_of("-0123456789") == std::string::npos)
        result += ".0";
    return result;
}

std::string mismatch(lua_State* L, int index, const std::string& expected) {
    return expected + " expected, got " +
           (lua_isnone(L, index) ? std::string("no value") : describe(L, index));
}

} // namespace lua::detail
