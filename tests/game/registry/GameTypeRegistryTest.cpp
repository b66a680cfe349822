#include "game/registry/GameTypeRegistry.hpp"

#include "engine/common/JsonError.hpp"
#include "engine/physics/PhysicsComponent.hpp"
#include "engine/physics/PhysicsSystem.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/serialization/SerializationManager.hpp"
#include "engine/tiles/Tileset.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/ai/AiComponent.hpp"
#include "game/ai/AiManager.hpp"
#include "game/ai/AiSystem.hpp"
#include "game/animation/AnimationComponent.hpp"
#include "game/animation/AnimationDataManager.hpp"
#include "game/animation/AnimationSystem.hpp"
#include "game/combat/AttackManager.hpp"
#include "game/combat/FighterComponent.hpp"
#include "game/combat/FighterSystem.hpp"
#include "game/daynight/DayNightCycleDataManager.hpp"
#include "game/daynight/DayNightCycleSystem.hpp"
#include "game/dialogue/DialogueReceiverComponent.hpp"
#include "game/dialogue/DialogueSenderComponent.hpp"
#include "game/health/HealthComponent.hpp"
#include "game/health/HealthSystem.hpp"
#include "game/inventory/InventoryComponent.hpp"
#include "game/items/ItemComponent.hpp"
#include "game/items/ItemManager.hpp"
#include "game/items/ItemSystem.hpp"
#include "game/level/LevelSkillComponent.hpp"
#include "game/lights/LightComponent.hpp"
#include "game/lights/PointSpotLight.hpp"
#include "game/navigation/NavigationSystem.hpp"
#include "game/orientation/OrientationComponent.hpp"
#include "game/portals/GlobalPortalSystem.hpp"
#include "game/portals/LocalPortalSystem.hpp"
#include "game/portals/PortalComponent.hpp"
#include "game/random/RandomNumberGenerator.hpp"
#include "game/render/RenderComponent.hpp"
#include "game/render/RenderSystem.hpp"
#include "game/render/SpriteComponent.hpp"
#include "game/spawner/SpawnerComponent.hpp"
#include "game/spawner/SpawnerSystem.hpp"
#include "game/terrain/DefaultTiles.hpp"
#include "game/terrain/TerrainComponent.hpp"
#include "game/terrain/TerrainSystem.hpp"
#include "game/time/TimeSystem.hpp"

#include "game/needs/AgricultureSystem.hpp"
#include "game/needs/CookingComponent.hpp"
#include "game/needs/NeedsComponent.hpp"
#include "game/needs/NeedsSystem.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <typeindex>
#include <vector>

using json = nlohmann::json;

namespace {

// The type registry as the root state builds it: the tables are bound to a serialisation manager
// that is still being constructed from them.
struct Registries {
    explicit Registries(bool withLights = true)
        : serialization(resources, tarsk::buildComponentRegistry(services()),
                        tarsk::buildWorldSystemRegistry(services()),
                        tarsk::buildGlobalSystemRegistry(services())) {
        if (withLights)
            tarsk::buildLightRegistry(serialization);
    }
    static tarsk::EntityMaker noEntities() {
        return [](const std::string&) -> std::unique_ptr<orv::Entity> {
            throw std::out_of_range("no factories");
        };
    }
    tarsk::RegistryServices services() {
        return {resources, serialization, tileset,     animations, dayNightCycles, items,
                ai,        random,        noEntities()};
    }

    orv::ResourceManager resources;
    orv::Tileset tileset{tarsk::generateDefaultTileDefinitions(), nullptr};
    tarsk::AnimationDataManager animations;
    tarsk::DayNightCycleDataManager dayNightCycles = oneCycle();
    orv::SerializationManager serialization;
    tarsk::ItemManager items{resources, serialization};
    tarsk::RandomNumberGenerator random{7};
    tarsk::AttackManager attacks;
    tarsk::AiManager ai{resources, random, attacks, ORV_SOURCE_DIR "/data/ai"};

