#include "game/health/HealthComponent.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

using tarsk::HealthComponent;

namespace {

// What the component announced, in order.
struct Announcements {
    explicit Announcements(HealthComponent& health) {
        health.healthChanged.connect(
            [this](float value) { events.push_back("health " + std::to_string(int(value))); });
        health.died.connect([this] { events.push_back("died"); });
    }
    std::vector<std::string> events;
};

std::string typeErrorOf(const nlohmann::json& data) {
    try {
        HealthComponent::fromJson(data);
    } catch (const std::exception& error) {
        return error.what();
    }
    return "no error";
}

} // namespace

TEST(HealthComponent, DamageStopsAtZeroAndEveryBlowOnTheDeadAnnouncesDeathAgain) {
    HealthComponent health(100, 50);
    Announcements heard(health);
    health.changeHealth(-90);
    health.changeHealth(-25);
    EXPECT_EQ(health.getHealth(), 0.f);
    EXPECT_TRUE(health.isDead());
    health.changeHealth(-5);
    EXPECT_EQ(health.getHealth(), 0.f);
    EXPECT_EQ(heard.events, (std::vector<std::string>{"health 10", "health 0", "died", "health 0", "died"}));
}

TEST(HealthComponent, HealingStopsAtTheMaximumAndRevivesTheDead) {
    HealthComponent health(100, 50);
    health.changeHealth(-10);
    health.changeHealth(30);
    EXPECT_EQ(health.getHealth(), 100.f);
    health.changeHealth(-100);
    ASSERT_TRUE(health.isDead());
    health.changeHealth(0.5f);
    EXPECT_FALSE(health.isDead());
    EXPECT_EQ(health.getStamina(), 50.f);
}

TEST(HealthComponent, ANonFiniteChangeIsRefusedAndLeavesHealthAlone) {
    HealthComponent health(100, 50);
    Announcements heard(health);
    EXPECT_THROW(health.changeHealth(NAN), std::invalid_argument);
    EXPECT_THROW(health.changeHealth(-INFINITY), std::invalid_argument);
    EXPECT_EQ(health.getHealth(), 100.f);
    EXPECT_TRUE(heard.events.empty());
}

TEST(HealthComponent, ReadsCurrentValuesWhenStoredAndTheMaximaOtherwise) {
    auto fresh = HealthComponent::fromJson({{"maxHealth", 50}, {"maxStamina", 20}});
    EXPECT_EQ(fresh->getHealth(), 50.f);
    EXPECT_EQ(fresh->getStamina(), 20.f);

    auto hurt =
        HealthComponent::fromJson({{"maxHealth", 50}, {"maxStamina", 20}, {"health", 5}, {"stamina", 2.5}});
    EXPECT_EQ(hurt->getHealth(), 5.f);
    EXPECT_EQ(hurt->getStamina(), 2.5f);
    EXPECT_EQ(hurt->getMaxHealth(), 50.f);

    // Stored values are taken as they are; the next change brings them back into range.
    auto overfull = HealthComponent::fromJson({{"maxHealth", 50}, {"maxStamina", 20}, {"health", 80}});
    EXPECT_EQ(overfull->getHealth(), 80.f);
    overfull->changeHealth(-1);
    EXPECT_EQ(overfull->getHealth(), 50.f);
}

TEST(HealthComponent, WritesAllFourValuesAsFloatsAndReadsThemBack) {
    HealthComponent health(120, 30);
    health.changeHealth(-20.5f);
    const nlohmann::json written = health.toJsonData();
    EXPECT_EQ(
        written,
        nlohmann::json({{"health", 99.5}, {"maxHealth", 120.0}, {"maxStamina", 30.0}, {"stamina", 30.0}}));
    for (const auto& [key, value] : written.items())
        EXPECT_TRUE(value.is_number_float()) << key;
    EXPECT_EQ(health.getName(), "health");

    auto again = HealthComponent::fromJson(written);
    EXPECT_EQ(again->getHealth(), 99.5f);
    EXPECT_EQ(again->getMaxHealth(), 120.f);
}

TEST(HealthComponent, MissingOrMistypedValuesFailWithTheJsonTypeError) {
    EXPECT_NE(typeErrorOf({{"maxStamina", 20}}).find("type must be number, but is null"), std::string::npos);
    EXPECT_NE(typeErrorOf({{"maxHealth", 50}}).find("type must be number, but is null"), std::string::npos);
    EXPECT_NE(
        typeErrorOf({{"maxHealth", "50"}, {"maxStamina", 20}}).find("type must be number, but is string"),
        std::string::npos);
    EXPECT_NE(typeErrorOf({{"maxHealth", 50}, {"maxStamina", 20}, {"health", true}})
                  .find("type must be number, but is boolean"),
              std::string::npos);
    EXPECT_NE(typeErrorOf(nlohmann::json::array()).find("type_error.305"), std::string::npos);
}
