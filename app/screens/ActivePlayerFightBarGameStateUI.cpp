#include "app/screens/ActivePlayerFightBarGameStateUI.hpp"

#include "app/input/InputEngine.hpp"
#include "app/screens/ActivePlayerFightBarGameState.hpp"
#include "app/screens/PlayerScreenServices.hpp"
#include "engine/ecs/Entity.hpp"
#include "game/combat/FighterComponent.hpp"
#include "ui/Gui.hpp"

namespace tarsk {

namespace {

// The gap after the third button sets the first three apart from the rest.
const std::array<float, ActivePlayerFightBarGameStateUI::buttonCount> buttonX = {0.f, 60.f, 120.f, 200.f,
                                                                                 260.f};

} // namespace

ActivePlayerFightBarGameStateUI::ActivePlayerFightBarGameStateUI(PlayerScreenServices& services,
                                                                 ActivePlayerFightBarGameState& fightBar)
    : services(services), fightBar(fightBar) {}

ActivePlayerFightBarGameStateUI::~ActivePlayerFightBarGameStateUI() = default;

void ActivePlayerFightBarGameStateUI::onInit() {
    bar = ui::Group::create({"100%", "100%"});
    bar->setSize(310, 50);

    const Attack* swing = fightBar.getAttack(ActivePlayerFightBarGameState::swingSlot);
    for (std::size_t index = 0; index < buttonCount; ++index) {
        auto button = ui::Button::create(index == 0 && swing ? swing->getName() : "-");
        button->setSize(50, 50);
        button->setPosition(buttonX[index], 0.f);
        button->setEnabled(false);
        buttons[index] = button;
        bar->add(button);
    }
    bar->setPosition("parent.width / 2 - width / 2", "parent.height - height - 20");
    services.getGui().add(bar);

    services.getInput().keyPressed(sf::Keyboard::Space).connectTracked(connections, [this] { attack(); });
}

void ActivePlayerFightBarGameStateUI::attack() {
    // The right button picks the swing; an unready choice does nothing rather than falling back.
    const std::size_t slot = services.getInput().isButtonDown(sf::Mouse::Right)
                                 ? ActivePlayerFightBarGameState::swingSlot
                                 : ActivePlayerFightBarGameState::punchSlot;
    Attack* chosen = fightBar.getAttack(slot);
    if (!chosen || !chosen->isReady())
        return;
    services.getPlayer().getComponent<FighterComponent>()->requestAttack(chosen);
}

void ActivePlayerFightBarGameStateUI::onUpdate() {
    const Attack* swing = fightBar.getAttack(ActivePlayerFightBarGameState::swingSlot);
    buttons[0]->setEnabled(swing && swing->isReady());
    for (std::size_t index = 1; index < buttonCount; ++index)
        buttons[index]->setEnabled(false);
}

void ActivePlayerFightBarGameStateUI::onDestroy() {
    connections.disconnectAll();
    services.getGui().remove(bar);
}

} // namespace tarsk
