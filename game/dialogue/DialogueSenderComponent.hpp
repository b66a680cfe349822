#pragma once

#include "engine/ecs/SerializableComponent.hpp"
#include "game/content/Identifiers.hpp"

#include <memory>
#include <string>

namespace tarsk {

// Marks a character the player can talk to, naming the dialogue it tells. Saved under
// "DialogueSenderComponent" as {"DialogueFactoryId": id}.
class DialogueSenderComponent : public orv::SerializableComponent {
public:
    inline static const std::string& Name = id::component::dialogueSender;

    explicit DialogueSenderComponent(std::string dialogueFactoryId);

    // "DialogueFactoryId" is required; the game and the blueprints are checked against the dialogues
    // when loaded, and a talk to an unknown one is refused.
    static std::unique_ptr<DialogueSenderComponent> fromJson(const nlohmann::json& data);

    void onPreInit(orv::Entity*) override {}
    void onInit() override {}

    nlohmann::json toJsonData() const override;
    const std::string& getName() const override { return Name; }

    const std::string& getDialogueFactoryId() const { return dialogueFactoryId; }

private:
    std::string dialogueFactoryId;
};

} // namespace tarsk
