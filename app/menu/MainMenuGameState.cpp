#include "app/menu/MainMenuGameState.hpp"

#include "app/ingame/IngameBaseGameState.hpp"
#include "app/root/BaseGameState.hpp"
#include "app/savegame/LoadedSavegameGameState.hpp"
#include "app/savegame/LoadedSavegameLoaderFromFolder.hpp"
#include "app/savegame/LoadedSavegameSaverToFolder.hpp"
#include "ui/HorizontalLayout.hpp"
#include "ui/Label.hpp"

#include <exception>
#include <iostream>

namespace tarsk {

MainMenuGameState::MainMenuGameState(BaseGameState& base) : base(base) {}

MainMenuGameState::~MainMenuGameState() = default;

void MainMenuGameState::onInit() {
    group = ui::Group::create({"100%", 220});
    group->setPosition(0, "50%-height/2");

    auto titleLabel = ui::Label::create(title);
    titleLabel->setTextSize(80);
    titleLabel->setPosition("50%-width/2", 0);

    auto versionLabel = ui::Label::create(version);
    versionLabel->setTextSize(20);
    versionLabel->setPosition("50% + 320", 60);

    auto buttons = ui::HorizontalLayout::create({"100%", "100%"});
    buttons->setPosition("50%-width/2", 180);
    buttons->setSize("parent.width/2", 40);

    newGameButton = ui::Button::create("New Game");
    continueButton = ui::Button::create("Continue");
    // There is nothing to continue yet: shown greyed out, and pressing it does nothing.
    continueButton->setEnabled(false);
    newGameButton->onPress.connectTracked(connections, [this] { startNewGame(); });

    buttons->add(newGameButton);
    buttons->addSpace(0.2f);
    buttons->add(continueButton);

    group->add(buttons);
    group->add(titleLabel);
    group->add(versionLabel);
    base.getGui().add(group);
}

void MainMenuGameState::startNewGame() {
    orv::SerializationManager& types = base.getSerializationManager();
    auto state = std::make_unique<LoadedSavegameGameState<IngameBaseGameState<1>>>(
        base, std::make_unique<LoadedSavegameLoaderFromFolder>(types),
        std::make_unique<LoadedSavegameSaverToFolder>(types));
    // The game may end while the menu is gone; the group comes back then.
    state->getDestroyedSignal().connectTracked(connections, [group = group] { group->setVisible(true); });
    try {
        state->init();
    } catch (const std::exception& error) {
        std::cout << "New Game failed: " << error.what() << std::endl;
        state->close();
        return;
    }
    getSubStates().push_back(std::move(state));
    group->setVisible(false);
}

void MainMenuGameState::onDestroy() {
    if (group)
        base.getGui().remove(group);
}

} // namespace tarsk
