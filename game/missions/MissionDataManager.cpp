#include "game/missions/MissionDataManager.hpp"

#include "game/missions/Mission_Demo_Collect_Wood.hpp"
#include "game/missions/Mission_Demo_Kill_Some_Frogs.hpp"
#include "game/missions/Mission_Retrieve_Dungeon_Artifact.hpp"

#include <utility>

namespace tarsk {

MissionDataManager::MissionDataManager() {
    prototypes.push_back(std::make_unique<Mission_Demo_Kill_Some_Frogs>());
    prototypes.push_back(std::make_unique<Mission_Demo_Collect_Wood>());
    prototypes.push_back(std::make_unique<Mission_Retrieve_Dungeon_Artifact>());
}

MissionDataManager::MissionDataManager(Prototypes prototypes) : prototypes(std::move(prototypes)) {}

MissionDataManager::~MissionDataManager() = default;

} // namespace tarsk
