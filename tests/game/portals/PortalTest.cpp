#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/ecs/WorldContainer.hpp"
#include "engine/ecs/WorldManager.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/portals/GlobalPortalSystem.hpp"
#include "game/portals/LocalPortalSystem.hpp"
#include "game/portals/PortalComponent.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using tarsk::GlobalPortalSystem;
using tarsk::LocalPortalSystem;
using tarsk::PortalComponent;

namespace {

std::string typeErrorOf(const nlohmann::json& data) {
    try {
        PortalComponent::fromJson(data);
    } catch (const std::exception& error) {
        return error.what();
    }
    return "";
}

TEST(PortalJsonTest, ReadsOptionalKeysAndWritesAllFour) {
    auto portal = PortalComponent::fromJson(
        {{"id", 12}, {"target_world", 2}, {"target_id", 40000000000ULL}, {"hasTarget", true}});
    EXPECT_EQ(portal->getId(), 12u);
    EXPECT_TRUE(portal->hasTarget());
    EXPECT_EQ(portal->getTarget(), PortalComponent::Target(2u, 40000000000ULL));
    EXPECT_EQ(portal->toJsonData(),
              (nlohmann::json{
                  {"id", 12}, {"target_world", 2}, {"target_id", 40000000000ULL}, {"hasTarget", true}}));

    for (const nlohmann::json& data : {nlohmann::json::object(), nlohmann::json(), nlohmann::json("portal"),
                                       nlohmann::json::array({1, 2})}) {
        auto plain = PortalComponent::fromJson(data);
        EXPECT_EQ(plain->getId(), 0u);
        EXPECT_FALSE(plain->hasTarget());
        EXPECT_EQ(plain->toJsonData(),
                  (nlohmann::json{{"id", 0}, {"target_world", 0}, {"target_id", 0}, {"hasTarget", false}}));
    }
}

TEST(PortalJsonTest, TargetWorldTakesBooleansAsNumbersAndRejectsOtherTypes) {
    EXPECT_EQ(PortalComponent::fromJson({{"target_world", true}})->getTarget().first, 1u);
    EXPECT_EQ(PortalComponent::fromJson({{"target_world", false}})->getTarget().first, 0u);
    const std::string error = typeErrorOf({{"target_world", "dungeon"}});
    EXPECT_EQ(error, "target_world: type must be number, but is string");
    EXPECT_NE(typeErrorOf({{"hasTarget", "yes"}}), "");
}

TEST(PortalIdTest, AnIdIsAssignedOnlyOnce) {
    PortalComponent portal;
    portal.initId(5);
    EXPECT_EQ(portal.getId(), 5u);
    try {
        portal.initId(6);
        FAIL() << "a second id must be refused";
    } catch (const char* message) {
        EXPECT_STREQ(message, "cannot init portal id again");
    }
    EXPECT_EQ(portal.getId(), 5u);
}

TEST(PortalSystemJsonTest, CounterIsRequired) {
    EXPECT_EQ(GlobalPortalSystem::fromJson({{"portalIdCounter", 7}})->getPortalIdCounter(), 7u);
    for (const nlohmann::json& data : {nlohmann::json::object(), nlohmann::json(), nlohmann::json(7)}) {
        try {
            GlobalPortalSystem::fromJson(data);
            FAIL() << data.dump();
        } catch (const std::logic_error& error) {
            EXPECT_STREQ(error.what(), "json does not contain required value");
        }
    }
}

// A world manager with the id-handing system and two worlds that each know their portals.
class PortalWorldsTest : public ::testing::Test {
protected:
    PortalWorldsTest() : worlds(2) {}

    void start(std::uint64_t counter) {
        global = worlds.registerSystem<GlobalPortalSystem>(counter);
        worlds.initSystems();
        for (std::uint32_t id : {0u, 1u}) {
            auto world = std::make_unique<orv::World>();
            locals.push_back(world->registerSystem<LocalPortalSystem>());
            world->initSystems();
            worlds.addExistingWorldContainer(orv::WorldContainer(id, std::move(world), true, "w"));
        }
    }

    orv::World& world(std::uint32_t id) { return *worlds.getWorldContainer(id)->getWorld(); }

