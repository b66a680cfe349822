#include "game/combat/AttackManager.hpp"

#include "game/combat/AttackIds.hpp"
#include "game/combat/DefaultAttack_legacy.hpp"
#include "game/combat/GenericAllroundPhysicalAttackPreset.hpp"
#include "game/combat/GenericOrientedPhysicalAttackPreset.hpp"

#include <gtest/gtest.h>

using namespace tarsk;

namespace {

template <class T>
const PhysicalAttackPreset& presetOf(const Attack& attack) {
    const auto* typed = dynamic_cast<const T*>(&attack);
    if (!typed)
        throw std::runtime_error("attack of another class: " + attack.getName());
    return typed->getPreset();
}

void expectPreset(const PhysicalAttackPreset& preset, const PhysicalAttackPreset& expected) {
    EXPECT_EQ(preset.name, expected.name);
    EXPECT_EQ(preset.cooldown, expected.cooldown) << expected.name;
    EXPECT_FLOAT_EQ(preset.damage, expected.damage) << expected.name;
    EXPECT_FLOAT_EQ(preset.impulse, expected.impulse) << expected.name;
    EXPECT_FLOAT_EQ(preset.angleOrRadius, expected.angleOrRadius) << expected.name;
}

} // namespace

TEST(AttackManager, MakesTheGamesFiveAttacks) {
    const AttackManager attacks;
    ASSERT_EQ(attacks.getFactories().size(), 5u);

    auto standard = attacks.createAttack(id::attack::defaultAttack);
    ASSERT_NE(dynamic_cast<DefaultAttack_legacy*>(standard.get()), nullptr);
    EXPECT_EQ(standard->getName(), "Default Attack");
    EXPECT_EQ(standard->getCooldown(), sf::milliseconds(200));

    auto punch = attacks.createAttack("PUNCH_ATTACK");
    ASSERT_NE(punch, nullptr);
    expectPreset(presetOf<GenericOrientedPhysicalAttackPreset>(*punch),
                 {"Punch", sf::milliseconds(200), 40.f, 1000.f, 65.f, 1.8f});
    EXPECT_FLOAT_EQ(presetOf<GenericOrientedPhysicalAttackPreset>(*punch).range, 1.8f);
    EXPECT_EQ(punch->getCooldown(), sf::milliseconds(200));

    auto swing = attacks.createAttack("STICK_SWING_ATTACK");
    ASSERT_NE(swing, nullptr);
    expectPreset(presetOf<GenericOrientedPhysicalAttackPreset>(*swing),
                 {"Swing", sf::seconds(2), 80.f, 2000.f, 90.f, 2.3f});
    EXPECT_FLOAT_EQ(presetOf<GenericOrientedPhysicalAttackPreset>(*swing).range, 2.3f);

    auto frog = attacks.createAttack("FROG_DEFAULT_ATTACK");
    ASSERT_NE(frog, nullptr);
    expectPreset(presetOf<GenericAllroundPhysicalAttackPreset>(*frog),
                 {"FROG_DEFAULT_ATTACK", sf::seconds(2), 20.f, 2000.f, 1.f, 0.f});

    auto boss = attacks.createAttack("FROG_BOSS_ATTACK");
    ASSERT_NE(boss, nullptr);
    expectPreset(presetOf<GenericAllroundPhysicalAttackPreset>(*boss),
                 {"FROG_BOSS_ATTACK", sf::milliseconds(2500), 30.f, 3000.f, 1.6f, 0.f});
    EXPECT_EQ(frog->getName(), "FROG_DEFAULT_ATTACK");
}

TEST(AttackManager, EveryRequestMakesAnAttackOfItsOwnAndUnknownIdsMakeNone) {
    const AttackManager attacks;
    auto first = attacks.createAttack("DEFAULT_ATTACK");
    auto second = attacks.createAttack("DEFAULT_ATTACK");
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first.get(), second.get());
    first->updateCooldown(sf::seconds(1));
    EXPECT_TRUE(first->isReady());
    EXPECT_FALSE(second->isReady());

    EXPECT_EQ(attacks.createAttack("KICK_ATTACK"), nullptr);
    EXPECT_EQ(attacks.createAttack("punch_attack"), nullptr);
}
