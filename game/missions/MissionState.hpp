#pragma once

#include <cstdint>

namespace tarsk {

// Where a mission stands; saved as its number. A loaded game holding a number of no state is
// refused.
enum class MissionState : std::int32_t {
    // Just made, not yet restored from a game.
    UNSET = 0,
    NOT_STARTED = 1,
    // Begun; its progress is checked every frame.
    RUNNING = 2,
    // Goal reached in one of three ways, waiting for something to end the mission.
    END_A_PENDING = 3,
    END_B_PENDING = 4,
    END_C_PENDING = 5,
    ENDED = 6,
};

inline bool isEndPending(MissionState state) {
    return state == MissionState::END_A_PENDING || state == MissionState::END_B_PENDING ||
           state == MissionState::END_C_PENDING;
}

} // namespace tarsk
