#include "game/animation/AnimationSystem.hpp"
#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "game/animation/AnimationComponent.hpp"
#include "game/time/TimeSystem.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

using tarsk::AnimationComponent;
using tarsk::AnimationSystem;

namespace {

struct Call {
    const orv::Entity* entity;
    sf::Time frameTime;
};

// Notes every update it gets.
class RecordingAnimation : public tarsk::Animation {
public:
    explicit RecordingAnimation(std::vector<Call>& log) : Animation("RECORDING"), log(log) {}
    void update(const orv::Entity& entity, sf::Time frameTime) override {
        log.push_back({&entity, frameTime});
    }

private:
    std::vector<Call>& log;
};

class AnimationSystemTest : public ::testing::Test {
protected:
    AnimationSystemTest() {
        time = world.registerSystem<tarsk::TimeSystem>();
        animations = world.registerSystem<AnimationSystem>();
        world.initSystems();
    }

    std::unique_ptr<orv::Entity> animated() {
        auto entity = std::make_unique<orv::Entity>();
        entity->addComponent<AnimationComponent>(std::make_unique<RecordingAnimation>(log));
        entity->init();
        return entity;
    }

    void frame(sf::Time duration) {
        log.clear();
        time->setFrameTime(duration);
        world.update();
    }

    std::vector<const orv::Entity*> updated() const {
        std::vector<const orv::Entity*> entities;
        for (const Call& call : log)
            entities.push_back(call.entity);
        return entities;
    }

    std::vector<Call> log;
    orv::World world;
    tarsk::TimeSystem* time = nullptr;
    AnimationSystem* animations = nullptr;
};

TEST_F(AnimationSystemTest, AnimatesEachAnimatedEntityInArrivalOrderWithGameTime) {
    const orv::Entity* a = world.addEntity(animated());
    auto still = std::make_unique<orv::Entity>();
    still->init();
    world.addEntity(std::move(still));
    std::vector<std::unique_ptr<orv::Entity>> batch;
    batch.push_back(animated());
    batch.push_back(animated());
    const auto bc = world.addEntities(std::move(batch));

    frame(sf::seconds(1.f / 60.f));
    EXPECT_EQ(updated(), (std::vector<const orv::Entity*>{a, bc[0], bc[1]}));
    for (const Call& call : log)
        EXPECT_NEAR(call.frameTime.asSeconds(), 1.6f, 1e-4f);
}

TEST_F(AnimationSystemTest, RemovedEntitiesStopAndTheRestKeepTheirOrder) {
    const orv::Entity* a = world.addEntity(animated());
    const orv::Entity* b = world.addEntity(animated());
    const orv::Entity* c = world.addEntity(animated());
    const orv::Entity* d = world.addEntity(animated());
    world.removeEntities({c, a});
    ASSERT_EQ(animations->getAnimated().size(), 2u);

    frame(sf::milliseconds(10));
    EXPECT_EQ(updated(), (std::vector<const orv::Entity*>{b, d}));
    EXPECT_EQ(log.front().frameTime, sf::milliseconds(960));
}

TEST(AnimationSystemSetup, NeedsTheWorldsTimeSystemAndSeesOnlyLaterEntities) {
    orv::World bare;
    bare.registerSystem<AnimationSystem>();
    EXPECT_THROW(bare.initSystems(), std::logic_error);

    std::vector<Call> log;
    orv::World world;
    auto early = std::make_unique<orv::Entity>();
    early->addComponent<AnimationComponent>(std::make_unique<RecordingAnimation>(log));
    early->init();
    world.addEntity(std::move(early));
    world.registerSystem<tarsk::TimeSystem>();
    auto* system = world.registerSystem<AnimationSystem>();
    world.initSystems();
    world.update();
    EXPECT_TRUE(system->getAnimated().empty());
    EXPECT_TRUE(log.empty());
}

} // namespace
