#include "game/worldgen/DefaultWorldGenerator.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/persistence/PersistenceComponent.hpp"
#include "engine/persistence/PersistenceSystem.hpp"
#include "engine/physics/PhysicsSystem.hpp"
#include "game/ai/AiSystem.hpp"
#include "game/animation/AnimationSystem.hpp"
#include "game/combat/FighterSystem.hpp"
#include "game/content/Identifiers.hpp"
#include "game/daynight/DayNightCycleDataManager.hpp"
#include "game/daynight/DayNightCycleSystem.hpp"
#include "game/factories/EntityFactoryManager.hpp"
#include "game/health/HealthSystem.hpp"
#include "game/items/ItemSystem.hpp"
#include "game/navigation/NavigationSystem.hpp"
#include "game/needs/AgricultureSystem.hpp"
#include "game/needs/NeedsSystem.hpp"
#include "game/portals/LocalPortalSystem.hpp"
#include "game/render/RenderComponent.hpp"
#include "game/render/RenderSystem.hpp"
#include "game/spawner/SpawnerSystem.hpp"
#include "game/terrain/TerrainComponent.hpp"
#include "game/terrain/TerrainSystem.hpp"
#include "game/time/DayTime.hpp"
#include "game/time/TimeSystem.hpp"
#include "game/worldgen/WorldGeneratorManager.hpp"

namespace tarsk {

DefaultWorldGenerator::DefaultWorldGenerator(sf::Vector2u size) : size(size) {}

std::int32_t DefaultWorldGenerator::getId() const {
    return id::generator::defaultId;
}

std::string DefaultWorldGenerator::getName() const {
    return id::generator::defaultName;
}

std::unique_ptr<orv::World> DefaultWorldGenerator::generate(WorldGeneratorManager& manager) {
    EntityFactoryManager& factories = manager.getEntityFactoryManager();
    const EntityMaker makeEntity = [&factories](const std::string& id) {
        return factories.createEntity(id);
    };

    auto world = std::make_unique<orv::World>();
    // All of priority 0: this order is also the order of every frame's update.
    world->registerSystem<TimeSystem>();
    world->registerSystem<RenderSystem>()->setAmbientColor(sf::Color(0, 0, 0, 0));
    world->registerSystem<orv::PhysicsSystem>();
    world->registerSystem<TerrainSystem>();
    world->registerSystem<AnimationSystem>();
    world->registerSystem<NeedsSystem>();
    world->registerSystem<HealthSystem>();
    world->registerSystem<FighterSystem>(makeEntity);
    world->registerSystem<SpawnerSystem>(makeEntity, manager.getRandomNumberGenerator());
    world->registerSystem<LocalPortalSystem>();
    world->registerSystem<orv::PersistenceSystem>();
    world->registerSystem<DayNightCycleSystem>(
        manager.getDayNightCycleDataManager().getDefinition(DayNightCycleId));
    world->registerSystem<AgricultureSystem>();
    world->registerSystem<ItemSystem>();
    world->registerSystem<NavigationSystem>();
    world->registerSystem<AiSystem>();
    world->initSystems();

    world->getSystem<TimeSystem>()->setDayTime(DayTime(12, 0, 0));

    auto terrain = std::make_unique<orv::Entity>();
    terrain->addComponent<TerrainComponent>(manager.getTileset(), size);
    terrain->addComponent<RenderComponent>();
    terrain->addComponent<orv::PersistenceComponent>(true);
    terrain->init();
    world->addEntity(std::move(terrain));

    // Lit until the day/night cycle's first update sets the colour of the hour.
    world->getSystem<RenderSystem>()->setAmbientColor(sf::Color(255, 255, 255, 255));
    return world;
}

} // namespace tarsk
