#include "game/dialogue/DialogueSenderComponent.hpp"

#include "engine/resources/RequiredJsonValue.hpp"
#include "game/json/JsonObject.hpp"

#include <utility>

namespace tarsk {

DialogueSenderComponent::DialogueSenderComponent(std::string dialogueFactoryId)
    : dialogueFactoryId(std::move(dialogueFactoryId)) {}

std::unique_ptr<DialogueSenderComponent> DialogueSenderComponent::fromJson(const nlohmann::json& data) {
    requireJsonObject(data);
    return std::make_unique<DialogueSenderComponent>(
        orv::getRequiredJsonValue<std::string>(data, "DialogueFactoryId"));
}

nlohmann::json DialogueSenderComponent::toJsonData() const {
    return {{"DialogueFactoryId", dialogueFactoryId}};
}

} // namespace tarsk
