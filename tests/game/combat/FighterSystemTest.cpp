#include "game/combat/FighterSystem.hpp"

#include "game/combat/AttackManager.hpp"

#include "CombatTestSupport.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

using namespace combat_test;
using namespace tarsk;

namespace {

// Marks what the maker made, so it can be told apart from the fighters.
struct Remains : orv::Component {
    explicit Remains(std::string kind) : kind(std::move(kind)) {}
    void onPreInit(orv::Entity*) override {}
    void onInit() override {}
    std::string kind;
};

// Stands in for the entity factories: knows "Wood" and "Bone".
struct Maker {
    std::unique_ptr<orv::Entity> operator()(const std::string& id) {
        asked.push_back(id);
        if (id != "Wood" && id != "Bone")
            throw std::out_of_range("invalid map<K, T> key");
        auto entity = std::make_unique<orv::Entity>();
        entity->addComponent<orv::TransformationComponent>()->setPosition({9.f, 9.f, 4.f});
        entity->addComponent<Remains>(id);
        return entity;
    }
    std::vector<std::string> asked;
};

struct Arena {
    Arena() : w([this](const std::string& id) { return maker(id); }) {}

    std::vector<const orv::Entity*> remains() const {
        std::vector<const orv::Entity*> found;
        for (const auto& entity : w.world.getEntities()) {
            if (entity->findComponent<Remains>())
                found.push_back(entity.get());
        }
        return found;
    }

    Maker maker;
    CombatWorld w;
};

FighterSpec leaving(std::vector<std::string> remains, float health = 10.f) {
    FighterSpec spec;
    spec.remains = std::move(remains);
    spec.health = health;
    return spec;
}

} // namespace

TEST(FighterSystem, CarriesOutRequestsAndTellsTheAttackerWhomItKilled) {
    Arena a;
    const auto* frog = a.w.add(fighter({0, 0}));
    const auto* first = a.w.add(fighter({0.5f, 0}, leaving({}, 15)));
    const auto* second = a.w.add(fighter({0, 0.5f}, leaving({}, 20)));
    const auto* survivor = a.w.add(fighter({-0.5f, 0}, leaving({}, 50)));
    EXPECT_EQ(a.w.fighters->getFighters(), (Entities{frog, first, second, survivor}));

    Entities killed;
    fighterOf(frog).killed.connect([&killed](const orv::Entity* victim) { killed.push_back(victim); });
    auto attack = AttackManager().createAttack("FROG_DEFAULT_ATTACK");
    // Not ready yet: the request is carried out all the same.
    ASSERT_FALSE(attack->isReady());
    attack->updateCooldown(sf::seconds(1));
    fighterOf(frog).requestAttack(attack.get());

    Entities expected{first, second};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(killed, expected);
    EXPECT_FLOAT_EQ(healthOf(survivor).getHealth(), 30.f);
    EXPECT_EQ(attack->getSinceLastUse(), sf::Time::Zero);
}

TEST(FighterSystem, PutsTheRemainsWhereTheFighterDied) {
    Arena a;
    const auto* attacker = a.w.add(fighter({0, 0}));
    const auto* victim = a.w.add(fighter({0, 1.f}, leaving({"Wood", "Bone", "Wood"})));
    auto punch = AttackManager().createAttack("PUNCH_ATTACK");
    fighterOf(attacker).requestAttack(punch.get());

    EXPECT_EQ(a.maker.asked, (std::vector<std::string>{"Wood", "Bone", "Wood"}));
    const Entities remains = a.remains();
    ASSERT_EQ(remains.size(), 3u);
    std::vector<std::string> kinds;
    for (const auto* entity : remains) {
        kinds.push_back(entity->getComponent<Remains>()->kind);
        EXPECT_TRUE(entity->getInitStatus());
        EXPECT_EQ(entity->getComponent<orv::TransformationComponent>()->getPosition(),
                  sf::Vector3f(0.f, 1.f, 4.f));
    }
    EXPECT_EQ(kinds, (std::vector<std::string>{"Wood", "Bone", "Wood"}));
    EXPECT_TRUE(a.w.world.contains(victim));
}

TEST(FighterSystem, ACorpseHitAgainLeavesNoSecondRemainsUnlessItCameBack) {
    Arena a;
    const auto* victim = a.w.add(fighter({2.f, 3.f}, leaving({"Wood"})));
    fighterOf(victim).takeDamage(50);
    fighterOf(victim).takeDamage(50);
    EXPECT_EQ(a.remains().size(), 1u);

    healthOf(victim).changeHealth(5);
    fighterOf(victim).takeDamage(50);
    EXPECT_EQ(a.remains().size(), 2u);
}

TEST(FighterSystem, RemainsThatCannotBeMadeAreLeftOutAndTheFightGoesOn) {
    Arena a;
    const auto* victim = a.w.add(fighter({0, 0}, leaving({"Wood", "Unknown"})));
    testing::internal::CaptureStdout();
    EXPECT_NO_THROW(fighterOf(victim).takeDamage(50));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "no remains \"Unknown\": invalid map<K, T> key\n");
    ASSERT_EQ(a.remains().size(), 1u);
    EXPECT_EQ(a.remains().front()->getComponent<Remains>()->kind, "Wood");
    EXPECT_NO_THROW(fighterOf(victim).takeDamage(50));
    EXPECT_EQ(a.maker.asked.size(), 2u);
}

TEST(FighterSystem, ForgetsFightersThatLeaveTheWorld) {
    Arena a;
    const auto* attacker = a.w.add(fighter({0, 0}));
    const auto* target = a.w.add(fighter({0, 1.f}, leaving({"Wood"}, 100)));
    auto removed = a.w.world.removeEntities({attacker});
    EXPECT_EQ(a.w.fighters->getFighters(), Entities{target});

    auto punch = AttackManager().createAttack("PUNCH_ATTACK");
    punch->updateCooldown(sf::seconds(1));
    fighterOf(removed.front().get()).requestAttack(punch.get());
    EXPECT_FLOAT_EQ(healthOf(target).getHealth(), 100.f);
    EXPECT_EQ(punch->getSinceLastUse(), sf::seconds(1));
}

TEST(FighterSystem, TheDeadAreTakenAwayNextFrameAndTheirRemainsStay) {
    Maker maker;
    CombatWorld w([&maker](const std::string& id) { return maker(id); }, true);
    const auto* attacker = w.add(fighter({0, 0}));
    const auto* victim = w.add(fighter({0, 1.f}, leaving({"Bone"})));
    auto punch = AttackManager().createAttack("PUNCH_ATTACK");
    fighterOf(attacker).requestAttack(punch.get());
    ASSERT_TRUE(w.world.contains(victim));
    EXPECT_EQ(w.world.getEntityCount(), 3u);

    w.world.update();
    EXPECT_FALSE(w.world.contains(victim));
    EXPECT_EQ(w.fighters->getFighters(), Entities{attacker});
    ASSERT_EQ(w.world.getEntityCount(), 2u);
    EXPECT_NE(w.world.getEntities().back()->findComponent<Remains>(), nullptr);
}
