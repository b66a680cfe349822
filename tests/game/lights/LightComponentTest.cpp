#include "game/lights/LightComponent.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/lights/LoadLight.hpp"
#include "game/lights/PointSpotLight.hpp"

#include <gtest/gtest.h>

#include <stdexcept>

using tarsk::LightComponent;
using tarsk::PointSpotLight;

namespace {

std::unique_ptr<PointSpotLight> lightAt(sf::Vector2f position) {
    auto light = std::make_unique<PointSpotLight>(3.f, 0.5f, sf::Color(250, 120, 20));
    light->setPosition(position);
    return light;
}

TEST(LightComponent, LightKeepsItsOffsetFromTheMovingEntity) {
    orv::Entity entity;
    auto* transform = entity.addComponent<orv::TransformationComponent>();
    transform->setPosition({10.f, 20.f, 1.f});
    auto* component = entity.addComponent<LightComponent>(lightAt({0.f, -0.5f}));
    EXPECT_EQ(component->getInitialPositionOffset(), sf::Vector2f(0.f, -0.5f));
    entity.init();
    EXPECT_EQ(component->getLight().getPosition(), sf::Vector2f(10.f, 19.5f));

    transform->setPositionXY({-4.f, 2.f});
    EXPECT_EQ(component->getLight().getPosition(), sf::Vector2f(-4.f, 1.5f));
    EXPECT_EQ(component->getInitialPositionOffset(), sf::Vector2f(0.f, -0.5f));
}

TEST(LightComponent, StopsFollowingWhenDestroyed) {
    orv::Entity entity;
    auto* transform = entity.addComponent<orv::TransformationComponent>();
    auto component = std::make_unique<LightComponent>(lightAt({}));
    component->onPreInit(&entity);
    EXPECT_EQ(transform->getPositionChangedSignal().getSlotCount(), 1u);
    component.reset();
    transform->setPositionXY({1.f, 1.f}); // would touch the dead light if still connected
    EXPECT_FALSE(transform->getPositionChangedSignal().isConnected(0));
}

TEST(LightComponent, JsonRoundTripThroughTheLightMaker) {
    LightComponent component(lightAt({0.25f, -0.5f}));
    const nlohmann::json data = component.toJsonData();
    EXPECT_EQ(component.getName(), "light");
    EXPECT_EQ(data.at("initalPositionOffset.x"), 0.25);
    EXPECT_EQ(data.at("initalPositionOffset.y"), -0.5);
    EXPECT_EQ(data.at("light").at("light_type"), "PointSpotLight");

    int made = 0;
    const LightComponent::LightMaker maker = [&made](const nlohmann::json& light) {
        ++made;
        return tarsk::loadLight(light);
    };
    const auto read = LightComponent::fromJson(data, maker);
    EXPECT_EQ(made, 1);
    EXPECT_EQ(read->getInitialPositionOffset(), sf::Vector2f(0.25f, -0.5f));
    EXPECT_EQ(read->toJsonData(), data);
}

TEST(LightComponent, JsonNeedsEveryKey) {
    const nlohmann::json data = LightComponent(lightAt({1.f, 2.f})).toJsonData();
    for (const char* key : {"light", "initalPositionOffset.x", "initalPositionOffset.y"}) {
        nlohmann::json missing = data;
        missing.erase(key);
        EXPECT_THROW(LightComponent::fromJson(missing, tarsk::loadLight), std::logic_error) << key;
    }
}

} // namespace
