#pragma once

#include "engine/signals/ScopedConnections.hpp"
#include "engine/state/GameState.hpp"
#include "ui/Button.hpp"
#include "ui/Group.hpp"

#include <array>
#include <cstddef>

namespace tarsk {

class ActivePlayerFightBarGameState;
class PlayerScreenServices;

// The row of attack slots at the bottom centre, and Space as the attack key: a punch, or the
// stick swing while the right mouse button is held. The buttons only show readiness.
class ActivePlayerFightBarGameStateUI : public orv::GameState {
public:
    static constexpr std::size_t buttonCount = 5;

    ActivePlayerFightBarGameStateUI(PlayerScreenServices& services, ActivePlayerFightBarGameState& fightBar);
    ~ActivePlayerFightBarGameStateUI() override;

    // Asks the player's fighter for the attack the mouse selects, if that one is ready.
    void attack();

    const ui::Group::Ptr& getBar() const { return bar; }
    const ui::Button::Ptr& getButton(std::size_t index) const { return buttons.at(index); }

protected:
    void onInit() override;
    void onUpdate() override;
    void onDestroy() override;

private:
    PlayerScreenServices& services;
    ActivePlayerFightBarGameState& fightBar;
    ui::Group::Ptr bar;
    std::array<ui::Button::Ptr, buttonCount> buttons;
    smartsignals::ScopedConnections connections;
};

} // namespace tarsk
