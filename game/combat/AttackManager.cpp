#include "game/combat/AttackManager.hpp"

#include "game/combat/AttackIds.hpp"
#include "game/combat/DefaultAttack_legacy.hpp"
#include "game/combat/GenericAllroundPhysicalAttackPreset.hpp"
#include "game/combat/GenericOrientedPhysicalAttackPreset.hpp"
#include "game/content/Identifiers.hpp"

#include <utility>

namespace tarsk {

AttackManager::AttackManager() : AttackManager(generateDefaultAttacks()) {}

AttackManager::AttackManager(AttackFactories factories) : factories(std::move(factories)) {}

std::unique_ptr<Attack> AttackManager::createAttack(const std::string& id) const {
    const auto it = factories.find(id);
    if (it == factories.end() || !it->second)
        return nullptr;
    return it->second();
}

namespace {

template <class T>
AttackManager::AttackFactory presetFactory(PhysicalAttackPreset preset) {
    return [preset = std::move(preset)] {
        return std::make_unique<T>(preset);
    };
}

} // namespace

AttackManager::AttackFactories generateDefaultAttacks() {
    AttackManager::AttackFactories factories;
    factories.emplace(id::attack::defaultAttack, [] { return std::make_unique<DefaultAttack_legacy>(); });
    factories.emplace(id::attack::punch,
                      presetFactory<GenericOrientedPhysicalAttackPreset>(
                          {id::punchAttack, sf::milliseconds(200), 40.f, 1000.f, 65.f, 1.8f}));
    factories.emplace(id::attack::stickSwing,
                      presetFactory<GenericOrientedPhysicalAttackPreset>(
                          {id::swingAttack, sf::seconds(2.f), 80.f, 2000.f, 90.f, 2.3f}));
    factories.emplace(id::attack::frogDefault,
                      presetFactory<GenericAllroundPhysicalAttackPreset>(
                          {id::attack::frogDefault, sf::seconds(2.f), 20.f, 2000.f, 1.f, 0.f}));
    // The dungeon boss: a harder bite of a wider reach, a little slower to come again.
    factories.emplace(id::attack::frogBoss,
                      presetFactory<GenericAllroundPhysicalAttackPreset>(
                          {id::attack::frogBoss, sf::seconds(2.5f), 30.f, 3000.f, 1.6f, 0.f}));
    return factories;
}

} // namespace tarsk
