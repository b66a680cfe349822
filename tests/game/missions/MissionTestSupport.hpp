#pragma once

#include "game/missions/Mission.hpp"
#include "game/missions/MissionState.hpp"

#include <ostream>
#include <string>
#include <vector>

namespace tarsk {

inline std::ostream& operator<<(std::ostream& out, MissionState state) {
    return out << "MissionState(" << static_cast<int>(state) << ")";
}

} // namespace tarsk
