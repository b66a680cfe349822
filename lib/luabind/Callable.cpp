#include "luabind/Callable.hpp"

namespace lua::detail {

CallableBase::CallableBase(std::string name) : functionName(std::move(name)) {}

CallableBase::~CallableBase() = default;

std::string badArgument(int index, const std::string& function, const char* reason) {
    return "bad argument #" + std::to_string(index) + " to '" + function + "' (" + reason + ")";
}

int callCallable(lua_State* L) {
    auto* header = static_cast<UserdataHeader*>(lua_touserdata(L, lua_upvalueindex(1)));
    auto* callable = static_cast<CallableBase*>(header->object);
    if (!callable)
        return luaL_error(L, "the function no longer exists");
    // Lua's own errors (raised by API calls below) are not std::exceptions and pass through to
    // the protected call that waits for them; C++ errors are turned into Lua errors here, once
    // the frames that threw them are gone.
    try {
        return callable->call(L);
    } catch (const std::exception& e) {
        luaL_where(L, 1);
        lua_pushstring(L, e.what());
        lua_concat(L, 2);
    }
    return lua_error(L);
}

void pushCallableMetatable(lua_State* L) {
    if (luaL_newmetatable(L, "luabind.callable")) {
        lua_pushcfunction(L, &collectUserdata);
        lua_setfield(L, -2, "__gc");
        lua_pushboolean(L, 0);
        lua_setfield(L, -2, "__metatable");
    }
}

} // namespace lua::detail
