#include "engine/serialization/WorldReader.hpp"

#include "engine/ecs/World.hpp"
#include "engine/ecs/WorldManager.hpp"
#include "engine/persistence/PersistenceComponent.hpp"
#include "engine/persistence/PersistenceSystem.hpp"
#include "engine/serialization/JsonRecord.hpp"
#include "engine/serialization/SerializationManager.hpp"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace orv {

std::unique_ptr<WorldManager> worldManagerFromJson(const SerializationManager& types,
                                                   const nlohmann::json& data) {
    auto manager = std::make_unique<WorldManager>(requiredMember(data, "wm_id_counter").get<std::uint32_t>());
    for (const nlohmann::json& record : requiredArray(data, "systems_global")) {
        auto [system, type] = types.makeGlobalSystem(record);
        manager->registerSystem(std::move(system), type);
    }
    manager->initSystems();

    auto containers = data.find("worldContainers");
    if (containers == data.end())
        return manager;
    requireArray(*containers);
    for (const nlohmann::json& record : *containers)
        manager->addExistingWorldContainer(worldContainerFromJson(record, types));
    return manager;
}

WorldContainer worldContainerFromJson(const nlohmann::json& data, const SerializationManager& types) {
    std::string name = requiredMember(data, "_name").get<std::string>();
    const bool active = requiredMember(data, "_isActive").get<bool>();
    std::unique_ptr<World> world = worldFromJson(types, data);
    const auto id = requiredMember(data, "_id").get<std::uint32_t>();
    return WorldContainer(id, std::move(world), active, std::move(name));
}

std::unique_ptr<World> worldFromJson(const SerializationManager& types, const nlohmann::json& data) {
    const nlohmann::json& systems = requiredArray(data, "systems_local");
    const nlohmann::json& entities = requiredArray(data, "entities");

    auto world = std::make_unique<World>();
    for (const nlohmann::json& record : systems) {
        auto [system, type] = types.makeWorldSystem(record);
        world->registerSystem(std::move(system), type);
    }
    world->registerSystem<PersistenceSystem>();
    world->initSystems();

    std::vector<std::unique_ptr<Entity>> loaded;
    loaded.reserve(entities.size());
    for (const nlohmann::json& record : entities) {
        std::unique_ptr<Entity> entity = types.entityFromJson(record);
        entity->addComponent<PersistenceComponent>(true);
        entity->init();
        loaded.push_back(std::move(entity));
    }
    world->addEntities(std::move(loaded));
    return world;
}

} // namespace orv
