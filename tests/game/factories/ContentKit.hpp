#pragma once

// The root state's content, read from the game's own data folder: the type registry, the
// blueprints, items, tiles and day/night cycles, the entity factories and the world generators.

#include "engine/ecs/World.hpp"
#include "engine/physics/PhysicsSystem.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/serialization/BindTypeIndex.hpp"
#include "engine/serialization/BlueprintManager.hpp"
#include "engine/serialization/SerializationManager.hpp"
#include "engine/tiles/Tileset.hpp"
#include "game/ai/AiManager.hpp"
#include "game/ai/AiSystem.hpp"
#include "game/animation/AnimationDataManager.hpp"
#include "game/combat/AttackManager.hpp"
#include "game/combat/FighterSystem.hpp"
#include "game/daynight/DayNightCycleDataManager.hpp"
#include "game/dialogue/DialogueDataManager.hpp"
#include "game/factories/BlueprintEntityFactories.hpp"
#include "game/factories/DefaultEntityFactories.hpp"
#include "game/factories/EntityFactoryManager.hpp"
#include "game/health/HealthSystem.hpp"
#include "game/items/ItemComponent.hpp"
#include "game/items/ItemManager.hpp"
#include "game/items/ItemSystem.hpp"
#include "game/navigation/NavigationSystem.hpp"
#include "game/portals/LocalPortalSystem.hpp"
#include "game/random/RandomNumberGenerator.hpp"
#include "game/registry/GameTypeRegistry.hpp"
#include "game/spawner/SpawnerSystem.hpp"
#include "game/terrain/DefaultTiles.hpp"
#include "game/time/TimeSystem.hpp"
#include "game/worldgen/DefaultWorldGenerators.hpp"
#include "game/worldgen/WorldGeneratorManager.hpp"

#include <SFML/System/Time.hpp>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace contentkit {

// The content paths ("./data/...") are relative to the game's folder.
inline bool enterGameFolder() {
    std::filesystem::current_path(ORV_SOURCE_DIR);
    return true;
}

inline std::vector<std::filesystem::path> sortedFiles(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

class Content {
public:
    explicit Content(std::uint32_t seed = 1234)
        : entered(enterGameFolder()), serialization(resources, components(), worldSystems(), globalSystems()),
          items(resources, serialization), random(seed),
          factories(tarsk::generateDefaultEntityFactories(), {resources, items, random, dialogues}),
          generators(tileset, items, factories, random, dayNightCycles, tarsk::makeDefaultWorldGenerators()) {
        tarsk::buildLightRegistry(serialization);
        serialization.getBlueprintManager().loadAll("./data/blueprint");
        for (tarsk::EntityFactory& factory : tarsk::makeBlueprintEntityFactories(serialization))
            factories.addFactory(std::move(factory));
        items.loadDirectory("./data/items");
        for (const auto& file : sortedFiles("./data/tiles")) {
            std::ifstream in(file);
            tileset.addTilesFromJson(nlohmann::json::parse(in));
        }
        dayNightCycles.loadDirectory("./data/other/dayNight");
    }

    // One frame of a running game: the frame time, the physics step, the world, the removals.
    static void runFrame(orv::World& world, sf::Time frame = sf::seconds(1.f / 60.f)) {
        world.getSystem<tarsk::TimeSystem>()->setFrameTime(frame);
        world.getSystem<orv::PhysicsSystem>()->setTimeStep(frame);
        world.update();
        world.removeMarkedEntities();
    }

    bool entered;
    orv::ResourceManager resources;
    orv::Tileset tileset{tarsk::generateDefaultTileDefinitions(), nullptr};
    tarsk::AnimationDataManager animations;
    tarsk::DayNightCycleDataManager dayNightCycles;
    orv::SerializationManager serialization;
    tarsk::ItemManager items;
    tarsk::RandomNumberGenerator random;
    tarsk::AttackManager attacks;
    tarsk::AiManager ai{resources, random, attacks};
    tarsk::DialogueDataManager dialogues;
    tarsk::EntityFactoryManager factories;
    tarsk::WorldGeneratorManager generators;

private:
    tarsk::RegistryServices services() {
        return {resources, serialization, tileset, animations, dayNightCycles, items, ai, random, maker()};
    }

    tarsk::EntityMaker maker() {
        return [this](const std::string& id) {
            return factories.createEntity(id);
        };
    }

    orv::ComponentFactories components() { return tarsk::buildComponentRegistry(services()); }
    orv::WorldSystemFactories worldSystems() { return tarsk::buildWorldSystemRegistry(services()); }
    orv::GlobalSystemFactories globalSystems() { return tarsk::buildGlobalSystemRegistry(services()); }
};

} // namespace contentkit
