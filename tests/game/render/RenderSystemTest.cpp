#include "game/render/RenderSystem.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/lights/LightComponent.hpp"
#include "game/lights/PointSpotLight.hpp"
#include "game/render/RenderComponent.hpp"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <vector>

using tarsk::RenderComponent;
using tarsk::RenderSystem;

namespace {

struct RenderSystemTest : ::testing::Test {
    RenderSystemTest() {
        system = world.registerSystem<RenderSystem>();
        world.initSystems();
    }

    // An entity at the given position (world units) whose render component sorts with offset.
    const orv::Entity* add(sf::Vector3f position, sf::Vector3f offset = {}, bool withLight = false) {
        auto entity = std::make_unique<orv::Entity>();
        entity->addComponent<orv::TransformationComponent>()->setPosition(position);
        entity->addComponent<RenderComponent>()->setSortingOffset(offset);
        if (withLight)
            entity->addComponent<tarsk::LightComponent>(
                std::make_unique<tarsk::PointSpotLight>(1.f, 0.f, sf::Color::White));
        entity->init();
        return world.addEntity(std::move(entity));
    }

    std::vector<const orv::Entity*> order() const {
        std::vector<const orv::Entity*> entities;
        for (const auto& entry : system->getRenderables())
            entities.push_back(entry.entity);
        return entities;
    }

    orv::World world;
    RenderSystem* system = nullptr;
};

TEST_F(RenderSystemTest, ListsRenderablesAndLightsOfArrivingEntities) {
    auto plain = std::make_unique<orv::Entity>();
    plain->addComponent<orv::TransformationComponent>();
    plain->init();
    world.addEntity(std::move(plain));

    auto lamp = std::make_unique<orv::Entity>();
    lamp->addComponent<orv::TransformationComponent>();
    auto* lampLight = lamp->addComponent<tarsk::LightComponent>(
        std::make_unique<tarsk::PointSpotLight>(1.f, 0.f, sf::Color::White));
    lamp->init();
    const orv::Entity* lampEntity = world.addEntity(std::move(lamp));
    const orv::Entity* both = add({}, {}, true);

    ASSERT_EQ(system->getRenderables().size(), 1u);
    EXPECT_EQ(system->getRenderables()[0].entity, both);
    EXPECT_EQ(system->getRenderables()[0].component, both->getComponent<RenderComponent>());
    ASSERT_EQ(system->getLights().size(), 2u);
    EXPECT_EQ(system->getLights()[0].entity, lampEntity);
    EXPECT_EQ(system->getLights()[0].component, lampLight);
    EXPECT_EQ(system->getLights()[1].entity, both);
}

TEST_F(RenderSystemTest, RemovingSomeEntitiesKeepsTheOthersInOrder) {
    const auto* a = add({}, {}, true);
    const auto* b = add({}, {}, true);
    const auto* c = add({}, {}, true);
    const auto* d = add({}, {}, true);
    world.removeEntities({c, a});
    EXPECT_EQ(order(), (std::vector<const orv::Entity*>{b, d}));
    ASSERT_EQ(system->getLights().size(), 2u);
    EXPECT_EQ(system->getLights()[0].entity, b);
    EXPECT_EQ(system->getLights()[1].entity, d);
}

TEST_F(RenderSystemTest, SortsByDepthThenHeightThenLeft) {
    const auto* sprite = add({0.f, 0.f, 0.f});
    const auto* terrain = add({5.f, 5.f, 0.f}, {0.f, 0.f, -100.f});
    const auto* lower = add({0.f, 2.f, 0.f});
    const auto* right = add({1.f, 0.f, 0.f});
    const auto* higher = add({3.f, -1.f, 0.f});
    const auto* tall = add({0.f, 1.f, 0.f}, {0.f, -32.f, 0.f}); // sorts at y = -16 pixels
    auto loose = std::make_unique<orv::Entity>();               // no transform: the offset alone
    loose->addComponent<RenderComponent>()->setSortingOffset({-5.f, 20.f, 0.f});
    loose->init();
    const auto* unplaced = world.addEntity(std::move(loose));
    system->sortRenderables();
    EXPECT_EQ(order(),
              (std::vector<const orv::Entity*>{terrain, tall, higher, sprite, right, unplaced, lower}));
}

TEST_F(RenderSystemTest, SortIsStableAcrossFramesAndFollowsMovement) {
    std::vector<const orv::Entity*> arrival;
    for (int i = 0; i < 40; ++i)
        arrival.push_back(add({float(i % 3), 0.f, 0.f}));
    system->sortRenderables();
    std::vector<const orv::Entity*> expected;
    for (int column = 0; column < 3; ++column) {
        for (int i = column; i < 40; i += 3)
            expected.push_back(arrival[i]);
    }
    EXPECT_EQ(order(), expected);
    system->sortRenderables();
    EXPECT_EQ(order(), expected);

    // The first one walks to the bottom of the screen.
    arrival[0]->getComponent<orv::TransformationComponent>()->setPositionXY({0.f, 10.f});
    system->sortRenderables();
    expected.erase(expected.begin());
    expected.push_back(arrival[0]);
    EXPECT_EQ(order(), expected);
}

TEST_F(RenderSystemTest, NanPositionsSortLastWithoutDisturbingTheRest) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const auto* lost = add({nan, nan, nan});
    const auto* b = add({0.f, 3.f, 0.f});
    const auto* alsoLost = add({0.f, 0.f, nan});
    const auto* a = add({0.f, 1.f, 0.f});
    system->sortRenderables();
    EXPECT_EQ(order(), (std::vector<const orv::Entity*>{a, b, alsoLost, lost}));
}

} // namespace
