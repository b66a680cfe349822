#include "game/missions/MissionDataManager.hpp"

#include <utility>

namespace tarsk {

MissionDataManager::MissionDataManager(Prototypes prototypes) : prototypes(std::move(prototypes)) {}

MissionDataManager::~MissionDataManager() = default;

} // namespace tarsk
