#include "app/support/RootHarness.hpp"
#include "engine/ecs/World.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/camera/CameraEntity.hpp"

#include <gtest/gtest.h>

namespace {

struct Camera : testing::Test {
    Camera() {
        harness.start();
        world.initSystems();
        entity = world.addEntity(tarsk::createCameraEntity());
        camera().getChangedSignal().connect([this] { ++changes; });
    }
    tarsk::ActiveCamera& camera() { return harness.root->getActiveCamera(); }
    orv::Entity* mutableEntity() { return const_cast<orv::Entity*>(entity); }

    apptest::RootHarness harness;
    orv::World world;
    const orv::Entity* entity = nullptr;
    int changes = 0;
};

TEST_F(Camera, SetAndClearAnnounceEveryChange) {
    EXPECT_FALSE(camera().has());
    camera().set(mutableEntity());
    EXPECT_TRUE(camera().has());
    EXPECT_EQ(camera().getCamera(), entity);
    camera().set(mutableEntity());
    EXPECT_EQ(changes, 2);
    camera().clear();
    EXPECT_FALSE(camera().has());
    EXPECT_EQ(changes, 3);
}

TEST_F(Camera, ClearingMarksTheCameraEntityForRemovalFromItsWorld) {
    camera().set(mutableEntity());
    camera().clear();
    ASSERT_EQ(world.getMarkedForRemoval().size(), 1u);
    EXPECT_EQ(world.getMarkedForRemoval().front(), entity);
    // Without a camera there is nothing to mark, but the clear is still announced.
    camera().clear();
    EXPECT_EQ(world.getMarkedForRemoval().size(), 1u);
    EXPECT_EQ(changes, 3);
}

TEST_F(Camera, WindowPixelsMapThroughTheCameraViewToWorldUnits) {
    // 1280 × 720 pixels show 80 × 45 units centred on the camera entity.
    mutableEntity()->getComponent<orv::TransformationComponent>()->setPositionXY({10.f, 5.f});
    EXPECT_EQ(camera().mapPixelToCoords({640, 360}, *entity), sf::Vector2f(160.f, 80.f));
    EXPECT_EQ(harness.root->mapPixelToWorld({0, 0}, *entity), sf::Vector2f(-30.f, -17.5f));
    EXPECT_EQ(harness.root->mapPixelToWorld({1280, 720}, *entity), sf::Vector2f(50.f, 27.5f));
}

TEST_F(Camera, TheRootDrawsThroughTheActiveCameraEveryFrame) {
    // A world without a render system cannot be drawn: the lookup error shows the pass ran.
    camera().set(mutableEntity());
    EXPECT_THROW(harness.frame(), std::logic_error);
}

} // namespace