    static tarsk::DayNightCycleDataManager oneCycle() {
        tarsk::DayNightCycleDataManager cycles;
        cycles.addDefinition({{"id", "DAY_NIGHT_DEFAULT"}, {"states", json::array()}});
        return cycles;
    }
};

// One row of a registration table: the stored name, and for classes that exist the type the
// object must be filed under, with a record its factory accepts. An object that is read but
// never written has no saved name to check.
struct Row {
    std::string name;
    std::optional<std::type_index> type;
    json sample = json::object();
    bool written = true;
};

json lightRecord() {
    return {{"light",
             {{"light_type", "PointSpotLight"},
              {"color.r", 255},
              {"color.g", 200},
              {"color.b", 100},
              {"color.a", 255},
              {"radius", 3.0},
              {"focus", 0.5}}},
            {"initalPositionOffset.x", 0.0},
            {"initalPositionOffset.y", -0.5}};
}

json physicsRecord() {
    return {{"body->GetType()", 0},
            {"shape", {{"shape_type", 0}, {"m_p.x", 0}, {"m_p.y", 0}, {"m_radius", 0.5}}}};
}

// Every component of the game's table, in its order; rows without a type have no class yet.
std::vector<Row> componentTable() {
    return {
        {"transform", typeid(orv::TransformationComponent), {{"position", {1, 2, 0}}}},
        {"sprite",
         typeid(tarsk::SpriteComponent),
         {{"textureResourceId", "./data/object_tree.png"},
          {"anchor", 5},
          {"spritePositionOffset.x", 0},
          {"spritePositionOffset.y", 0},
          {"spriteRotationOffset", 0},
          {"spriteBaseSize.x", 16},
          {"spriteBaseSize.y", 32}}},
        {"fighter",
         typeid(tarsk::FighterComponent),
         {{"xpValue", 5}, {"entitesToSpawnOnDeath", json::array()}}},
        {"health", typeid(tarsk::HealthComponent), {{"maxHealth", 10.0}, {"maxStamina", 5.0}}},
        {"inventory", typeid(tarsk::InventoryComponent), {{"inventory", json::array()}}},
        {"item", typeid(tarsk::ItemComponent), json::object()},
        {"levelSkill", typeid(tarsk::LevelSkillComponent), {{"level", 1}, {"xp", 0}}},
        {"orientation", typeid(tarsk::OrientationComponent), {{"orientation", 3}}},
        {"render",
         typeid(tarsk::RenderComponent),
         {{"sortingOffset.x", 0}, {"sortingOffset.y", 8}, {"sortingOffset.z", 0}}},
        {"spawner",
         typeid(tarsk::SpawnerComponent),
         {{"entityIdToSpawn", "entity_internal_ENEMY_FROG"},
          {"timeBetweenSpawnEvents", 1000},
          {"spawnProbability", 0.5},
          {"spawnCount", 1},
          {"spawnRadius", 2.0},
          {"maxConcurrentlySpawnedEntities", 3}}},
        {"terrain",
         typeid(tarsk::TerrainComponent),
         {{"size.x", 1}, {"size.y", 1}, {"tiles", {"SAND_INTERNAL"}}}},
        {"physics", typeid(orv::PhysicsComponent), physicsRecord()},
        {"light", typeid(tarsk::LightComponent), lightRecord()},
        {"DialogueSenderComponent", typeid(tarsk::DialogueSenderComponent), {{"DialogueFactoryId", "x"}}},
        {"DialogueReceiverComponent", typeid(tarsk::DialogueReceiverComponent), json::object()},
        {"AnimationComponent", typeid(tarsk::AnimationComponent), {{"AnimationId", "PLAYER_ANIMATION_01"}}},
        {"portal", typeid(tarsk::PortalComponent), json::object()},
        {"ai", typeid(tarsk::AiComponent), {{"behavior", "frog"}, {"maxDetectionRadius", 4.0}}},
        {"needs", typeid(tarsk::NeedsComponent), {{"first", 30.0}, {"second", 60.0}}},
        {"cooking", typeid(tarsk::CookingComponent), json::object(), false},
    };
}

std::vector<Row> worldSystemTable() {
    return {
        {"FighterSystem", typeid(tarsk::FighterSystem)},
        {"HealthSystem", typeid(tarsk::HealthSystem)},
        {"ItemSystem", typeid(tarsk::ItemSystem)},
        {"RenderSystem", typeid(tarsk::RenderSystem)},
        {"SpawnerSystem", typeid(tarsk::SpawnerSystem)},
        {"TerrainSystem", typeid(tarsk::TerrainSystem)},
        {"TimeSystem",
         typeid(tarsk::TimeSystem),
         {{"time.hours", 6}, {"time.minutes", 30}, {"time.seconds", 0}}},
        {"PhysicsSystem", typeid(orv::PhysicsSystem)},
        {"AnimationSystem", typeid(tarsk::AnimationSystem)},
        {"LocalPortalSystem", typeid(tarsk::LocalPortalSystem)},
        {"AiSystem", typeid(tarsk::AiSystem)},
        {"NavigationSystem", typeid(tarsk::NavigationSystem)},
        {"DayNightCycle", typeid(tarsk::DayNightCycleSystem), {{"cycleId", "DAY_NIGHT_DEFAULT"}}},
        {"NeedsSystem", typeid(tarsk::NeedsSystem)},
        {"AgricultureSystem", typeid(tarsk::AgricultureSystem)},
    };
}

std::vector<Row> globalSystemTable() {
    return {{"GlobalPortalSystem", typeid(tarsk::GlobalPortalSystem), {{"portalIdCounter", 4}}}};
}

// Checks one table: rows whose class exists are registered under their exact name and make an
// object filed under that class, saved under the same name; the other rows are absent, and the
// registry holds nothing that is in neither the table nor the engine's own entries.
template <class Factories, class Name>
void walk(const Factories& factories, const std::vector<Row>& table, const std::set<std::string>& engineOwn,
          Name nameOf) {
    std::set<std::string> known = engineOwn;
    for (const Row& row : table) {
        known.insert(row.name);
        SCOPED_TRACE(row.name);
        if (!row.type) {
            EXPECT_FALSE(factories.contains(row.name));
            continue;
        }
        ASSERT_TRUE(factories.contains(row.name));
        auto [object, type] = factories.at(row.name)(row.sample);
        ASSERT_NE(object, nullptr);
        EXPECT_EQ(type, *row.type);
        EXPECT_EQ(std::type_index(typeid(*object)), *row.type);
        if (row.written) {
            EXPECT_EQ(nameOf(*object), row.name);
        }
    }
    for (const auto& [name, factory] : factories)
        EXPECT_TRUE(known.contains(name)) << name << " is registered but not in the table";
}

TEST(GameTypeRegistry, EveryExistingClassOfTheTablesIsRegisteredUnderItsName) {
    Registries registries;
    const auto& types = registries.serialization;
    walk(types.getComponentFactories(), componentTable(), {"blueprint"}, [](const orv::Component& component) {
        return dynamic_cast<const orv::SerializableComponent&>(component).getName();
    });
    walk(types.getWorldSystemFactories(), worldSystemTable(), {},
         [](const orv::System_base<orv::World>& system) {
             return dynamic_cast<const orv::SerializableSystem_base&>(system).getSystemTypeName();
         });
    walk(types.getGlobalSystemFactories(), globalSystemTable(), {"PeristenceRealmSystem"},
         [](const orv::System_base<orv::WorldManager>& system) {
             return dynamic_cast<const orv::SerializableSystem_base&>(system).getSystemTypeName();
         });
}

TEST(GameTypeRegistry, DayNightCycleIsNeverFiledUnderItsClassName) {
    Registries registries;
    EXPECT_FALSE(registries.serialization.getWorldSystemFactories().contains("DayNightCycleSystem"));
}

TEST(GameTypeRegistry, UnknownComponentNamesCannotBeRead) {
    Registries registries;
    try {
        registries.serialization.entityFromJson({{"components", {{"camera", json::object()}}}});
        FAIL() << "expected an error";
    } catch (const orv::JsonError& error) {
        EXPECT_STREQ(error.what(), "components.camera: invalid unordered_map<K, T> key");
    }
}

TEST(GameTypeRegistry, LightsAreMadeByTheGenericHandler) {
    Registries registries;
    const auto light = registries.serialization.deserialize<tarsk::Light>(lightRecord().at("light"));
    const auto* spot = dynamic_cast<const tarsk::PointSpotLight*>(light.get());
    ASSERT_NE(spot, nullptr);
    EXPECT_EQ(spot->getColor(), sf::Color(255, 200, 100, 255));
    EXPECT_EQ(registries.serialization.getGenericHandlers().at(typeid(tarsk::Light)).size(), 1u);
}

TEST(GameTypeRegistry, UnknownLightTypeIsReportedWithItsRecord) {
    Registries registries;
    json record = lightRecord();
    record["light"] = {{"light_type", "AreaLight"}, {"radius", 2}};
    try {
        registries.serialization.getComponentFactories().at("light")(record);
        FAIL() << "expected std::runtime_error";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "Generic deserialization handler not found for json object: "
                                   "{\"light_type\":\"AreaLight\",\"radius\":2}");
    }
}

TEST(GameTypeRegistry, LightsNeedTheirHandlerRegistered) {
    Registries withoutLights(false);
    try {
        withoutLights.serialization.getComponentFactories().at("light")(lightRecord());
        FAIL() << "expected std::out_of_range";
    } catch (const std::out_of_range& error) {
        EXPECT_STREQ(error.what(), "invalid unordered_map<K, T> key");
    }
    // Registering twice tries the handler twice, so declined lights are still declined.
    tarsk::registerLightFactories(withoutLights.serialization);
    tarsk::registerLightFactories(withoutLights.serialization);
    EXPECT_EQ(withoutLights.serialization.getGenericHandlers().at(typeid(tarsk::Light)).size(), 2u);
    EXPECT_THROW(withoutLights.serialization.deserialize<tarsk::Light>({{"light_type", "Other"}}),
                 std::runtime_error);
}

} // namespace
