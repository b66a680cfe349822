#include "app/screens/ActivePlayerFightBarGameState.hpp"

#include "app/screens/ActivePlayerFightBarGameStateUI.hpp"
#include "app/screens/PlayerScreenServices.hpp"
#include "game/combat/AttackIds.hpp"
#include "game/combat/AttackManager.hpp"

#include <string>

namespace tarsk {

namespace {

// Only the punch and the swing are wired to keys; the other slots wait for attacks of their own.
const std::array<const std::string*, ActivePlayerFightBarGameState::slotCount> slotAttackIds = {
    &id::attack::punch,         &id::attack::defaultAttack, &id::attack::stickSwing,
    &id::attack::defaultAttack, &id::attack::defaultAttack, &id::attack::defaultAttack,
    &id::attack::defaultAttack,
};

} // namespace

ActivePlayerFightBarGameState::ActivePlayerFightBarGameState(PlayerScreenServices& services)
    : services(services) {}

ActivePlayerFightBarGameState::~ActivePlayerFightBarGameState() = default;

Attack* ActivePlayerFightBarGameState::getAttack(std::size_t slot) const {
    return slot < slotCount ? attacks[slot].get() : nullptr;
}

void ActivePlayerFightBarGameState::onInit() {
    for (std::size_t slot = 0; slot < slotCount; ++slot)
        attacks[slot] = services.getAttacks().createAttack(*slotAttackIds[slot]);

    auto bar = std::make_unique<ActivePlayerFightBarGameStateUI>(services, *this);
    bar->init();
    ui = bar.get();
    getSubStates().push_back(std::move(bar));
}

void ActivePlayerFightBarGameState::onUpdate() {
    const sf::Time frameTime = services.getFrameTime();
    for (auto& attack : attacks) {
        if (attack)
            attack->updateCooldown(frameTime);
    }
}

} // namespace tarsk
