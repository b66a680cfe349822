#pragma once

#include "luabind/StateAnchor.hpp"
#include "luabind/Types.hpp"

#include <lua.hpp>

#include <memory>

namespace lua {

// A value kept alive in the registry of a Lua state. Copies make new registry entries; the entry
// is released when the reference goes. A reference that outlives its State becomes inert: it
// releases nothing and refuses to be pushed.
class Reference {
public:
    // The Lua type a value must have to be taken as this kind of reference (any, here).
    static constexpr int luaType = LUA_TNONE;

    Reference() = default;
    // Refers to the value at `index` of L's stack (which is left as it was).
    Reference(lua_State* L, int index);
    Reference(const Reference& other);
    Reference(Reference&& other) noexcept;
    Reference& operator=(const Reference& other);
    Reference& operator=(Reference&& other) noexcept;
    ~Reference();

    // True for a reference to a value other than nil in a state that is still open.
    bool valid() const;
    Type type() const;
    // Pushes the value (nil for an empty reference) onto L, which must belong to the same state.
    void push(lua_State* L) const;
    // The state's main thread, or null for an empty reference. Throws once the state is closed.
    lua_State* state() const;

    // Raw equality of the referred values (no __eq); two empty references are equal.
    friend bool operator==(const Reference& a, const Reference& b);

protected:
    // Like state(), but an empty reference is an error too.
    lua_State* checkedState() const;

private:
    void release() noexcept;

    std::shared_ptr<detail::StateAnchor> anchor;
    int ref = LUA_NOREF;
};

} // namespace lua
