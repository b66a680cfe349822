#include "app/root/WorldRenderPass.hpp"
#include "engine/ecs/World.hpp"
#include "engine/physics/PhysicsComponent.hpp"
#include "engine/physics/PhysicsSystem.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/camera/CameraComponent.hpp"
#include "game/camera/CameraEntity.hpp"
#include "game/render/RenderSystem.hpp"

#include <SFML/Graphics/RenderTexture.hpp>
#include <box2d/b2_polygon_shape.h>
#include <gtest/gtest.h>

#include <memory>

namespace {

// A world with a render and a physics system, a camera at the origin and, on request, a static
// 4 × 4 unit box in the middle of the view.
struct Scene {
    explicit Scene(sf::Color ambient) {
        world.registerSystem<tarsk::RenderSystem>()->setAmbientColor(ambient);
        world.registerSystem<orv::PhysicsSystem>();
        world.initSystems();
        camera = world.addEntity(tarsk::createCameraEntity());
    }
    void addBox() {
        auto box = std::make_unique<orv::Entity>();
        box->addComponent<orv::TransformationComponent>();
        b2BodyDef body;
        body.type = b2_staticBody;
        auto shape = std::make_unique<b2PolygonShape>();
        shape->SetAsBox(2.f, 2.f);
        box->addComponent<orv::PhysicsComponent>(body, std::move(shape), b2FixtureDef());
        box->init();
        world.addEntity(std::move(box));
    }

    orv::World world;
    const orv::Entity* camera = nullptr;
};

sf::Image drawn(Scene& scene, bool showPhysics) {
    sf::RenderTexture target;
    EXPECT_TRUE(target.create(160, 90));
    target.clear(sf::Color::White);
    tarsk::WorldRenderPass::draw(target, *scene.camera, showPhysics);
    target.display();
    return target.getTexture().copyToImage();
}

// Nothing to draw to: the size a minimised window reports.
class EmptyTarget final : public sf::RenderTarget {
public:
    EmptyTarget() { initialize(); }
    sf::Vector2u getSize() const override { return {0, 0}; }
    bool setActive(bool) override { return true; }
};

TEST(WorldRenderPass, AmbientLightIsMultipliedOverTheWholeTarget) {
    Scene scene(sf::Color(255, 128, 0));
    const sf::Image image = drawn(scene, false);
    for (sf::Vector2u pixel : {sf::Vector2u(0, 0), sf::Vector2u(80, 45), sf::Vector2u(159, 89)}) {
        const sf::Color colour = image.getPixel(pixel.x, pixel.y);
        EXPECT_EQ(colour.r, 255) << pixel.x << "," << pixel.y;
        EXPECT_NEAR(colour.g, 128, 1) << pixel.x << "," << pixel.y;
        EXPECT_EQ(colour.b, 0) << pixel.x << "," << pixel.y;
    }
}

TEST(WorldRenderPass, PhysicsShapesShowOnlyWhenAskedFor) {
    Scene scene(sf::Color::White);
    scene.addBox();
    const sf::Image plain = drawn(scene, false);
    EXPECT_EQ(plain.getPixel(80, 45), sf::Color::White);
    const sf::Image shapes = drawn(scene, true);
    // The box spans 4 of the view's 80 units around its centre: 8 of 160 pixels.
    int changed = 0;
    for (unsigned x = 60; x < 100; ++x)
        for (unsigned y = 30; y < 60; ++y)
            changed += shapes.getPixel(x, y) != sf::Color::White;
    EXPECT_GT(changed, 0);
    EXPECT_EQ(shapes.getPixel(2, 2), sf::Color::White);
    EXPECT_EQ(shapes.getPixel(157, 87), sf::Color::White);
}

TEST(WorldRenderPass, NoLightMapForATargetWithoutPixels) {
    Scene scene(sf::Color::Black);
    EmptyTarget target;
    EXPECT_NO_THROW(tarsk::WorldRenderPass::draw(target, *scene.camera, false));
    EXPECT_THROW(scene.camera->getComponent<tarsk::CameraComponent>()->getLightMapTexture(),
                 std::logic_error);
}

TEST(WorldRenderPass, CameraOutsideAWorldOrWithoutItsSystemsIsALogicError) {
    auto loose = tarsk::createCameraEntity();
    sf::RenderTexture target;
    ASSERT_TRUE(target.create(8, 8));
    EXPECT_THROW(tarsk::WorldRenderPass::draw(target, *loose, false), std::logic_error);

    orv::World bare;
    bare.initSystems();
    const orv::Entity* camera = bare.addEntity(tarsk::createCameraEntity());
    EXPECT_THROW(tarsk::WorldRenderPass::draw(target, *camera, false), std::logic_error);
}

} // namespace
