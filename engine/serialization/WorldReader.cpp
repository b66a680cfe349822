#include "engine/serialization/WorldReader.hpp"

#include "engine/common/JsonNumber.hpp"
#include "engine/common/JsonWhere.hpp"

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
    auto manager = std::make_unique<WorldManager>(
        jsonNumber<std::uint32_t>(requiredMember(data, "wm_id_counter"), "wm_id_counter"));
    const nlohmann::json& globalSystems = requiredArray(data, "systems_global");
    for (std::size_t i = 0; i < globalSystems.size(); ++i) {
        readUnderElement("systems_global", i, [&] {
            auto [system, type] = types.makeGlobalSystem(globalSystems[i]);
            manager->registerSystem(std::move(system), type);
        });
    }
    manager->initSystems();

    auto containers = data.find("worldContainers");
    if (containers == data.end())
        return manager;
    readUnderKey("worldContainers", [&] { requireArray(*containers); });
    for (std::size_t i = 0; i < containers->size(); ++i) {
        readUnderElement("worldContainers", i, [&] {
            manager->addExistingWorldContainer(worldContainerFromJson((*containers)[i], types));
        });
    }
    return manager;
}

WorldContainer worldContainerFromJson(const nlohmann::json& data, const SerializationManager& types) {
    std::string name = requiredMember(data, "_name").get<std::string>();
    const bool active = requiredMember(data, "_isActive").get<bool>();
    std::unique_ptr<World> world = worldFromJson(types, data);
    const auto id = jsonNumber<std::uint32_t>(requiredMember(data, "_id"), "_id");
    return WorldContainer(id, std::move(world), active, std::move(name));
}

std::unique_ptr<World> worldFromJson(const SerializationManager& types, const nlohmann::json& data) {
    const nlohmann::json& systems = requiredArray(data, "systems_local");
    const nlohmann::json& entities = requiredArray(data, "entities");

    auto world = std::make_unique<World>();
    for (std::size_t i = 0; i < systems.size(); ++i) {
        readUnderElement("systems_local", i, [&] {
            auto [system, type] = types.makeWorldSystem(systems[i]);
            world->registerSystem(std::move(system), type);
        });
    }
    world->registerSystem<PersistenceSystem>();
    world->initSystems();

    std::vector<std::unique_ptr<Entity>> loaded;
    loaded.reserve(entities.size());
    for (std::size_t i = 0; i < entities.size(); ++i) {
        readUnderElement("entities", i, [&] {
            std::unique_ptr<Entity> entity = types.entityFromJson(entities[i]);
            entity->addComponent<PersistenceComponent>(true);
            entity->init();
            loaded.push_back(std::move(entity));
        });
    }
    world->addEntities(std::move(loaded));
    return world;
}

} // namespace orv
