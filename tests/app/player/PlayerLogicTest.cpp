#include "app/input/InputEngine.hpp"
#include "app/input/ScriptedInputDevice.hpp"
#include "app/player/ActionList.hpp"
#include "app/player/EntityControllerGameState.hpp"
#include "app/player/PlayerFacing.hpp"
#include "engine/ecs/Entity.hpp"
#include "engine/physics/PhysicsComponent.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "ui/Desktop.hpp"
#include "ui/Gui.hpp"

#include <box2d/b2_polygon_shape.h>
#include <box2d/b2_world.h>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using Facing = tarsk::OrientationComponent;

TEST(PlayerFacing, EachDirectionOwnsTheSectorAroundIt) {
    const sf::Vector2f player{10.f, -4.f};
    struct Case {
        sf::Vector2f offset;
        Facing::Orientation expected;
    };
    // y points down the screen: a negative offset is above the player.
    const std::vector<Case> cases = {
        {{5.f, 0.f}, Facing::EAST},
        {{0.f, -5.f}, Facing::NORTH},
        {{-5.f, 0.f}, Facing::WEST},
        {{0.f, 5.f}, Facing::SOUTH},
        {{3.f, -3.f}, Facing::NORTH_EAST},
        {{3.f, 3.f}, Facing::SOUTH_EAST},
        {{-3.f, -3.f}, Facing::NORTH_WEST},
        {{-3.f, 3.f}, Facing::SOUTH_WEST},
        // 20 degrees off the axis still faces along it; 25 degrees is the diagonal's.
        {{10.f, 3.64f}, Facing::EAST},
        {{10.f, 4.66f}, Facing::SOUTH_EAST},
    };
    for (const Case& c : cases)
        EXPECT_EQ(tarsk::playerFacingTowards(player, player + c.offset), c.expected)
            << c.offset.x << ", " << c.offset.y;
}

// Records what it was asked to do.
struct FakeAction final : tarsk::Action {
    FakeAction(std::string description, sf::FloatRect bounds, std::vector<std::string>& log)
        : description(std::move(description)), bounds(bounds), log(log) {}
    std::string getDescription() const override { return description; }
    sf::FloatRect getTargetBounds() const override { return bounds; }
    void execute() override { log.push_back(description); }

    std::string description;
    sf::FloatRect bounds;
    std::vector<std::string>& log;
};

struct ActionListTest : testing::Test {
    tarsk::ActionList::Actions offer(std::vector<std::string> names,
                                     sf::FloatRect bounds = {0.f, 0.f, 1.f, 1.f}) {
        tarsk::ActionList::Actions actions;
        for (std::string& name : names)
            actions.push_back(std::make_unique<FakeAction>(std::move(name), bounds, log));
        return actions;
    }
    std::vector<std::string> log;
    tarsk::ActionList list;
};

TEST_F(ActionListTest, TheSameOfferKeepsTheObjectsAndAChangedOneReplacesThem) {
    EXPECT_TRUE(list.offer(offer({"Pick up", "Talk to"})));
    const tarsk::Action* first = list.getActions().at(0).get();
    EXPECT_FALSE(list.offer(offer({"Pick up", "Talk to"})));
    EXPECT_EQ(list.getActions().at(0).get(), first);

    EXPECT_TRUE(list.offer(offer({"Talk to", "Pick up"})));
    EXPECT_EQ(list.getActions().at(0)->getDescription(), "Talk to");
    // Same words for a thing elsewhere: another target, so the old objects go.
    const tarsk::Action* talk = list.getActions().at(0).get();
    EXPECT_TRUE(list.offer(offer({"Talk to", "Pick up"}, {5.f, 5.f, 1.f, 1.f})));
    EXPECT_NE(list.getActions().at(0).get(), talk);

    EXPECT_TRUE(list.offer({}));
    EXPECT_TRUE(list.getActions().empty());
}

TEST_F(ActionListTest, RunningTheFirstActionDropsTheListSoNothingStaleRunsAgain) {
    EXPECT_FALSE(list.executeFirst());
    EXPECT_TRUE(log.empty());

    list.offer(offer({"Pick up", "Cook"}));
    EXPECT_TRUE(list.executeFirst());
    EXPECT_EQ(log, std::vector<std::string>{"Pick up"});
    EXPECT_TRUE(list.getActions().empty());
    EXPECT_FALSE(list.executeFirst());
    // The next frame's identical offer is taken afresh.
    EXPECT_TRUE(list.offer(offer({"Pick up", "Cook"})));
}

