#pragma once

#include <chrono>
#include <cstdint>
#include <memory>

struct lua_State;

namespace lua::detail {

// Shared by a State and every reference into it, so a reference that outlives its state knows
// not to touch the closed interpreter. The state's extra space points at it, which lets values
// taken off any stack of the state find it.
struct StateAnchor : std::enable_shared_from_this<StateAnchor> {
    lua_State* main = nullptr;
    bool open = true;
    // What an InstructionLimit in force still allows: instructions, bytes the state may still
    // grow by (unbounded without a limit) and time; and whether it has run out.
    std::uint64_t instructionsLeft = 0;
    std::uint64_t allocationLeft = UINT64_MAX;
    std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::time_point::max();
    bool budgetSpent = false;

    static StateAnchor& of(lua_State* L);
};

} // namespace lua::detail
