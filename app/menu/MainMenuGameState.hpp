#pragma once

#include "engine/signals/ScopedConnections.hpp"
#include "engine/state/GameState.hpp"
#include "ui/Button.hpp"
#include "ui/Group.hpp"

#include <memory>

namespace tarsk {

class BaseGameState;

// The title screen. "New Game" loads the game file and runs the game as this state's child,
// hiding the menu meanwhile; the menu comes back when that game state goes away.
class MainMenuGameState : public orv::GameState {
public:
    static constexpr const char* title = "Ostrevale";
    static constexpr const char* version = "pre-alpha.0.3";

    explicit MainMenuGameState(BaseGameState& base);
    ~MainMenuGameState() override;

    // What the "New Game" button does. A game that cannot be loaded or started is reported on
    // standard output and whatever was built of it is closed; the menu stays as it was.
    void startNewGame();

    const std::shared_ptr<ui::Group>& getGroup() const { return group; }
    const ui::Button::Ptr& getNewGameButton() const { return newGameButton; }
    const ui::Button::Ptr& getContinueButton() const { return continueButton; }

protected:
    void onInit() override;
    void onUpdate() override {}
    void onDestroy() override;

private:
    BaseGameState& base;
    std::shared_ptr<ui::Group> group;
    ui::Button::Ptr newGameButton;
    ui::Button::Ptr continueButton;
    smartsignals::ScopedConnections connections;
};

} // namespace tarsk
