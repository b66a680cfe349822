#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/ecs/WorldManager.hpp"
#include "engine/persistence/PersistenceComponent.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/serialization/BindTypeIndex.hpp"
#include "engine/serialization/SerializationManager.hpp"
#include "engine/serialization/WorldReader.hpp"
#include "engine/serialization/WorldWriter.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/portals/GlobalPortalSystem.hpp"
#include "game/portals/LocalPortalSystem.hpp"
#include "game/portals/PortalComponent.hpp"

#include <gtest/gtest.h>

#include <memory>

using json = nlohmann::json;
using tarsk::LocalPortalSystem;
using tarsk::PortalComponent;

namespace {

json portalEntity(json portal, double x, double y) {
    return {{"components",
             {{"transform", {{"position", {x, y, 0.0}}, {"rotation", 0.0}, {"scale", {1.0, 1.0}}}},
              {"portal", std::move(portal)}}}};
}

json container(unsigned id, json entities) {
    return {{"_id", id},
            {"_isActive", true},
            {"_name", "world " + std::to_string(id)},
            {"systems_local", {{{"_SystemTypeId", "LocalPortalSystem"}}}},
            {"entities", std::move(entities)}};
}

// Two worlds joined by a pair of portals, as a game file holds them.
json twoWorlds(unsigned counter) {
    return {
        {"wm_id_counter", 2},
        {"systems_global", {{{"_SystemTypeId", "GlobalPortalSystem"}, {"portalIdCounter", counter}}}},
        {"worldContainers",
         {container(0, {portalEntity({{"id", 3}, {"target_world", 1}, {"target_id", 4}, {"hasTarget", true}},
                                     -2.0, 1.0)}),
          container(1, {portalEntity({{"id", 4}, {"target_world", 0}, {"target_id", 3}, {"hasTarget", true}},
                                     5.0, 6.0)})}}};
}

class SavedPortalsTest : public ::testing::Test {
protected:
    SavedPortalsTest()
        : types(resources,
                {{"transform",
                  orv::bindTypeIndex<orv::TransformationComponent>(&orv::TransformationComponent::fromJson)},
                 {"portal", orv::bindTypeIndex<PortalComponent>(&PortalComponent::fromJson)}},
                {{"LocalPortalSystem", orv::bindTypeIndex<LocalPortalSystem>(&LocalPortalSystem::create)}},
                {{"GlobalPortalSystem",
                  orv::bindTypeIndex<tarsk::GlobalPortalSystem>(&tarsk::GlobalPortalSystem::fromJson)}}) {}

    static const LocalPortalSystem& portalsOf(orv::WorldManager& worlds, unsigned id) {
        return *worlds.getWorldContainer(id)->getWorld()->getSystem<LocalPortalSystem>();
    }

    const orv::Entity* addNewPortal(orv::WorldManager& worlds, unsigned world) {
        auto entity = std::make_unique<orv::Entity>();
        entity->addComponent<orv::TransformationComponent>();
        entity->addComponent<PortalComponent>();
        entity->addComponent<orv::PersistenceComponent>(true);
        entity->init();
        return worlds.getWorldContainer(world)->getWorld()->addEntity(std::move(entity));
    }

    orv::ResourceManager resources;
    orv::SerializationManager types;
};

TEST_F(SavedPortalsTest, LoadedPortalsKeepTheirIdsAndLeadToEachOther) {
    auto worlds = orv::worldManagerFromJson(types, twoWorlds(7));
    const auto& island = portalsOf(*worlds, 0);
    ASSERT_EQ(island.getPortals().size(), 1u);
    const PortalComponent& door = *island.getPortals()[0]->getComponent<PortalComponent>();
    EXPECT_EQ(door.getId(), 3u);
    ASSERT_TRUE(door.hasTarget());

    // The journey's arrival point: the target portal's position in the target world.
    const auto [world, portal] = door.getTarget();
    EXPECT_EQ(portalsOf(*worlds, world).findPortal(portal), sf::Vector2f(5.f, 6.f));
    EXPECT_EQ(worlds->getSystem<tarsk::GlobalPortalSystem>()->getPortalIdCounter(), 7u);
}

TEST_F(SavedPortalsTest, NewPortalsTakeTheSavedCounterAndTheCounterIsSavedAgain) {
    auto worlds = orv::worldManagerFromJson(types, twoWorlds(7));
    const orv::Entity* first = addNewPortal(*worlds, 0);
    const orv::Entity* second = addNewPortal(*worlds, 1);
    EXPECT_EQ(first->getComponent<PortalComponent>()->getId(), 7u);
    EXPECT_EQ(second->getComponent<PortalComponent>()->getId(), 8u);

    const json saved = orv::worldManagerToJson(*worlds);
    EXPECT_EQ(saved["systems_global"],
              (json{{{"_SystemTypeId", "GlobalPortalSystem"}, {"portalIdCounter", 9}}}));

    auto reloaded = orv::worldManagerFromJson(types, saved);
    std::vector<std::uint64_t> ids;
    for (unsigned world : {0u, 1u})
        for (const orv::Entity* entity : portalsOf(*reloaded, world).getPortals())
            ids.push_back(entity->getComponent<PortalComponent>()->getId());
    EXPECT_EQ(ids, (std::vector<std::uint64_t>{3, 7, 4, 8}));
    EXPECT_EQ(addNewPortal(*reloaded, 0)->getComponent<PortalComponent>()->getId(), 9u);
}

} // namespace
