#include "app/screens/ActivePlayerDialogueGameState.hpp"

#include "app/input/InputEngine.hpp"
#include "app/screens/PlayerScreenServices.hpp"
#include "game/dialogue/DialogueContext.hpp"
#include "game/dialogue/DialogueDataManager.hpp"
#include "game/dialogue/DialogueFactory_base.hpp"
#include "ui/Gui.hpp"

namespace tarsk {

ActivePlayerDialogueGameState::ActivePlayerDialogueGameState(PlayerScreenServices& services,
                                                             const std::string& dialogueId)
    : services(services), dialogue(services.getDialogues().getFactory(dialogueId).create()) {}

ActivePlayerDialogueGameState::~ActivePlayerDialogueGameState() {
    // The dialogue goes after the connections that could still call into it.
    connections.disconnectAll();
}

void ActivePlayerDialogueGameState::showLine(const std::string& line) {
    // The dialogue may speak before onInit made the box (and it is gone after onDestroy).
    if (textBox)
        textBox->setText(line + continueHint);
}

void ActivePlayerDialogueGameState::onInit() {
    textBox = ui::TextArea::create();
    textBox->setPosition("(parent.width/2) - (width/2)", "parent.height - height - 140");
    textBox->setReadOnly(true);
    services.getGui().add(textBox);

    advance();

    services.getInput()
        .buttonPressedInWindow(sf::Mouse::Left)
        .connectTracked(connections, [this](sf::Vector2i) {
            if (!finished)
                advance();
        });
}

void ActivePlayerDialogueGameState::advance() {
    const DialogueContext context{services.getMissions(), services.getWorlds(), &services.getPlayer()};
    if (!dialogue->next(context, *this)) {
        finished = true;
        lingered = sf::Time::Zero;
    }
}

void ActivePlayerDialogueGameState::onUpdate() {
    if (!finished)
        return;
    lingered += services.getFrameTime();
    if (lingered >= lingerTime)
        close();
}

void ActivePlayerDialogueGameState::onDestroy() {
    connections.disconnectAll();
    services.getGui().remove(textBox);
}

} // namespace tarsk
