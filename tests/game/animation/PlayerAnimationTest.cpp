#include "game/animation/PlayerAnimation.hpp"
#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/animation/AnimationComponent.hpp"
#include "game/animation/AnimationDataManager.hpp"
#include "game/animation/AnimationSystem.hpp"
#include "game/orientation/OrientationComponent.hpp"
#include "game/render/RenderComponent.hpp"
#include "game/render/SpriteComponent.hpp"
#include "game/time/TimeSystem.hpp"
#include "support/TempFolder.hpp"

#include <SFML/Graphics/Image.hpp>
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

using nlohmann::json;
using tarsk::AnimationComponent;
using tarsk::AnimationDataManager;
using tarsk::OrientationComponent;
using tarsk::PlayerAnimation;

namespace {

// A player sheet of eight 16 × 32 frames, in a folder of its own.
class PlayerSheet {
public:
    PlayerSheet() {
        sf::Image image;
        image.create(128, 32, sf::Color::White);
        EXPECT_TRUE(image.saveToFile(path));
    }

    testsupport::TempFolder folder;
    std::string path = (folder / "player.png").string();
};

class PlayerAnimationTest : public ::testing::Test {
protected:
    PlayerAnimationTest() {
        time = world.registerSystem<tarsk::TimeSystem>();
        world.registerSystem<tarsk::AnimationSystem>();
        world.initSystems();
    }

    // The player as its factory builds it: transform, render, sprite of the first frame,
    // orientation and the animation.
    const orv::Entity* addPlayer(bool withSprite = true, bool withOrientation = true) {
        auto entity = std::make_unique<orv::Entity>();
        entity->addComponent<orv::TransformationComponent>()->setPosition({2.f, 3.f, 0.f});
        entity->addComponent<tarsk::RenderComponent>();
        if (withSprite) {
            tarsk::SpriteDescription description;
            description.textureResourceId = sheet.path;
            description.textureRect = {0, 0, 16, 32};
            description.baseSize = {16.f, 32.f};
            description.anchor = 5;
            entity->addComponent<tarsk::SpriteComponent>(resources, description);
        }
        if (withOrientation)
            entity->addComponent<OrientationComponent>(OrientationComponent::SOUTH);
        entity->addComponent<AnimationComponent>(animations.createAnimation("PLAYER_ANIMATION_01"));
        entity->init();
        return world.addEntity(std::move(entity));
    }

    PlayerSheet sheet;
    orv::ResourceManager resources;
    AnimationDataManager animations;
    orv::World world;
    tarsk::TimeSystem* time = nullptr;
};

TEST_F(PlayerAnimationTest, EachOfTheEightFacingsShowsItsFrame) {
    const orv::Entity* player = addPlayer();
    auto* orientation = player->getComponent<OrientationComponent>();
    const auto* sprite = player->getComponent<tarsk::SpriteComponent>();
    const struct {
        OrientationComponent::Orientation facing;
        int left;
    } frames[] = {
        {OrientationComponent::SOUTH, 0},       {OrientationComponent::NORTH, 16},
        {OrientationComponent::EAST, 32},       {OrientationComponent::WEST, 48},
        {OrientationComponent::SOUTH_WEST, 64}, {OrientationComponent::SOUTH_EAST, 80},
        {OrientationComponent::NORTH_EAST, 96}, {OrientationComponent::NORTH_WEST, 112},
    };
    // Backwards first, so that no frame is left over from the previous facing by chance.
    for (auto it = std::rbegin(frames); it != std::rend(frames); ++it) {
        orientation->setOrientation(it->facing);
        time->setFrameTime(sf::milliseconds(16));
        world.update();
        EXPECT_EQ(sprite->getSprite().getTextureRect(), sf::IntRect(it->left, 0, 16, 32)) << it->facing;
        // The frame keeps the sprite's size and its foot where the entity stands.
        EXPECT_EQ(sprite->getGlobalBounds(), sf::FloatRect(2.f * 16 - 8, 3.f * 16 - 16, 16, 32))
            << it->facing;
    }
}

TEST_F(PlayerAnimationTest, AnUnknownFacingLeavesTheFrameAsItWas) {
    const orv::Entity* player = addPlayer();
    auto* orientation = player->getComponent<OrientationComponent>();
    orientation->setOrientation(OrientationComponent::EAST);
    world.update();
    orientation->setOrientation(static_cast<OrientationComponent::Orientation>(8));
    world.update();
    EXPECT_EQ(player->getComponent<tarsk::SpriteComponent>()->getSprite().getTextureRect(),
              sf::IntRect(32, 0, 16, 32));
    EXPECT_FALSE(PlayerAnimation::frameFor(8).has_value());
    EXPECT_FALSE(PlayerAnimation::frameFor(0xFFFFFFFFu).has_value());
}

TEST_F(PlayerAnimationTest, AMissingSpriteOrOrientationFailsAtTheFirstUpdate) {
    addPlayer(false, true);
    try {
        world.update();
        ADD_FAILURE() << "animated a player without a sprite";
    } catch (const std::logic_error& error) {
        EXPECT_EQ(std::string(error.what()), "Component does not exist. Typename: tarsk::SpriteComponent");
    }

    orv::World other;
    other.registerSystem<tarsk::TimeSystem>();
    other.registerSystem<tarsk::AnimationSystem>();
    other.initSystems();
    auto entity = std::make_unique<orv::Entity>();
    entity->addComponent<AnimationComponent>(animations.createAnimation(PlayerAnimation::Id));
    entity->init();
    other.addEntity(std::move(entity));
    try {
        other.update();
        ADD_FAILURE() << "animated a player without an orientation";
    } catch (const std::logic_error& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Component does not exist. Typename: tarsk::OrientationComponent");
    }
}

TEST(AnimationDataManager, KnowsExactlyThePlayerAnimation) {
    const AnimationDataManager animations;
    ASSERT_EQ(animations.getFactories().size(), 1u);
    EXPECT_EQ(animations.getFactories().front()->getId(), "PLAYER_ANIMATION_01");

    const auto first = animations.createAnimation("PLAYER_ANIMATION_01");
    const auto second = animations.createAnimation("PLAYER_ANIMATION_01");
    EXPECT_NE(dynamic_cast<PlayerAnimation*>(first.get()), nullptr);
    EXPECT_NE(first.get(), second.get());
    EXPECT_EQ(first->getId(), "PLAYER_ANIMATION_01");

    for (const char* unknown : {"player_animation_01", "PLAYER_ANIMATION_02", ""}) {
        try {
            animations.createAnimation(unknown);
            ADD_FAILURE() << "made an animation for " << unknown;
        } catch (const std::runtime_error& error) {
            EXPECT_EQ(std::string(error.what()), std::string("Unknown animation id: ") + unknown);
        }
    }
}

TEST(AnimationComponentJson, BadRecordsAreRefused) {
    const AnimationDataManager animations;
    const auto message = [&](const json& data) -> std::string {
        try {
            AnimationComponent::fromJson(data, animations);
        } catch (const std::exception& error) {
            return error.what();
        }
        return "accepted";
    };
    EXPECT_NE(message("PLAYER_ANIMATION_01").find("type_error.305"), std::string::npos);
    EXPECT_EQ(message(json::object()), "json does not contain required value");
    EXPECT_EQ(message({{"AnimationId", 1}}),
              "[json.exception.type_error.302] type must be string, but is number");
    EXPECT_EQ(message({{"AnimationId", "WALK"}}), "Unknown animation id: WALK");
    EXPECT_THROW(AnimationComponent(nullptr), std::invalid_argument);
}

} // namespace
