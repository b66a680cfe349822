#include "engine/serialization/WorldWriter.hpp"

#include "engine/ecs/SerializableSystem_template.hpp"
#include "engine/ecs/World.hpp"
#include "engine/ecs/WorldContainer.hpp"
#include "engine/ecs/WorldManager.hpp"
#include "engine/persistence/PersistenceComponent.hpp"
#include "engine/persistence/PersistenceSystem.hpp"
#include "engine/serialization/SerializationManager.hpp"

namespace orv {

namespace {

// The records of the systems that save themselves, in update order.
template <class Owner>
nlohmann::json systemRecords(const SystemManager_base<System_base<Owner>>& systems) {
    nlohmann::json records = nlohmann::json::array();
    for (const System_base<Owner>* system : systems.getUpdateList()) {
        if (const auto* saved = dynamic_cast<const SerializableSystem_template<System_base<Owner>>*>(system))
            records.push_back(saved->toJson());
    }
    return records;
}

} // namespace

nlohmann::json worldManagerToJson(const WorldManager& manager) {
    nlohmann::json result = nlohmann::json::object();
    result["wm_id_counter"] = manager.getIdCounter();
    result["systems_global"] = systemRecords(manager);
    for (const WorldContainer* container : manager.getWorldContainers())
        result["worldContainers"].push_back(worldContainerToJson(*container));
    return result;
}

nlohmann::json worldContainerToJson(const WorldContainer& container) {
    nlohmann::json result = worldToJson(*container.getWorld());
    result["_id"] = container.getId();
    result["_isActive"] = container.isActive();
    result["_name"] = container.getName();
    return result;
}

nlohmann::json worldToJson(const World& world) {
    nlohmann::json result = nlohmann::json::object();
    result["systems_local"] = systemRecords(world);
    auto& entities = (result["entities"] = nlohmann::json::array()).get_ref<nlohmann::json::array_t&>();
    const auto saved = world.getSystem<PersistenceSystem>()->getPersistentComponents();
    entities.reserve(saved.size());
    for (const PersistenceComponent* persistence : saved)
        entities.push_back(SerializationManager::entityToJson(*persistence));
    return result;
}

} // namespace orv
