#pragma once

#include "engine/state/GameState.hpp"
#include "game/combat/Attack.hpp"

#include <array>
#include <cstddef>
#include <memory>

namespace tarsk {

class ActivePlayerFightBarGameStateUI;
class PlayerScreenServices;

// The player's attacks, one object per slot so that every slot keeps its own cooldown, and the
// clock that runs those cooldowns in real time. Its child shows the slots and fires them.
class ActivePlayerFightBarGameState : public orv::GameState {
public:
    static constexpr std::size_t slotCount = 7;
    static constexpr std::size_t punchSlot = 0;
    static constexpr std::size_t swingSlot = 2;

    explicit ActivePlayerFightBarGameState(PlayerScreenServices& services);
    ~ActivePlayerFightBarGameState() override;

    // Null for a slot whose attack the registry could not make.
    Attack* getAttack(std::size_t slot) const;
    ActivePlayerFightBarGameStateUI* getUI() const { return ui; }

protected:
    void onInit() override;
    void onUpdate() override;
    void onDestroy() override {}

private:
    PlayerScreenServices& services;
    ActivePlayerFightBarGameStateUI* ui = nullptr;
    std::array<std::unique_ptr<Attack>, slotCount> attacks;
};

} // namespace tarsk
