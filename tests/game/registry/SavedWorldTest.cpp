#include "game/registry/GameTypeRegistry.hpp"

#include "engine/ecs/World.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/serialization/SerializationManager.hpp"
#include "engine/serialization/WorldReader.hpp"
#include "engine/serialization/WorldWriter.hpp"
#include "engine/tiles/Tileset.hpp"
#include "game/animation/AnimationDataManager.hpp"
#include "game/lights/LightComponent.hpp"
#include "game/orientation/OrientationComponent.hpp"
#include "game/render/RenderComponent.hpp"
#include "game/render/RenderSystem.hpp"
#include "game/render/SpriteComponent.hpp"
#include "game/terrain/DefaultTiles.hpp"

#include "game/render/SpriteTestSupport.hpp"

#include "game/ai/AiManager.hpp"
#include "game/combat/AttackManager.hpp"
#include "game/daynight/DayNightCycleDataManager.hpp"
#include "game/items/ItemManager.hpp"
#include "game/random/RandomNumberGenerator.hpp"

#include <gtest/gtest.h>

using json = nlohmann::json;

namespace {

struct SavedWorld : ::testing::Test {
    SavedWorld()
        : serialization(resources, tarsk::buildComponentRegistry(services()),
                        tarsk::buildWorldSystemRegistry(services()),
                        tarsk::buildGlobalSystemRegistry(services())) {
        tarsk::buildLightRegistry(serialization);
        texture = files.add("tree", 16, 32);
    }

    json treeRecord() const {
        return {{"transform", {{"position", {2.0, 3.0, 0.0}}, {"rotation", 0.0}, {"scale", {1.0, 1.0}}}},
                {"render", {{"sortingOffset.x", 0.0}, {"sortingOffset.y", 16.0}, {"sortingOffset.z", 0.0}}},
                {"sprite",
                 {{"textureResourceId", texture},
                  {"anchor", 5},
                  {"spritePositionOffset.x", 0.0},
                  {"spritePositionOffset.y", 0.0},
                  {"spriteRotationOffset", 0.0},
                  {"spriteBaseSize.x", 16.0},
                  {"spriteBaseSize.y", 32.0},
                  {"textureRect.left", 0},
                  {"textureRect.top", 0},
                  {"textureRect.width", 16},
                  {"textureRect.height", 32}}},
                {"orientation", {{"orientation", 6}}}};
    }

    static json lampRecord() {
        return {{"transform", {{"position", {-1.0, 4.0, 0.0}}, {"rotation", 0.0}, {"scale", {1.0, 1.0}}}},
                {"light",
                 {{"light",
                   {{"light_type", "PointSpotLight"},
                    {"color.r", 255},
                    {"color.g", 160},
                    {"color.b", 60},
                    {"color.a", 255},
                    {"radius", 4.0},
                    {"focus", 0.25}}},
                  {"initalPositionOffset.x", 0.0},
                  {"initalPositionOffset.y", -0.5}}}};
    }

    json worldRecord() const {
        return {{"systems_local", {{{"_SystemTypeId", "RenderSystem"}}}},
                {"entities", {{{"components", treeRecord()}}, {{"components", lampRecord()}}}}};
    }

    tarsk::RegistryServices services() {
        return {resources,
                serialization,
                tileset,
                animations,
                dayNightCycles,
                items,
                ai,
                random,
                [](const std::string&) -> std::unique_ptr<orv::Entity> {
                    throw std::out_of_range("no factories");
                }};
    }

    spritetest::TextureFiles files;
    std::string texture;
    orv::ResourceManager resources;
    orv::Tileset tileset{tarsk::generateDefaultTileDefinitions(), nullptr};
    tarsk::AnimationDataManager animations;
    tarsk::DayNightCycleDataManager dayNightCycles;
    orv::SerializationManager serialization;
    tarsk::ItemManager items{resources, serialization};
    tarsk::RandomNumberGenerator random{7};
    tarsk::AttackManager attacks;
    tarsk::AiManager ai{resources, random, attacks, ORV_SOURCE_DIR "/data/ai"};
};

TEST_F(SavedWorld, ReadsBackDrawableAndLitEntities) {
    const auto world = orv::worldFromJson(serialization, worldRecord());
    auto* render = world->getSystem<tarsk::RenderSystem>();
    ASSERT_EQ(render->getRenderables().size(), 1u);
    ASSERT_EQ(render->getLights().size(), 1u);

    const orv::Entity* tree = render->getRenderables()[0].entity;
    EXPECT_EQ(tree->getComponent<tarsk::RenderComponent>()->getSortPosition(), sf::Vector3f(32.f, 64.f, 0.f));
    const sf::FloatRect bounds = tree->getComponent<tarsk::SpriteComponent>()->getGlobalBounds();
    EXPECT_EQ(bounds, sf::FloatRect(24.f, 32.f, 16.f, 32.f));
    EXPECT_EQ(tree->getComponent<tarsk::OrientationComponent>()->getOrientation(),
              tarsk::OrientationComponent::NORTH_WEST);

    const tarsk::Light& light = render->getLights()[0].component->getLight();
    EXPECT_EQ(light.getPosition(), sf::Vector2f(-1.f, 3.5f));
}

TEST_F(SavedWorld, WritesWhatItRead) {
    const auto world = orv::worldFromJson(serialization, worldRecord());
    const json written = orv::worldToJson(*world);
    EXPECT_EQ(written, worldRecord());
    EXPECT_EQ(orv::worldToJson(*orv::worldFromJson(serialization, written)), written);
}

} // namespace
