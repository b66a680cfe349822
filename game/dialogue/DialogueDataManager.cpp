#include "game/dialogue/DialogueDataManager.hpp"

#include "engine/common/Lookup.hpp"
#include "game/dialogue/CreateDialogueFactories.hpp"

#include <stdexcept>

namespace tarsk {

DialogueDataManager::DialogueDataManager() : DialogueDataManager(createDialogueFactories()) {}

DialogueDataManager::DialogueDataManager(Factories list) {
    for (std::unique_ptr<DialogueFactory_base>& factory : list) {
        if (!factory)
            throw std::logic_error("null dialogue factory");
        const std::string id = factory->getId();
        factories.try_emplace(id, std::move(factory));
    }
}

DialogueDataManager::~DialogueDataManager() = default;

const DialogueFactory_base& DialogueDataManager::getFactory(const std::string& id) const {
    return *orv::lookup(factories, id);
}

} // namespace tarsk
