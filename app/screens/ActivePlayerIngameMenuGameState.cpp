#include "app/screens/ActivePlayerIngameMenuGameState.hpp"

#include "app/input/InputEngine.hpp"
#include "app/screens/PlayerScreenServices.hpp"
#include "ui/Gui.hpp"

namespace tarsk {

ActivePlayerIngameMenuGameState::ActivePlayerIngameMenuGameState(PlayerScreenServices& services)
    : services(services) {}

ActivePlayerIngameMenuGameState::~ActivePlayerIngameMenuGameState() = default;

void ActivePlayerIngameMenuGameState::onInit() {
    textBox = ui::TextArea::create();
    textBox->setSize(400, 260);
    textBox->setReadOnly(true);
    textBox->setPosition("parent.width/2 - width/2", "parent.height/2 - height/2");
    textBox->setText(helpText);
    services.getGui().add(textBox);

    services.getInput()
        .buttonPressedInWindow(sf::Mouse::Left)
        .connectTracked(connections, [this](sf::Vector2i position) { leftPressed(position); });
}

void ActivePlayerIngameMenuGameState::leftPressed(sf::Vector2i position) {
    if (services.getInput().isPointOverGui(position))
        return;
    close();
}

void ActivePlayerIngameMenuGameState::onDestroy() {
    // Until the tree frees this state a later press of the same frame must not reach it.
    connections.disconnectAll();
    services.getGui().remove(textBox);
}

} // namespace tarsk
