#include "app/root/WorldRenderPass.hpp"
#include "engine/ecs/World.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "game/camera/CameraComponent.hpp"
#include "game/camera/CameraEntity.hpp"
#include "game/lights/LightComponent.hpp"
#include "game/lights/PointSpotLight.hpp"
#include "game/render/RenderSystem.hpp"

#include "game/render/SpriteTestSupport.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

const sf::Color sand(200, 180, 120), leaves(30, 140, 50), shirt(220, 40, 40);
const sf::Color ambient(60, 60, 110);

// What the multiplied light map leaves of a colour under a light colour.
sf::Color lit(sf::Color colour, sf::Color light) {
    auto channel = [](int c, int l) {
        return sf::Uint8((c * l + 127) / 255);
    };
    return {channel(colour.r, light.r), channel(colour.g, light.g), channel(colour.b, light.b)};
}

void expectNear(sf::Color actual, sf::Color expected, const char* what) {
    EXPECT_LE(std::abs(int(actual.r) - int(expected.r)), 2) << what;
    EXPECT_LE(std::abs(int(actual.g) - int(expected.g)), 2) << what;
    EXPECT_LE(std::abs(int(actual.b) - int(expected.b)), 2) << what;
}

// A world with sand, a tree, a figure in front of its trunk and a lamp, seen through a camera
// showing 20 × 11.25 units on a 640 × 360 target (32 screen pixels a unit).
struct Scene {
    Scene() {
        renderSystem = world.registerSystem<tarsk::RenderSystem>();
        world.initSystems();
        renderSystem->setAmbientColor(ambient);

        // Added front to back: the draw order must come from sorting, not from arrival.
        tarsk::SpriteDescription figure = spritetest::describe(files.add("figure", 16, 16, shirt), 5);
        world.addEntity(init(spritetest::spriteEntity(resources, figure, {-3.f, 0.25f, 0.f})));

        tarsk::SpriteDescription tree = spritetest::describe(files.add("tree", 16, 32, leaves), 5);
        tree.baseSize = {16.f, 32.f};
        world.addEntity(init(spritetest::spriteEntity(resources, tree, {-3.f, -1.f, 0.f})));

        tarsk::SpriteDescription ground = spritetest::describe(files.add("sand", 8, 8, sand));
        world.addEntity(init(spritetest::spriteEntity(resources, ground, {0.f, 0.f, -10.f}, {20.f, 12.f})));

        auto lamp = std::make_unique<orv::Entity>();
        lamp->addComponent<orv::TransformationComponent>()->setPosition({4.f, -2.f, 0.f});
        lamp->addComponent<tarsk::LightComponent>(
            std::make_unique<tarsk::PointSpotLight>(2.f, 0.5f, sf::Color(255, 220, 150)));
        lamp->init();
        world.addEntity(std::move(lamp));

        auto lens = tarsk::createCameraEntity();
        lens->getComponent<tarsk::CameraComponent>()->setViewSize({20.f, 11.25f});
        lens->getComponent<orv::TransformationComponent>()->setScale({1.f, 1.f});
        camera = world.addEntity(std::move(lens));
    }

    static std::unique_ptr<orv::Entity> init(std::unique_ptr<orv::Entity> entity) {
        entity->init();
        return entity;
    }

    // Screen pixel of a world pixel.
    static sf::Color at(const sf::Image& shot, float worldX, float worldY) {
        return shot.getPixel(unsigned((worldX + 160.f) * 2.f), unsigned((worldY + 90.f) * 2.f));
    }

    spritetest::TextureFiles files;
    orv::ResourceManager resources;
    orv::World world;
    tarsk::RenderSystem* renderSystem = nullptr;
    const orv::Entity* camera = nullptr;
};

TEST(SceneRender, SpritesInDrawOrderUnderTheLightMap) {
    Scene scene;
    sf::RenderTexture target;
    ASSERT_TRUE(target.create(640, 360));
    target.clear(sf::Color::White);
    tarsk::WorldRenderPass::draw(target, *scene.camera, false);
    target.display();
    const sf::Image shot = target.getTexture().copyToImage();
    const auto path = std::filesystem::current_path() / "scene.png";
    EXPECT_TRUE(shot.saveToFile(path.string()));

    // Sand in the dark, and in full light under the lamp (ambient + lamp saturates to white).
    expectNear(Scene::at(shot, 120.f, 60.f), lit(sand, ambient), "dark sand");
    expectNear(Scene::at(shot, 64.f, -32.f), sand, "lit sand");
    // The mirror image of the lamp's place is dark: the light map is not upside down.
    expectNear(Scene::at(shot, 64.f, 32.f), lit(sand, ambient), "sand below the lamp");
    // The tree's crown, and the figure standing in front of its trunk.
    expectNear(Scene::at(shot, -48.f, -20.f), lit(leaves, ambient), "tree");
    expectNear(Scene::at(shot, -48.f, -2.f), lit(shirt, ambient), "figure over the trunk");
    expectNear(Scene::at(shot, -48.f, 10.f), lit(shirt, ambient), "figure");
    expectNear(Scene::at(shot, -60.f, -2.f), lit(sand, ambient), "beside the figure");

    // The render pass left the target's view alone.
    EXPECT_EQ(target.getView().getCenter(), target.getDefaultView().getCenter());
}

TEST(SceneRender, OpaqueWhiteAmbientShowsTheSceneUnchanged) {
    Scene scene;
    scene.renderSystem->setAmbientColor(sf::Color::White);
    sf::RenderTexture target;
    ASSERT_TRUE(target.create(640, 360));
    target.clear(sf::Color::White);
    tarsk::WorldRenderPass::draw(target, *scene.camera, false);
    target.display();
    const sf::Image shot = target.getTexture().copyToImage();
    EXPECT_EQ(Scene::at(shot, 120.f, 60.f), sand);
    EXPECT_EQ(Scene::at(shot, -48.f, -20.f), leaves);
}

} // namespace
