#include "game/missions/Mission_Retrieve_Dungeon_Artifact.hpp"

#include "engine/ecs/Entity.hpp"
#include "game/inventory/InventoryComponent.hpp"

namespace tarsk {

Mission_Retrieve_Dungeon_Artifact::Mission_Retrieve_Dungeon_Artifact()
    : Mission(Id, false, false, "Retrieve the mythical artifact",
              "Go into the dungeon and retrieve the mythical artifact. To enter the dungeon, follow the SAND "
              "PATH "
              "to the WEST and go into the PURPLE portal.") {}

MissionState Mission_Retrieve_Dungeon_Artifact::checkProgress(const orv::WorldManager&,
                                                              const orv::Entity* player) {
    const Inventory& inventory = requirePlayer(player).getComponent<InventoryComponent>()->getInventory();
    return inventory.findItemById(ArtifactItemId) ? MissionState::END_A_PENDING : MissionState::RUNNING;
}

std::unique_ptr<Mission> Mission_Retrieve_Dungeon_Artifact::clone() const {
    return std::make_unique<Mission_Retrieve_Dungeon_Artifact>();
}

} // namespace tarsk
