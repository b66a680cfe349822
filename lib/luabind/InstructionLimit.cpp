#include "luabind/InstructionLimit.hpp"

#include "luabind/Error.hpp"
#include "luabind/State.hpp"
#include "luabind/StateAnchor.hpp"

#include <lua.hpp>

namespace lua {

namespace {

using Clock = std::chrono::steady_clock;

// Instructions between two looks at the budget while there is some left. Small, since a
// single instruction can compare or concatenate long strings.
constexpr int checkInterval = 100;

// Besides instructions, every call is watched: a C function that C calls (load's reader, gsub's
// replacement, a metamethod the library calls) runs no instruction, and may repeat for good.
constexpr int watchedEvents = LUA_MASKCOUNT | LUA_MASKCALL;

[[noreturn]] void exhaust(lua_State* L) {
    detail::StateAnchor& anchor = detail::StateAnchor::of(L);
    anchor.instructionsLeft = 0;
    anchor.budgetSpent = true;
    // From now on every instruction raises again.
    if (lua_gethook(L) != nullptr)
        lua_sethook(L, lua_gethook(L), watchedEvents, 1);
    luaL_error(L, "%s", InstructionLimit::exhaustedText);
    throw error(InstructionLimit::exhaustedText); // not reached: luaL_error does not return
}

void watchBudget(lua_State* L, lua_Debug* event) {
    if (event->event != LUA_HOOKCOUNT) {
        detail::checkDeadline(L);
        return;
    }
    detail::StateAnchor& anchor = detail::StateAnchor::of(L);
    if (anchor.budgetSpent || anchor.instructionsLeft <= static_cast<std::uint64_t>(checkInterval))
        exhaust(L);
    anchor.instructionsLeft -= checkInterval;
    detail::checkDeadline(L);
}

} // namespace

InstructionLimit::InstructionLimit(const State& state, std::uint64_t instructions,
                                   std::uint64_t allocatedBytes, std::chrono::nanoseconds time)
    : L(state.handle()) {
    if (lua_gethook(L) != nullptr)
        throw error("an instruction limit is already in force");
    detail::StateAnchor& anchor = detail::StateAnchor::of(L);
    anchor.instructionsLeft = instructions;
    anchor.allocationLeft = allocatedBytes;
    anchor.budgetSpent = false;
    const Clock::time_point now = Clock::now();
    anchor.deadline = time >= Clock::time_point::max() - now
                          ? Clock::time_point::max()
                          : now + std::chrono::duration_cast<Clock::duration>(time);
    lua_sethook(L, &watchBudget, watchedEvents, checkInterval);
}

InstructionLimit::~InstructionLimit() {
    lua_sethook(L, nullptr, 0, 0);
    detail::StateAnchor& anchor = detail::StateAnchor::of(L);
    anchor.allocationLeft = unlimitedBytes;
    anchor.deadline = Clock::time_point::max();
    anchor.budgetSpent = false;
}

bool InstructionLimit::spent() const {
    return detail::budgetSpent(L);
}

namespace detail {

void checkDeadline(lua_State* L) {
    const StateAnchor& anchor = StateAnchor::of(L);
    if (anchor.budgetSpent ||
        (anchor.deadline != Clock::time_point::max() && Clock::now() >= anchor.deadline))
        exhaust(L);
}

bool budgetSpent(lua_State* L) {
    return StateAnchor::of(L).budgetSpent;
}

void closeWithin(lua_State* L, std::chrono::nanoseconds time, std::uint64_t allocatedBytes) {
    StateAnchor& anchor = StateAnchor::of(L);
    anchor.instructionsLeft = InstructionLimit::unlimitedInstructions;
    anchor.allocationLeft = allocatedBytes;
    anchor.budgetSpent = false;
    anchor.deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>(time);
    lua_sethook(L, &watchBudget, watchedEvents, checkInterval);
    lua_close(L);
}

} // namespace detail

} // namespace lua
