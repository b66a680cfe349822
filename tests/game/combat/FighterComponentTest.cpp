#include "game/combat/FighterComponent.hpp"

#include "engine/ecs/Entity.hpp"
#include "game/health/HealthComponent.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using tarsk::FighterComponent;
using tarsk::HealthComponent;
using Names = std::vector<std::string>;

namespace {

std::string errorOf(const nlohmann::json& data) {
    try {
        FighterComponent::fromJson(data);
    } catch (const std::exception& error) {
        return error.what();
    }
    return "no error";
}

struct Fighter {
    Fighter() {
        health = entity.addComponent<HealthComponent>(50.f, 10.f);
        fighter = entity.addComponent<FighterComponent>(7u, Names{}, Names{});
        entity.init();
    }
    orv::Entity entity;
    HealthComponent* health;
    FighterComponent* fighter;
};

} // namespace

TEST(FighterComponent, KeepsFactionsSortedWithoutRepeatsAndRemainsAsGiven) {
    FighterComponent made(3u, Names{"Wood", "Wood", "Coconut"}, Names{"b", "a", "b"});
    EXPECT_EQ(made.getFactions(), (Names{"a", "b"}));
    EXPECT_EQ(made.getEntitiesToSpawnOnDeath(), (Names{"Wood", "Wood", "Coconut"}));

    auto read = FighterComponent::fromJson(
        {{"xpValue", 12}, {"entitesToSpawnOnDeath", {"Wood", "Wood"}}, {"factions", {"b", "a", "b"}}});
    EXPECT_EQ(read->getXpValue(), 12u);
    EXPECT_EQ(read->getFactions(), (Names{"a", "b"}));
    EXPECT_EQ(read->toJsonData(),
              nlohmann::json(
                  {{"xpValue", 12}, {"entitesToSpawnOnDeath", {"Wood", "Wood"}}, {"factions", {"a", "b"}}}));
    EXPECT_EQ(read->getName(), "fighter");

    auto plain =
        FighterComponent::fromJson({{"xpValue", 0}, {"entitesToSpawnOnDeath", nlohmann::json::array()}});
    EXPECT_TRUE(plain->getFactions().empty());
    EXPECT_EQ(plain->toJsonData()["factions"], nlohmann::json::array());
}

TEST(FighterComponent, RefusesRecordsWithoutItsRequiredValues) {
    EXPECT_NE(errorOf({{"entitesToSpawnOnDeath", nlohmann::json::array()}})
                  .find("type must be number, but is null"),
              std::string::npos);
    EXPECT_NE(errorOf({{"xpValue", true}, {"entitesToSpawnOnDeath", nlohmann::json::array()}})
                  .find("type must be number, but is boolean"),
              std::string::npos);
    // The correctly spelled key is not the one saved games use.
    EXPECT_NE(errorOf({{"xpValue", 1}, {"entitiesToSpawnOnDeath", nlohmann::json::array()}})
                  .find("type must be array, but is null"),
              std::string::npos);
    EXPECT_NE(errorOf({{"xpValue", 1}, {"entitesToSpawnOnDeath", {1, 2}}})
                  .find("type must be string, but is number"),
              std::string::npos);
    EXPECT_NE(errorOf("fighter").find("type_error.305"), std::string::npos);
}

TEST(FighterComponent, DamageGoesToHealthAndEveryDeathIsPassedOn) {
    Fighter f;
    int deaths = 0;
    f.fighter->died.connect([&deaths] { ++deaths; });
    f.fighter->takeDamage(20);
    EXPECT_FLOAT_EQ(f.health->getHealth(), 30.f);
    EXPECT_EQ(deaths, 0);
    f.fighter->takeDamage(-5);
    EXPECT_FLOAT_EQ(f.health->getHealth(), 35.f);
    f.fighter->takeDamage(100);
    f.health->changeHealth(-1);
    EXPECT_EQ(deaths, 2);
}

TEST(FighterComponent, NeedsHealthOnItsEntity) {
    orv::Entity entity;
    auto* fighter = entity.addComponent<FighterComponent>(1u, Names{}, Names{});
    EXPECT_THROW(fighter->takeDamage(1), std::logic_error);
    try {
        entity.init();
        FAIL() << "initialised without health";
    } catch (const std::logic_error& error) {
        EXPECT_STREQ(error.what(), "Component does not exist. Typename: tarsk::HealthComponent");
    }
}
