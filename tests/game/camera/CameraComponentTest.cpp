#include "game/camera/CameraComponent.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/camera/CameraEntity.hpp"
#include "game/render/RenderComponent.hpp"

#include <SFML/Graphics/RenderTarget.hpp>
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using tarsk::CameraComponent;

namespace {

// A target without a window: SFML hands each drawable straight to its draw().
class FakeTarget : public sf::RenderTarget {
public:
    FakeTarget() { initialize(); }
    sf::Vector2u getSize() const override { return {640, 360}; }
    bool setActive(bool) override { return true; }
};

struct Draw {
    std::string name;
    sf::Vector2f viewCentre;
    sf::BlendMode blend;
};

// Records each draw with the view the target had at that moment.
class Recorder : public sf::Drawable {
public:
    Recorder(std::vector<Draw>& draws, std::string name) : draws(draws), name(std::move(name)) {}

protected:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override {
        draws.push_back({name, target.getView().getCenter(), states.blendMode});
    }

private:
    std::vector<Draw>& draws;
    std::string name;
};

orv::TransformationComponent* transformOf(const orv::Entity& entity) {
    return entity.getComponent<orv::TransformationComponent>();
}
const sf::View& viewOf(const orv::Entity& entity) {
    return entity.getComponent<CameraComponent>()->getView();
}

TEST(CameraEntity, Shows80By45UnitsAroundItsEntity) {
    const auto camera = tarsk::createCameraEntity();
    EXPECT_TRUE(camera->getInitStatus());
    EXPECT_EQ(viewOf(*camera).getSize(), sf::Vector2f(1280.f, 720.f));
    EXPECT_EQ(viewOf(*camera).getCenter(), sf::Vector2f(0.f, 0.f));
    EXPECT_EQ(viewOf(*camera).getViewport(), sf::FloatRect(0.f, 0.f, 1.f, 1.f));
    EXPECT_EQ(transformOf(*camera)->getScale(), sf::Vector2f(1.f, 1.f));
    EXPECT_EQ(camera->getComponent<CameraComponent>()->getViewSize(), sf::Vector2f(80.f, 45.f));
}

TEST(CameraComponent, ViewFollowsItsOwnTransform) {
    const auto camera = tarsk::createCameraEntity();
    auto* transform = transformOf(*camera);
    transform->setScale({2.f, 2.f});
    EXPECT_EQ(viewOf(*camera).getSize(), sf::Vector2f(160.f * 16.f, 90.f * 16.f));
    transform->setPosition({3.f, -1.f, 7.f});
    EXPECT_EQ(viewOf(*camera).getCenter(), sf::Vector2f(48.f, -16.f));
    transform->getRotationChangedSignal().emit(30.f);
    EXPECT_EQ(viewOf(*camera).getRotation(), 30.f);

    // A new view size waits for the next scale change.
    auto* component = camera->getComponent<CameraComponent>();
    component->setViewSize({10.f, 5.f});
    EXPECT_EQ(viewOf(*camera).getSize(), sf::Vector2f(160.f * 16.f, 90.f * 16.f));
    transform->setScale({1.f, 0.5f});
    EXPECT_EQ(viewOf(*camera).getSize(), sf::Vector2f(160.f, 40.f));
}

TEST(CameraComponent, InitialViewComesFromTheTransformAtInit) {
    orv::Entity entity;
    auto* transform = entity.addComponent<orv::TransformationComponent>();
    transform->setPosition({1.f, 2.f, 0.f});
    transform->setScale({0.5f, 1.f});
    transform->setRotation(90.f);
    entity.addComponent<CameraComponent>()->setViewSize({20.f, 10.f});
    entity.init();
    EXPECT_EQ(viewOf(entity).getCenter(), sf::Vector2f(16.f, 32.f));
    EXPECT_EQ(viewOf(entity).getSize(), sf::Vector2f(160.f, 160.f));
    EXPECT_EQ(viewOf(entity).getRotation(), 90.f);
}

struct Tracked {
    Tracked() {
        entity.addComponent<orv::TransformationComponent>()->setPosition({5.f, 5.f, 2.f});
        entity.init();
    }
    orv::TransformationComponent* transform() const { return transformOf(entity); }
    orv::Entity entity;
};

TEST(CameraComponent, TrackingMovesTheCameraAtTheNextMoveOnly) {
    const auto camera = tarsk::createCameraEntity();
    auto* component = camera->getComponent<CameraComponent>();
    Tracked player;
    component->trackEntityPosition(&player.entity);
    EXPECT_EQ(transformOf(*camera)->getPosition(), sf::Vector3f(0.f, 0.f, 0.f));

    player.transform()->setPositionXY({6.f, -2.f});
    EXPECT_EQ(transformOf(*camera)->getPosition(), sf::Vector3f(6.f, -2.f, 2.f));
    EXPECT_EQ(viewOf(*camera).getCenter(), sf::Vector2f(96.f, -32.f));
}

TEST(CameraComponent, TrackingAnotherOrNothingDropsTheEarlierEntity) {
    const auto camera = tarsk::createCameraEntity();
    auto* component = camera->getComponent<CameraComponent>();
    Tracked first, second;
    component->trackEntityPosition(&first.entity);
    component->trackEntityPosition(&second.entity);
    first.transform()->setPositionXY({1.f, 1.f});
    EXPECT_EQ(transformOf(*camera)->getPositionXY(), sf::Vector2f(0.f, 0.f));
    second.transform()->setPositionXY({2.f, 2.f});
    EXPECT_EQ(transformOf(*camera)->getPositionXY(), sf::Vector2f(2.f, 2.f));

    component->trackEntityPosition(nullptr);
    second.transform()->setPositionXY({3.f, 3.f});
    EXPECT_EQ(transformOf(*camera)->getPositionXY(), sf::Vector2f(2.f, 2.f));
    EXPECT_EQ(second.transform()->getPositionChangedSignal().getSlotCount(), 0u);
}

TEST(CameraComponent, TrackingOutlivesTheTrackedEntity) {
    const auto camera = tarsk::createCameraEntity();
    auto* component = camera->getComponent<CameraComponent>();
    {
        Tracked gone;
        component->trackEntityPosition(&gone.entity);
    }
    component->trackEntityPosition(nullptr); // must not touch the dead signal
    Tracked next;
    component->trackEntityPosition(&next.entity);
    next.transform()->setPositionXY({4.f, 0.f});
    EXPECT_EQ(transformOf(*camera)->getPositionXY(), sf::Vector2f(4.f, 0.f));
}

TEST(CameraComponent, CannotTrackItselfOrTrackBeforeInit) {
    const auto camera = tarsk::createCameraEntity();
    EXPECT_THROW(camera->getComponent<CameraComponent>()->trackEntityPosition(camera.get()),
                 std::invalid_argument);
    CameraComponent loose;
    Tracked player;
    EXPECT_THROW(loose.trackEntityPosition(&player.entity), std::logic_error);
}

TEST(CameraComponent, DrawsThroughItsViewInListOrderThenRestoresTheDefault) {
    const auto camera = tarsk::createCameraEntity();
    transformOf(*camera)->setPositionXY({10.f, 0.f});
    auto* component = camera->getComponent<CameraComponent>();

    std::vector<Draw> draws;
    Recorder a(draws, "a"), b(draws, "b"), c(draws, "c");
    tarsk::RenderComponent first, second, empty;
    first.addRenderer(&a);
    first.addRenderer(&b);
    second.addRenderer(&c);
    std::vector<tarsk::RenderSystem::RenderableEntry> list = {
        {nullptr, &second}, {nullptr, &empty}, {nullptr, &first}};

    FakeTarget target;
    component->renderRenderables(target, list, sf::RenderStates(sf::BlendAdd));
    ASSERT_EQ(draws.size(), 3u);
    EXPECT_EQ(draws[0].name, "c");
    EXPECT_EQ(draws[1].name, "a");
    EXPECT_EQ(draws[2].name, "b");
    for (const Draw& draw : draws) {
        EXPECT_EQ(draw.viewCentre, sf::Vector2f(160.f, 0.f));
        EXPECT_EQ(draw.blend, sf::BlendAdd);
    }
    EXPECT_EQ(target.getView().getCenter(), target.getDefaultView().getCenter());

    draws.clear();
    component->renderDrawables(target, {&b, nullptr, &a});
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0].name, "b");
    EXPECT_EQ(draws[1].name, "a");
    EXPECT_EQ(draws[0].viewCentre, sf::Vector2f(160.f, 0.f));
    EXPECT_EQ(draws[0].blend, sf::BlendAlpha);
    EXPECT_EQ(target.getView().getCenter(), sf::Vector2f(320.f, 180.f));
}

TEST(CameraComponent, LightMapTextureExistsOnlyOnceRendered) {
    const auto camera = tarsk::createCameraEntity();
    EXPECT_THROW(camera->getComponent<CameraComponent>()->getLightMapTexture(), std::logic_error);
}

} // namespace