    const orv::Entity* addPortal(std::uint32_t worldId, std::uint64_t id, sf::Vector2f at) {
        auto entity = std::make_unique<orv::Entity>();
        entity->addComponent<orv::TransformationComponent>()->setPositionXY(at);
        entity->addComponent<PortalComponent>(id, PortalComponent::Target{0, 0}, false);
        entity->init();
        return world(worldId).addEntity(std::move(entity));
    }

    static std::uint64_t idOf(const orv::Entity* entity) {
        return entity->getComponent<PortalComponent>()->getId();
    }

    orv::WorldManager worlds;
    GlobalPortalSystem* global = nullptr;
    std::vector<LocalPortalSystem*> locals;
};

TEST_F(PortalWorldsTest, NewPortalsTakeCounterValuesAcrossWorldsAndKeepSavedIds) {
    start(7);
    const orv::Entity* a = addPortal(0, 0, {1.f, 1.f});
    const orv::Entity* kept = addPortal(1, 3, {2.f, 2.f});
    const orv::Entity* b = addPortal(1, 0, {3.f, 3.f});
    auto plain = std::make_unique<orv::Entity>();
    plain->init();
    world(0).addEntity(std::move(plain));

    EXPECT_EQ(idOf(a), 7u);
    EXPECT_EQ(idOf(kept), 3u);
    EXPECT_EQ(idOf(b), 8u);
    EXPECT_EQ(global->toJson(),
              (nlohmann::json{{"portalIdCounter", 9}, {"_SystemTypeId", "GlobalPortalSystem"}}));

    // An id survives travel between worlds.
    worlds.moveEntity(0, b);
    EXPECT_EQ(idOf(b), 8u);
    EXPECT_EQ(global->getPortalIdCounter(), 9u);
}

TEST_F(PortalWorldsTest, CounterAtZeroNeverHandsOutTheUnassignedId) {
    start(0);
    const orv::Entity* first = addPortal(0, 0, {});
    const orv::Entity* second = addPortal(0, 0, {});
    EXPECT_EQ(idOf(first), 1u);
    EXPECT_EQ(idOf(second), 2u);
    EXPECT_EQ(global->getPortalIdCounter(), 3u);
}

TEST_F(PortalWorldsTest, EachWorldFindsItsOwnPortalsFirstAddedFirst) {
    start(1);
    addPortal(0, 4, {5.f, 6.f});
    addPortal(0, 4, {9.f, 9.f});
    const orv::Entity* there = addPortal(1, 10, {-3.f, 2.5f});

    EXPECT_EQ(locals[0]->findPortal(4), sf::Vector2f(5.f, 6.f));
    EXPECT_EQ(locals[0]->findPortal(10), sf::Vector2f(0.f, 0.f));
    EXPECT_EQ(locals[1]->findPortal(10), sf::Vector2f(-3.f, 2.5f));
    EXPECT_EQ(locals[1]->getPortals(), std::vector<const orv::Entity*>{there});

    // Positions are looked up when asked, not when the portal arrived.
    there->getComponent<orv::TransformationComponent>()->setPositionXY({1.f, 1.f});
    EXPECT_EQ(locals[1]->findPortal(10), sf::Vector2f(1.f, 1.f));
}

TEST_F(PortalWorldsTest, RemovedPortalsAreForgottenAndTheRestKeepTheirOrder) {
    start(1);
    const orv::Entity* a = addPortal(0, 4, {1.f, 0.f});
    const orv::Entity* b = addPortal(0, 5, {2.f, 0.f});
    const orv::Entity* c = addPortal(0, 6, {3.f, 0.f});
    const orv::Entity* d = addPortal(0, 4, {4.f, 0.f});

    world(0).removeEntities({a, c});
    EXPECT_EQ(locals[0]->getPortals(), (std::vector<const orv::Entity*>{b, d}));
    EXPECT_EQ(locals[0]->findPortal(6), sf::Vector2f(0.f, 0.f));
    EXPECT_EQ(locals[0]->findPortal(4), sf::Vector2f(4.f, 0.f));

    worlds.moveEntity(1, b);
    EXPECT_EQ(locals[0]->getPortals(), std::vector<const orv::Entity*>{d});
    EXPECT_EQ(locals[1]->findPortal(5), sf::Vector2f(2.f, 0.f));
}

} // namespace
