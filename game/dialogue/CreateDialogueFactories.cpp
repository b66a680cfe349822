#include "game/dialogue/CreateDialogueFactories.hpp"

#include "game/dialogue/DefaultTextDialogueFactory.hpp"
#include "game/dialogue/DialogueFactory.hpp"
#include "game/dialogue/OldManDialogue_01.hpp"
#include "game/dialogue/OldManDialogue_02.hpp"

namespace tarsk {

std::vector<std::unique_ptr<DialogueFactory_base>> createDialogueFactories() {
    std::vector<std::unique_ptr<DialogueFactory_base>> factories;
    factories.push_back(std::make_unique<DefaultTextDialogueFactory>(
        "DEMO_DIALOGUE_01",
        std::vector<std::string>{"Hello, this is my first interaction with a human being.",
                                 "I am the guardian of this sacred frog island.",
                                 "Defeat some frogs and I will hand you my most valuable possessions.",
                                 "Come back to me when you're finished.", "Now go!"}));
    factories.push_back(std::make_unique<DialogueFactory<OldManDialogue_01>>(OldManDialogue_01::Id));
    factories.push_back(std::make_unique<DialogueFactory<OldManDialogue_02>>(OldManDialogue_02::Id));
    return factories;
}

} // namespace tarsk
