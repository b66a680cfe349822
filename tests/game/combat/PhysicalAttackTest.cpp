#include "game/combat/AttackManager.hpp"
#include "game/combat/DefaultAttack_legacy.hpp"
#include "game/combat/GenericAllroundPhysicalAttackPreset.hpp"
#include "game/combat/GenericOrientedPhysicalAttackPreset.hpp"

#include "CombatTestSupport.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace combat_test;
using namespace tarsk;

namespace {

Entities sorted(Entities entities) {
    std::sort(entities.begin(), entities.end());
    return entities;
}

FighterSpec withHealth(float health) {
    FighterSpec spec;
    spec.health = health;
    return spec;
}

GenericOrientedPhysicalAttackPreset oriented(float damage, float impulse = 10.f) {
    return GenericOrientedPhysicalAttackPreset({"Jab", sf::milliseconds(100), damage, impulse, 90.f, 2.f});
}

GenericAllroundPhysicalAttackPreset allround(float damage, float radius = 1.f) {
    return GenericAllroundPhysicalAttackPreset({"Stomp", sf::seconds(1), damage, 50.f, radius, 0.f});
}

float angleOf(const b2Vec2& v) {
    return std::atan2(v.y, v.x);
}

} // namespace

TEST(PhysicalAttack, APunchDamagesPushesAndReportsTheKill) {
    CombatWorld w;
    const auto* attacker = w.add(fighter({0, 0}));
    const auto* victim = w.add(fighter({0, 1.f}, withHealth(30)));
    const auto* bystander = w.add(fighter({0, 1.5f}, withHealth(100)));

    auto punch = AttackManager().createAttack("PUNCH_ATTACK");
    const AttackResult result = punch->execute(w.world, attacker);
    EXPECT_EQ(sorted(result.hitEntities), sorted({victim, bystander}));
    EXPECT_EQ(result.killedEntities, Entities{victim});
    EXPECT_TRUE(healthOf(victim).isDead());
    EXPECT_FLOAT_EQ(healthOf(bystander).getHealth(), 60.f);
    EXPECT_FLOAT_EQ(healthOf(attacker).getHealth(), 100.f);

    // Pushed straight away from the attacker; the attacker itself stays put.
    const b2Vec2 velocity = bodyOf(victim).GetLinearVelocity();
    EXPECT_NEAR(velocity.x, 0.f, 1e-3f);
    EXPECT_NEAR(velocity.y,
                1000.f * bodyOf(victim).GetMass() / (bodyOf(victim).GetMass() * bodyOf(victim).GetMass()),
                1e-2f);
    EXPECT_EQ(bodyOf(attacker).GetLinearVelocity(), b2Vec2(0, 0));
}

TEST(PhysicalAttack, HittingTheDeadAgainIsNoNewKill) {
    CombatWorld w;
    const auto* attacker = w.add(fighter({0, 0}));
    const auto* victim = w.add(fighter({0, 1.f}, withHealth(5)));
    auto jab = oriented(10);
    EXPECT_EQ(jab.execute(w.world, attacker).killedEntities, Entities{victim});
    const AttackResult again = jab.execute(w.world, attacker);
    EXPECT_EQ(again.hitEntities, Entities{victim});
    EXPECT_TRUE(again.killedEntities.empty());

    auto stomp = allround(10, 1.5f);
    const AttackResult stomped = stomp.execute(w.world, attacker);
    EXPECT_EQ(stomped.hitEntities, Entities{victim});
    EXPECT_TRUE(stomped.killedEntities.empty());
}

TEST(PhysicalAttack, StaticAndKinematicTargetsTakeDamageButDoNotMove) {
    CombatWorld w;
    const auto* attacker = w.add(fighter({0, 0}));
    FighterSpec rooted = withHealth(100);
    rooted.bodyType = b2_staticBody;
    const auto* post = w.add(fighter({-0.3f, 1.f}, rooted));
    rooted.bodyType = b2_kinematicBody;
    const auto* platform = w.add(fighter({0.3f, 1.f}, rooted));
    auto jab = oriented(15, 500.f);
    EXPECT_EQ(sorted(jab.execute(w.world, attacker).hitEntities), sorted({post, platform}));
    for (const auto* target : {post, platform}) {
        EXPECT_FLOAT_EQ(healthOf(target).getHealth(), 85.f);
        EXPECT_EQ(bodyOf(target).GetLinearVelocity(), b2Vec2(0, 0));
    }
}

