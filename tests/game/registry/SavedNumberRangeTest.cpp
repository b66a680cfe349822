#include "engine/common/JsonError.hpp"
#include "game/combat/FighterComponent.hpp"
#include "game/health/HealthComponent.hpp"
#include "game/level/LevelSkillComponent.hpp"
#include "game/missions/Mission_Demo_Kill_Some_Frogs.hpp"
#include "game/orientation/OrientationComponent.hpp"
#include "game/portals/PortalComponent.hpp"
#include "game/render/RenderComponent.hpp"
#include "game/spawner/SpawnerComponent.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using json = nlohmann::json;

struct Row {
    const char* what;
    std::function<void(const json&)> read;
    const char* record;
    const char* badKey;
};

// Records as saved games and blueprints hold them, each with one number the game cannot hold.
const Row rows[] = {
    {"experience below zero", [](const json& j) { tarsk::FighterComponent::fromJson(j); },
     R"({"xpValue": -1, "entitesToSpawnOnDeath": []})", "xpValue"},
    {"experience as a flag", [](const json& j) { tarsk::FighterComponent::fromJson(j); },
     R"({"xpValue": true, "entitesToSpawnOnDeath": []})", "xpValue"},
    {"health beyond float", [](const json& j) { tarsk::HealthComponent::fromJson(j); },
     R"({"maxHealth": 1e39, "maxStamina": 10})", "maxHealth"},
    {"spawn interval overflowing microseconds", [](const json& j) { tarsk::SpawnerComponent::fromJson(j); },
     R"({"entityIdToSpawn": "frog", "timeBetweenSpawnEvents": 2e16, "spawnProbability": 1, "spawnCount": 1,
         "spawnRadius": 1, "maxConcurrentlySpawnedEntities": 1})",
     "timeBetweenSpawnEvents"},
    {"portal id beyond 64 bits", [](const json& j) { tarsk::PortalComponent::fromJson(j); },
     R"({"id": 1e30})", "id"},
    {"portal to world -1", [](const json& j) { tarsk::PortalComponent::fromJson(j); },
     R"({"target_world": -1})", "target_world"},
    {"sorting offset beyond float", [](const json& j) { tarsk::RenderComponent::fromJson(j); },
     R"({"sortingOffset.x": 1e39, "sortingOffset.y": 0, "sortingOffset.z": 0})", "sortingOffset.x"},
    {"level beyond 32 bits", [](const json& j) { tarsk::LevelSkillComponent::fromJson(j); },
     R"({"level": 1e12, "xp": 0})", "level"},
    {"orientation beyond 32 bits", [](const json& j) { tarsk::OrientationComponent::fromJson(j); },
     R"({"orientation": 1e12})", "orientation"},
    {"mission state beyond 32 bits", [](const json& j) { tarsk::Mission_Demo_Kill_Some_Frogs().fromJson(j); },
     R"({"_state": 1e12, "killedFrogs": 0})", "_state"},
};

TEST(SavedNumbers, EveryReaderRefusesNumbersItCannotHoldNamingTheKey) {
    for (const Row& row : rows) {
        try {
            row.read(json::parse(row.record));
            ADD_FAILURE() << row.what << ": accepted";
        } catch (const orv::JsonError& error) {
            EXPECT_EQ(error.getPath(), row.badKey) << row.what << ": " << error.what();
        }
    }
}

TEST(SavedNumbers, APortalStillTakesAFlagAsItsTargetWorld) {
    EXPECT_EQ(tarsk::PortalComponent::fromJson(json::parse(R"({"target_world": true})"))->getTarget().first,
              1u);
}

} // namespace
