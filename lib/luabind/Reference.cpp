#include "luabind/Reference.hpp"

#include "luabind/Error.hpp"

#include <lua.hpp>

#include <utility>

namespace lua {

Reference::Reference(lua_State* L, int index) {
    detail::StateAnchor& owner = detail::StateAnchor::of(L);
    lua_pushvalue(L, index);
    ref = luaL_ref(L, LUA_REGISTRYINDEX);
    anchor = owner.shared_from_this();
}

Reference::Reference(const Reference& other) : anchor(other.anchor) {
    if (anchor && anchor->open && other.ref != LUA_NOREF) {
        lua_State* L = anchor->main;
        lua_rawgeti(L, LUA_REGISTRYINDEX, other.ref);
        ref = luaL_ref(L, LUA_REGISTRYINDEX);
    }
}

Reference::Reference(Reference&& other) noexcept
    : anchor(std::move(other.anchor)), ref(std::exchange(other.ref, LUA_NOREF)) {}

Reference& Reference::operator=(const Reference& other) {
    if (this != &other) {
        Reference copy(other);
        *this = std::move(copy);
    }
    return *this;
}

Reference& Reference::operator=(Reference&& other) noexcept {
    if (this != &other) {
        release();
        anchor = std::move(other.anchor);
        ref = std::exchange(other.ref, LUA_NOREF);
    }
    return *this;
}

Reference::~Reference() {
    release();
}

void Reference::release() noexcept {
    if (anchor && anchor->open && ref != LUA_NOREF && ref != LUA_REFNIL) {
        lua_State* L = anchor->main;
        if (lua_checkstack(L, 2))
            luaL_unref(L, LUA_REGISTRYINDEX, ref);
    }
    anchor.reset();
    ref = LUA_NOREF;
}

bool Reference::valid() const {
    return anchor && anchor->open && ref != LUA_NOREF && ref != LUA_REFNIL;
}

Type Reference::type() const {
    if (!anchor || ref == LUA_NOREF)
        return Type::none;
    lua_State* L = checkedState();
    lua_rawgeti(L, LUA_REGISTRYINDEX, ref);
    const Type t = typeOf(L, -1);
    lua_pop(L, 1);
    return t;
}

void Reference::push(lua_State* L) const {
    if (!anchor || ref == LUA_NOREF) {
        lua_pushnil(L);
        return;
    }
    if (!anchor->open)
        throw error("the Lua state of this reference is closed");
    if (&detail::StateAnchor::of(L) != anchor.get())
        throw error("a reference cannot be pushed onto another Lua state");
    lua_rawgeti(L, LUA_REGISTRYINDEX, ref);
}

lua_State* Reference::state() const {
    if (!anchor)
        return nullptr;
    if (!anchor->open)
        throw error("the Lua state of this reference is closed");
    return anchor->main;
}

lua_State* Reference::checkedState() const {
    lua_State* L = state();
    if (!L)
        throw error("empty Lua reference");
    return L;
}

bool operator==(const Reference& a, const Reference& b) {
    if (a.anchor != b.anchor)
        return false;
    lua_State* L = a.state();
    if (!L)
        return true;
    a.push(L);
    b.push(L);
    const bool same = lua_rawequal(L, -1, -2);
    lua_pop(L, 2);
    return same;
}

} // namespace lua
