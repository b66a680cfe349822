#include "game/missions/Mission_Demo_Collect_Wood.hpp"

#include "engine/ecs/Entity.hpp"
#include "game/inventory/InventoryComponent.hpp"

#include <stdexcept>

namespace tarsk {

Mission_Demo_Collect_Wood::Mission_Demo_Collect_Wood()
    : Mission(Id, false, false, "Demo: Collect Wood",
              "This quest is for demonstration purposes only. It has no other function than to test the "
              "mission/quest functions of the engine. Collect 5 Wood.") {}

MissionState Mission_Demo_Collect_Wood::checkProgress(const orv::WorldManager&, const orv::Entity* player) {
    const Inventory& inventory = requirePlayer(player).getComponent<InventoryComponent>()->getInventory();
    return inventory.countItemsById(WoodItemId) < WoodNeeded ? MissionState::RUNNING
                                                             : MissionState::END_A_PENDING;
}

void Mission_Demo_Collect_Wood::onEndB(MissionManager&, const orv::WorldManager&, const orv::Entity*) {
    throw std::logic_error("should not be reached");
}

void Mission_Demo_Collect_Wood::onEndC(MissionManager&, const orv::WorldManager&, const orv::Entity*) {
    throw std::logic_error("should not be reached");
}

std::unique_ptr<Mission> Mission_Demo_Collect_Wood::clone() const {
    return std::make_unique<Mission_Demo_Collect_Wood>();
}

} // namespace tarsk
