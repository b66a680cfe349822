#include "luabind/InstructionLimit.hpp"

#include "luabind/Error.hpp"
#include "luabind/State.hpp"
#include "luabind/StateAnchor.hpp"

#include <lua.hpp>

namespace lua {

namespace {

// Instructions between two looks at the budget while there is some left.
constexpr int checkInterval = 1000;

void countInstructions(lua_State* L, lua_Debug*) {
    detail::StateAnchor& anchor = detail::StateAnchor::of(L);
    if (anchor.instructionsLeft > static_cast<std::uint64_t>(checkInterval)) {
        anchor.instructionsLeft -= checkInterval;
        return;
    }
    anchor.instructionsLeft = 0;
    lua_sethook(L, &countInstructions, LUA_MASKCOUNT, 1);
    luaL_error(L, "%s", InstructionLimit::exhaustedText);
}

} // namespace

InstructionLimit::InstructionLimit(const State& state, std::uint64_t instructions,
                                   std::uint64_t allocatedBytes)
    : L(state.handle()) {
    if (lua_gethook(L) != nullptr)
        throw error("an instruction limit is already in force");
    detail::StateAnchor& anchor = detail::StateAnchor::of(L);
    anchor.instructionsLeft = instructions;
    anchor.allocationLeft = allocatedBytes;
    lua_sethook(L, &countInstructions, LUA_MASKCOUNT, checkInterval);
}

InstructionLimit::~InstructionLimit() {
    lua_sethook(L, nullptr, 0, 0);
    detail::StateAnchor::of(L).allocationLeft = unlimitedBytes;
}

} // namespace lua
