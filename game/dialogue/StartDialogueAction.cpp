#include "game/dialogue/StartDialogueAction.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/transform/UnitConversions.hpp"
#include "game/actions/TargetBounds.hpp"
#include "game/dialogue/DialogueReceiverComponent.hpp"
#include "game/dialogue/DialogueSenderComponent.hpp"
#include "game/render/SpriteComponent.hpp"

namespace tarsk {

StartDialogueAction::StartDialogueAction(const orv::Entity* actor, const orv::Entity* target)
    : actor(actor), target(target) {}

std::unique_ptr<Action> StartDialogueAction::makeFor(const orv::Entity* actor, const orv::Entity* target) {
    if (!actor || !target || !actor->hasComponent<DialogueReceiverComponent>() ||
        !target->hasComponent<DialogueSenderComponent>())
        return nullptr;
    return std::make_unique<StartDialogueAction>(actor, target);
}

sf::FloatRect StartDialogueAction::getTargetBounds() const {
    if (const auto* sprite = target->findComponent<SpriteComponent>()) {
        return orv::pixelRectToUnits(sprite->getGlobalBounds());
    }
    return bodyBounds(*target);
}

void StartDialogueAction::execute() {
    const std::string& dialogueId = target->getComponent<DialogueSenderComponent>()->getDialogueFactoryId();
    actor->getComponent<DialogueReceiverComponent>()->requestDialogue(dialogueId);
}

} // namespace tarsk
