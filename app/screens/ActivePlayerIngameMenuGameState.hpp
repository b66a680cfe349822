#pragma once

#include "engine/signals/ScopedConnections.hpp"
#include "engine/state/GameState.hpp"
#include "ui/TextArea.hpp"

#include <SFML/System/Vector2.hpp>

namespace tarsk {

class PlayerScreenServices;

// The controls help in the middle of the window. A left click into the world closes it; clicks
// on widgets (the help itself, the HUD) leave it open.
class ActivePlayerIngameMenuGameState : public orv::GameState {
public:
    static constexpr const char* helpText =
        "Controls:\nW/S/A/D: Movement (+Shift: Sprint)\nMouse: Look around\nMouse click: Interact / Talk to "
        "/ "
        "Pick up\n\nSpace: Attack (in eye direction)\n\nM: Map\nI: Inventory\nJ: Quest Journal\n\nF5: Save "
        "the "
        "game\n\nV/B: Windowed/Full-Screen\n\nClick in world to close this window.";

    explicit ActivePlayerIngameMenuGameState(PlayerScreenServices& services);
    ~ActivePlayerIngameMenuGameState() override;

    const ui::TextArea::Ptr& getTextBox() const { return textBox; }

protected:
    void onInit() override;
    void onUpdate() override {}
    void onDestroy() override;

private:
    void leftPressed(sf::Vector2i position);

    PlayerScreenServices& services;
    ui::TextArea::Ptr textBox;
    smartsignals::ScopedConnections connections;
};

} // namespace tarsk
