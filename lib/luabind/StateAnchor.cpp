#include "luabind/StateAnchor.hpp"

#include <lua.hpp>

namespace lua::detail {

StateAnchor& StateAnchor::of(lua_State* L) {
    return **static_cast<StateAnchor**>(lua_getextraspace(L));
}

} // namespace lua::detail
