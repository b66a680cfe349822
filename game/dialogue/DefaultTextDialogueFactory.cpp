#include "game/dialogue/DefaultTextDialogueFactory.hpp"

#include "game/dialogue/DefaultTextDialogue.hpp"

#include <utility>

namespace tarsk {

DefaultTextDialogueFactory::DefaultTextDialogueFactory(std::string id, std::vector<std::string> lines)
    : DialogueFactory_base(std::move(id)), lines(std::move(lines)) {}

std::unique_ptr<Dialogue> DefaultTextDialogueFactory::create() const {
    return std::make_unique<DefaultTextDialogue>(getId(), lines);
}

} // namespace tarsk
