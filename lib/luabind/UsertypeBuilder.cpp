#include "luabind/UsertypeBuilder.hpp"

#include "luabind/ReadOnly.hpp"
#include "luabind/Userdata.hpp"

#include <lua.hpp>

#include <cstdio>

namespace lua::detail {

namespace {

// __index(object, key): a method from the usertype table, else a property's value, else nil.
int indexObject(lua_State* L) {
    lua_settop(L, 2);
    lua_pushvalue(L, 2);
    if (lua_rawget(L, lua_upvalueindex(1)) != LUA_TNIL)
        return 1;
    lua_pushvalue(L, 2);
    if (lua_rawget(L, lua_upvalueindex(2)) == LUA_TFUNCTION) {
        lua_pushvalue(L, 1);
        lua_call(L, 1, 1);
        return 1;
    }
    lua_pushnil(L);
    return 1;
}

// __newindex(object, key, value): only properties with a setter can be assigned.
int assignObject(lua_State* L) {
    lua_settop(L, 3);
    lua_pushvalue(L, 2);
    if (lua_rawget(L, lua_upvalueindex(1)) == LUA_TFUNCTION) {
        lua_pushvalue(L, 1);
        lua_pushvalue(L, 3);
        lua_call(L, 2, 0);
        return 0;
    }
    const char* type = lua_tostring(L, lua_upvalueindex(3));
    const char* member = lua_type(L, 2) == LUA_TSTRING ? lua_tostring(L, 2) : luaL_typename(L, 2);
    lua_pushvalue(L, 2);
    if (lua_rawget(L, lua_upvalueindex(2)) == LUA_TFUNCTION)
        return luaL_error(L, "member '%s' of %s is read-only", member, type);
    return luaL_error(L, "%s has no member '%s' that can be assigned", type, member);
}

// __eq: two values of one usertype are equal when they are the same C++ object.
int sameObject(lua_State* L) {
    bool same = false;
    if (lua_type(L, 1) == LUA_TUSERDATA && lua_type(L, 2) == LUA_TUSERDATA && lua_getmetatable(L, 1) &&
        lua_getmetatable(L, 2)) {
        same = lua_rawequal(L, -1, -2) && static_cast<UserdataHeader*>(lua_touserdata(L, 1))->object ==
                                              static_cast<UserdataHeader*>(lua_touserdata(L, 2))->object;
    }
    lua_pushboolean(L, same);
    return 1;
}

// __tostring: the type's name and the object's address, printed as C++ prints a pointer.
int describeObject(lua_State* L) {
    const auto* header = static_cast<const UserdataHeader*>(lua_touserdata(L, 1));
    char address[32];
    std::snprintf(address, sizeof address, "%p", header ? header->object : nullptr);
    lua_pushfstring(L, "%s: %s", lua_tostring(L, lua_upvalueindex(1)), address);
    return 1;
}

} // namespace

UsertypeBuilder::UsertypeBuilder(lua_State* L, const char* key, std::string name)
    : L(L), key(key), name(std::move(name)), base(lua_gettop(L)) {
    if (lua_getfield(L, LUA_REGISTRYINDEX, key) != LUA_TNIL) {
        lua_pop(L, 1);
        throw error("usertype \"" + this->name + "\" is already registered with this Lua state");
    }
    lua_pop(L, 1);
    lua_newtable(L);
    metatable = lua_gettop(L);
    lua_newtable(L);
    methods = lua_gettop(L);
    lua_newtable(L);
    getters = lua_gettop(L);
    lua_newtable(L);
    setters = lua_gettop(L);
}

UsertypeBuilder::~UsertypeBuilder() {
    lua_settop(L, base);
}

void UsertypeBuilder::claim(const std::string& member) {
    if (!members.insert(member).second)
        throw error("usertype \"" + name + "\" names member '" + member + "' twice");
}

void UsertypeBuilder::store(int table, const std::string& member) {
    lua_setfield(L, table, member.c_str());
}

void UsertypeBuilder::addMethod(const std::string& member) {
    store(methods, member);
}
void UsertypeBuilder::addGetter(const std::string& member) {
    store(getters, member);
}
void UsertypeBuilder::addSetter(const std::string& member) {
    store(setters, member);
}

Table UsertypeBuilder::finish() {
    lua_pushstring(L, name.c_str());
    lua_setfield(L, metatable, "__name");
    lua_pushboolean(L, 0);
    lua_setfield(L, metatable, "__metatable");

    lua_pushvalue(L, methods);
    lua_pushvalue(L, getters);
    lua_pushcclosure(L, &indexObject, 2);
    lua_setfield(L, metatable, "__index");

    lua_pushvalue(L, setters);
    lua_pushvalue(L, getters);
    lua_pushstring(L, name.c_str());
    lua_pushcclosure(L, &assignObject, 3);
    lua_setfield(L, metatable, "__newindex");

    lua_pushcfunction(L, &sameObject);
    lua_setfield(L, metatable, "__eq");
    lua_pushstring(L, name.c_str());
    lua_pushcclosure(L, &describeObject, 1);
    lua_setfield(L, metatable, "__tostring");
    lua_pushcfunction(L, &collectUserdata);
    lua_setfield(L, metatable, "__gc");

    lua_pushvalue(L, metatable);
    lua_setfield(L, LUA_REGISTRYINDEX, key);
    // Every script shares the methods: Lua gets them to read, not to replace.
    pushReadOnlyView(L, methods);
    return Table(Reference(L, -1));
}

} // namespace lua::detail
