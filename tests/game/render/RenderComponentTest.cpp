#include "engine/common/JsonError.hpp"
#include "game/render/RenderComponent.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/render/ForwardRenderer.hpp"
#include "engine/render/NullRenderer.hpp"
#include "engine/transform/TransformationComponent.hpp"

#include <SFML/Graphics/RectangleShape.hpp>
#include <gtest/gtest.h>

#include <stdexcept>

using tarsk::RenderComponent;

namespace {

TEST(RenderComponent, WithoutTransformSortsByOffsetAlone) {
    orv::Entity entity;
    auto* render = entity.addComponent<RenderComponent>();
    render->setSortingOffset({3.f, -4.f, 5.f});
    entity.init();
    EXPECT_EQ(render->getSortPosition(), sf::Vector3f(3.f, -4.f, 5.f));
}

TEST(RenderComponent, TransformPositionIsScaledToPixelsBeforeTheOffset) {
    orv::Entity entity;
    auto* transform = entity.addComponent<orv::TransformationComponent>();
    auto* render = entity.addComponent<RenderComponent>();
    render->setSortingOffset({1.f, 8.f, -100.f});
    entity.init();
    transform->setPosition({2.f, 3.f, 0.5f});
    EXPECT_EQ(render->getSortPosition(), sf::Vector3f(33.f, 56.f, -92.f));
    // The sort position is read live, not cached at initialisation.
    transform->setPositionXY({-1.f, 0.f});
    EXPECT_EQ(render->getSortPosition(), sf::Vector3f(-15.f, 8.f, -92.f));
}

TEST(RenderComponent, PartsAreDrawnInOrderOfAddition) {
    RenderComponent render;
    EXPECT_NE(dynamic_cast<orv::NullRenderer*>(&render.getRenderer()), nullptr);

    sf::RectangleShape first, second;
    render.addRenderer(&first);
    render.addRenderer(&second);
    const auto* forward = dynamic_cast<orv::ForwardRenderer*>(&render.getRenderer());
    ASSERT_NE(forward, nullptr);
    EXPECT_EQ(forward->getDrawables(), (std::vector<sf::Drawable*>{&first, &second}));
    EXPECT_EQ(render.getParts(), forward->getDrawables());
}

TEST(RenderComponent, JsonRoundTrip) {
    RenderComponent render;
    render.setSortingOffset({1.5f, -2.f, -100.f});
    const nlohmann::json data = render.toJsonData();
    EXPECT_EQ(data, nlohmann::json::parse(
                        R"({"sortingOffset.x":1.5,"sortingOffset.y":-2.0,"sortingOffset.z":-100.0})"));
    EXPECT_EQ(RenderComponent::fromJson(data)->getSortingOffset(), sf::Vector3f(1.5f, -2.f, -100.f));
    EXPECT_EQ(render.getName(), "render");
}

TEST(RenderComponent, EveryOffsetKeyIsRequired) {
    const nlohmann::json full = {{"sortingOffset.x", 0}, {"sortingOffset.y", 0}, {"sortingOffset.z", 0}};
    for (const char* key : {"sortingOffset.x", "sortingOffset.y", "sortingOffset.z"}) {
        nlohmann::json data = full;
        data.erase(key);
        EXPECT_THROW(RenderComponent::fromJson(data), std::logic_error) << key;
    }
    nlohmann::json wrongType = full;
    wrongType["sortingOffset.y"] = "low";
    EXPECT_THROW(RenderComponent::fromJson(wrongType), orv::JsonError);
}

} // namespace