TEST(PhysicalAttack, OnlyTheLegacyBlowCountsNonFightersAsHit) {
    CombatWorld w;
    const auto* attacker = w.add(fighter({0, 0}));
    const auto* rock = w.add(thing({0, 1.f}, circleBody(0.2f)));
    const auto* target = w.add(fighter({0.5f, 1.5f}));

    DefaultAttack_legacy legacy;
    const AttackResult shove = legacy.execute(w.world, attacker);
    EXPECT_EQ(sorted(shove.hitEntities), sorted({rock, target}));
    EXPECT_FLOAT_EQ(healthOf(target).getHealth(), 80.f);
    // The rock is left alone: it does not fight.
    EXPECT_EQ(bodyOf(rock).GetLinearVelocity(), b2Vec2(0, 0));

    auto jab = oriented(10);
    EXPECT_EQ(jab.execute(w.world, attacker).hitEntities, Entities{target});
}

TEST(PhysicalAttack, SectorBlowsPushAlongCentresOfMassAllRoundBlowsAlongOrigins) {
    CombatWorld w;
    const auto* attacker = w.add(fighter({0, 0}));
    // Origin half a unit right of where its mass sits.
    auto offsetTarget = thing({0.5f, 1.f}, boxBody(0.1f, 0.1f, {-0.5f, 0}, b2_dynamicBody));
    offsetTarget->addComponent<HealthComponent>(100.f, 100.f);
    offsetTarget->addComponent<FighterComponent>(1u, std::vector<std::string>{}, std::vector<std::string>{});
    const auto* target = w.add(std::move(offsetTarget));

    auto jab = oriented(1);
    jab.execute(w.world, attacker);
    EXPECT_NEAR(angleOf(bodyOf(target).GetLinearVelocity()), std::atan2(1.f, 0.f), 1e-4f);

    bodyOf(target).SetLinearVelocity({0, 0});
    auto stomp = allround(1, 1.5f);
    EXPECT_EQ(stomp.execute(w.world, attacker).hitEntities, Entities{target});
    EXPECT_NEAR(angleOf(bodyOf(target).GetLinearVelocity()), std::atan2(1.f, 0.5f), 1e-4f);
}

TEST(PhysicalAttack, AnAllRoundBlowReachesEveryFighterAroundButNotTheAttacker) {
    CombatWorld w;
    const auto* frog = w.add(fighter({0, 0}));
    const auto* east = w.add(fighter({0.5f, 0}, withHealth(20)));
    const auto* northWest = w.add(fighter({-0.5f, -0.3f}, withHealth(50)));
    const auto* rim = w.add(fighter({1.f, 0}));
    auto attack = AttackManager().createAttack("FROG_DEFAULT_ATTACK");
    const AttackResult result = attack->execute(w.world, frog);

    EXPECT_EQ(result.hitEntities, sorted({east, northWest}));
    EXPECT_EQ(result.killedEntities, Entities{east});
    EXPECT_FLOAT_EQ(healthOf(northWest).getHealth(), 30.f);
    EXPECT_FLOAT_EQ(healthOf(rim).getHealth(), 100.f);
    EXPECT_FLOAT_EQ(healthOf(frog).getHealth(), 100.f);
    EXPECT_GT(bodyOf(east).GetLinearVelocity().x, 0.f);
    EXPECT_NEAR(angleOf(bodyOf(northWest).GetLinearVelocity()), std::atan2(-0.3f, -0.5f), 1e-4f);
}

TEST(PhysicalAttack, AnAttackerWithoutPhysicsCannotStrike) {
    CombatWorld w;
    auto ghost = std::make_unique<orv::Entity>();
    ghost->addComponent<orv::TransformationComponent>();
    ghost->addComponent<HealthComponent>(10.f, 10.f);
    ghost->addComponent<FighterComponent>(1u, std::vector<std::string>{}, std::vector<std::string>{});
    ghost->addComponent<OrientationComponent>();
    const auto* attacker = w.add(std::move(ghost));
    w.add(fighter({0, 0.5f}));
    auto jab = oriented(5);
    EXPECT_THROW(jab.execute(w.world, attacker), std::logic_error);
    auto stomp = allround(5);
    EXPECT_THROW(stomp.execute(w.world, attacker), std::logic_error);
    // A failed blow does not restart the cooldown.
    jab.updateCooldown(sf::seconds(1));
    EXPECT_THROW(jab.execute(w.world, attacker), std::logic_error);
    EXPECT_TRUE(jab.isReady());
}
