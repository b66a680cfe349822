#include "game/dialogue/DialogueReceiverComponent.hpp"

namespace tarsk {

std::unique_ptr<DialogueReceiverComponent> DialogueReceiverComponent::fromJson(const nlohmann::json&) {
    return std::make_unique<DialogueReceiverComponent>();
}

} // namespace tarsk
