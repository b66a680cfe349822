#pragma once

#include "engine/ecs/SerializableComponent.hpp"

#include <nlohmann/json.hpp>

#include <memory>
#include <string>

namespace orv {

class BlueprintManager;
class PersistenceComponent;

// Names the blueprint an entity was made from, so that the entity is saved as that name plus
// what the instance holds beyond the blueprint, and rebuilt from the blueprint when read back.
class BlueprintComponent : public SerializableComponent {
public:
    inline static const std::string Name = "blueprint";

    BlueprintComponent(const BlueprintManager& library, std::string blueprintName);

    // Its factory: {"type": blueprint name}.
    static std::unique_ptr<BlueprintComponent> fromJson(const nlohmann::json& data,
                                                        const BlueprintManager& library);
    // The "type" of a saved blueprint record, which must be a string.
    static std::string readBlueprintName(const nlohmann::json& data);

    void onPreInit(Entity* entity) override;
    void onInit() override {}

    nlohmann::json toJsonData() const override;
    const std::string& getName() const override { return Name; }
    const std::string& getBlueprintName() const { return blueprintName; }

    // The entity's saved components relative to the blueprint: per component the blueprint lists,
    // only the keys the blueprint does not define (narrowed to the blueprint's "_save" list where it
    // has one); components the blueprint does not list are left out, this one is always kept.
    // Empty when the entity has no persistence component.
    nlohmann::json serializeEntity() const;

private:
    const BlueprintManager& library;
    std::string blueprintName;
    const PersistenceComponent* persistence = nullptr;
};

} // namespace orv
