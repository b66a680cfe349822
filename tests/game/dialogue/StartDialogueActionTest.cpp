#include "game/dialogue/StartDialogueAction.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/physics/PhysicsComponent.hpp"
#include "engine/physics/PhysicsSystem.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/dialogue/DialogueReceiverComponent.hpp"
#include "game/dialogue/DialogueSenderComponent.hpp"

#include "game/render/SpriteTestSupport.hpp"

#include <box2d/b2_polygon_shape.h>
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using tarsk::DialogueReceiverComponent;
using tarsk::DialogueSenderComponent;
using tarsk::StartDialogueAction;

namespace {

void expectRect(const sf::FloatRect& actual, const sf::FloatRect& expected, float tolerance = 1e-5f) {
    EXPECT_NEAR(actual.left, expected.left, tolerance);
    EXPECT_NEAR(actual.top, expected.top, tolerance);
    EXPECT_NEAR(actual.width, expected.width, tolerance);
    EXPECT_NEAR(actual.height, expected.height, tolerance);
}

std::unique_ptr<orv::PhysicsComponent> box(float halfWidth, float halfHeight, b2Vec2 centre) {
    auto shape = std::make_unique<b2PolygonShape>();
    shape->SetAsBox(halfWidth, halfHeight, centre, 0.f);
    return orv::PhysicsComponent::make(b2BodyDef{}, std::move(shape), b2FixtureDef{});
}

class StartDialogueActionTest : public ::testing::Test {
protected:
    StartDialogueActionTest() {
        player.addComponent<DialogueReceiverComponent>();
        player.init();
        player.getComponent<DialogueReceiverComponent>()->dialogueRequested.connect(
            [this](const std::string& id) { requested.push_back(id); });
    }

    std::unique_ptr<orv::Entity> oldMan(sf::Vector2f at) {
        auto entity = std::make_unique<orv::Entity>();
        entity->addComponent<orv::TransformationComponent>()->setPositionXY(at);
        entity->addComponent<DialogueSenderComponent>("OLD_MAN_DIALOGUE_01");
        return entity;
    }

    orv::Entity player;
    std::vector<std::string> requested;
};

TEST_F(StartDialogueActionTest, OfferedOnlyBetweenAReceiverAndASender) {
    auto man = oldMan({});
    man->init();
    orv::Entity mute;
    mute.init();

    auto action = StartDialogueAction::makeFor(&player, man.get());
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->getDescription(), "Talk to");
    EXPECT_EQ(StartDialogueAction::makeFor(&player, &mute), nullptr);
    EXPECT_EQ(StartDialogueAction::makeFor(man.get(), man.get()), nullptr);
    EXPECT_EQ(StartDialogueAction::makeFor(&player, nullptr), nullptr);
}

TEST_F(StartDialogueActionTest, ExecutingAsksThePlayerToOpenTheTargetsDialogue) {
    auto man = oldMan({});
    man->init();
    StartDialogueAction talk(&player, man.get());
    talk.execute();
    talk.execute();
    EXPECT_EQ(requested, (std::vector<std::string>{"OLD_MAN_DIALOGUE_01", "OLD_MAN_DIALOGUE_01"}));

    orv::Entity mute;
    mute.init();
    EXPECT_THROW(StartDialogueAction(&player, &mute).execute(), std::logic_error);
    EXPECT_THROW(StartDialogueAction(man.get(), man.get()).execute(), std::logic_error);
    EXPECT_EQ(requested.size(), 2u);
}

TEST_F(StartDialogueActionTest, TargetWithNeitherSpriteNorBodyHasAnEmptyRectangle) {
    auto man = oldMan({4.f, 4.f});
    man->init();
    expectRect(StartDialogueAction(&player, man.get()).getTargetBounds(), {0.f, 0.f, 0.f, 0.f});

    // A body that is not in a simulation yet has no place either.
    auto waiting = oldMan({4.f, 4.f});
    waiting->addComponent(box(1.f, 1.f, {0.f, 0.f}), typeid(orv::PhysicsComponent));
    waiting->init();
    expectRect(StartDialogueAction(&player, waiting.get()).getTargetBounds(), {0.f, 0.f, 0.f, 0.f});
}

TEST_F(StartDialogueActionTest, BodyBoxInWorldUnitsWithoutASprite) {
    orv::World world;
    world.registerSystem<orv::PhysicsSystem>();
    world.initSystems();
    auto man = oldMan({2.f, 3.f});
    man->addComponent(box(0.5f, 0.25f, {0.f, -0.25f}), typeid(orv::PhysicsComponent));
    man->init();
    const orv::Entity* placed = world.addEntity(std::move(man));

    // Box2D pads polygons by its skin radius of 0.01.
    expectRect(StartDialogueAction(&player, placed).getTargetBounds(), {1.49f, 2.49f, 1.02f, 0.52f}, 1e-4f);
}

TEST_F(StartDialogueActionTest, SpriteBoundsWinOverTheBodyAndAreScaledToWorldUnits) {
    spritetest::TextureFiles files;
    orv::ResourceManager resources;
    tarsk::SpriteDescription description = spritetest::describe(files.add("old_man", 16, 32), 4);
    description.baseSize = {16.f, 32.f};
    auto man = spritetest::spriteEntity(resources, description, {2.f, 3.f, 0.f});
    man->addComponent<DialogueSenderComponent>("OLD_MAN_DIALOGUE_01");
    man->addComponent(box(0.5f, 0.25f, {0.f, 0.f}), typeid(orv::PhysicsComponent));
    man->init();

    // Centred on (2, 3) units, one unit wide and two high.
    expectRect(StartDialogueAction(&player, man.get()).getTargetBounds(), {1.5f, 2.f, 1.f, 2.f});
}

} // namespace
