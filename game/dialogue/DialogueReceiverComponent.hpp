#pragma once

#include "engine/ecs/SerializableComponent.hpp"
#include "engine/signals/Signal.hpp"
#include "game/content/Identifiers.hpp"

#include <memory>
#include <string>

namespace tarsk {

// Lets its entity (the player) be talked to: a talk request names a dialogue, and whoever shows
// dialogues listens here. Saved under "DialogueReceiverComponent" as an empty object.
class DialogueReceiverComponent : public orv::SerializableComponent {
public:
    inline static const std::string& Name = id::component::dialogueReceiver;

    DialogueReceiverComponent() = default;

    // Holds no data: whatever was saved is ignored.
    static std::unique_ptr<DialogueReceiverComponent> fromJson(const nlohmann::json& data);

    void onPreInit(orv::Entity*) override {}
    void onInit() override {}

    nlohmann::json toJsonData() const override { return nlohmann::json::object(); }
    const std::string& getName() const override { return Name; }

    void requestDialogue(const std::string& dialogueId) { dialogueRequested.emit(dialogueId); }

    smartsignals::Signal<void(const std::string&)> dialogueRequested;
};

} // namespace tarsk
