#include "game/combat/Attack.hpp"

#include "engine/ecs/World.hpp"

#include <gtest/gtest.h>

namespace {

// Counts its blows and can be held back by its own readiness condition.
class CountingAttack : public tarsk::Attack {
public:
    explicit CountingAttack(sf::Time cooldown) : Attack(cooldown) {}
    const std::string& getName() const override { return name; }
    bool canPerform() const override { return allowed; }
    tarsk::AttackResult perform(orv::World&, const orv::Entity*) override {
        ++performed;
        return {};
    }

    std::string name = "counting";
    bool allowed = true;
    int performed = 0;
};

} // namespace

TEST(AttackCooldown, ReadyOnceTheWholeCooldownHasPassedSinceTheLastBlow) {
    orv::World world;
    CountingAttack attack(sf::milliseconds(200));
    // A new attack counts as just used.
    EXPECT_FALSE(attack.isReady());
    attack.updateCooldown(sf::milliseconds(250));
    EXPECT_TRUE(attack.isReady());

    attack.execute(world, nullptr);
    EXPECT_EQ(attack.performed, 1);
    EXPECT_FALSE(attack.isReady());
    attack.updateCooldown(sf::milliseconds(199));
    EXPECT_FALSE(attack.isReady());
    attack.updateCooldown(sf::milliseconds(1));
    EXPECT_TRUE(attack.isReady());
    EXPECT_EQ(attack.getSinceLastUse(), sf::milliseconds(200));
}

TEST(AttackCooldown, ExecutingIgnoresReadinessAndRestartsTheCooldown) {
    orv::World world;
    CountingAttack attack(sf::seconds(2));
    attack.updateCooldown(sf::seconds(1));
    attack.execute(world, nullptr);
    EXPECT_EQ(attack.performed, 1);
    EXPECT_EQ(attack.getSinceLastUse(), sf::Time::Zero);

    attack.updateCooldown(sf::seconds(5));
    attack.allowed = false;
    EXPECT_FALSE(attack.isReady());
}