// A body in a bare Box2D world, driven through the input engine's held signals.
struct Controller : testing::Test {
    static constexpr float Mass = 40.f; // 2 x 2 box at density 10
    // Small enough that no push reaches Box2D's limit on movement per step.
    static constexpr float Step = 1.f / 60.f;

    Controller()
        : input(window, desktop, gui, std::make_unique<apptest::ScriptedInputDevice>(device)),
          state(&entity, &input, frameTime) {
        b2BodyDef body;
        body.type = b2_dynamicBody;
        body.allowSleep = true;
        auto shape = std::make_unique<b2PolygonShape>();
        shape->SetAsBox(1.f, 1.f);
        b2FixtureDef fixture;
        fixture.density = 10.f;
        entity.addComponent<orv::TransformationComponent>();
        entity.addComponent(orv::PhysicsComponent::make(body, std::move(shape), fixture),
                            typeid(orv::PhysicsComponent));
        entity.init();
        entity.getComponent<orv::PhysicsComponent>()->addToSimulation(world, &entity);
        state.init();
    }
    ~Controller() override { entity.getComponent<orv::PhysicsComponent>()->removeFromSimulation(world); }

    void hold(std::vector<sf::Keyboard::Key> keys) {
        for (sf::Keyboard::Key key : keys) {
            device.keys.insert(key);
            sf::Event event{};
            event.type = sf::Event::KeyPressed;
            event.key.code = key;
            input.handleEvent(event);
        }
    }
    void releaseAll() {
        for (unsigned key : std::set<unsigned>(device.keys)) {
            device.keys.erase(key);
            sf::Event event{};
            event.type = sf::Event::KeyReleased;
            event.key.code = static_cast<sf::Keyboard::Key>(key);
            input.handleEvent(event);
        }
    }
    // One frame: held signals, the controller, one step. The force per frame, read back from the
    // velocity it adds.
    sf::Vector2f frame() {
        b2Body* body = entity.getComponent<orv::PhysicsComponent>()->getBody();
        body->SetLinearVelocity({0.f, 0.f});
        input.update();
        state.update();
        world.Step(Step, 8, 3);
        const b2Vec2 v = body->GetLinearVelocity();
        return {v.x * Mass / Step, v.y * Mass / Step};
    }

    apptest::DeviceState device;
    sf::RenderWindow window;
    ui::Desktop desktop;
    ui::Gui gui;
    tarsk::InputEngine input;
    sf::Time frameTime = sf::milliseconds(16);
    b2World world{b2Vec2(0.f, 0.f)};
    orv::Entity entity;
    tarsk::EntityControllerGameState state;
};

void expectForce(sf::Vector2f actual, sf::Vector2f expected) {
    EXPECT_NEAR(actual.x, expected.x, 1.f);
    EXPECT_NEAR(actual.y, expected.y, 1.f);
}

TEST_F(Controller, KeysPushAlongTheirAxisAndModifiersScaleThePush) {
    hold({sf::Keyboard::W});
    expectForce(frame(), {0.f, -18000.f});
    hold({sf::Keyboard::LShift});
    expectForce(frame(), {0.f, -36000.f});
    releaseAll();
    hold({sf::Keyboard::W, sf::Keyboard::LControl});
    expectForce(frame(), {0.f, -4500.f});
    hold({sf::Keyboard::LShift});
    expectForce(frame(), {0.f, -36000.f});
    releaseAll();
    hold({sf::Keyboard::A, sf::Keyboard::D, sf::Keyboard::W, sf::Keyboard::S});
    expectForce(frame(), {18000.f, -18000.f});
}

TEST_F(Controller, ThePushLastsOneFrame) {
    hold({sf::Keyboard::D});
    expectForce(frame(), {18000.f, 0.f});
    // Released while the window was not looking: the device says up, so no push.
    device.keys.clear();
    expectForce(frame(), {0.f, 0.f});
}

TEST_F(Controller, ASleepingBodyIsWokenByThePush) {
    b2Body* body = entity.getComponent<orv::PhysicsComponent>()->getBody();
    body->SetAwake(false);
    hold({sf::Keyboard::S});
    expectForce(frame(), {0.f, 18000.f});
}

} // namespace
