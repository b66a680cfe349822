#include "engine/serialization/BlueprintComponent.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/persistence/PersistenceComponent.hpp"
#include "engine/serialization/Blueprint.hpp"
#include "engine/serialization/BlueprintManager.hpp"
#include "engine/serialization/JsonRecord.hpp"

#include <unordered_set>
#include <utility>

namespace orv {

BlueprintComponent::BlueprintComponent(const BlueprintManager& library, std::string blueprintName)
    : library(library), blueprintName(std::move(blueprintName)) {}

std::unique_ptr<BlueprintComponent> BlueprintComponent::fromJson(const nlohmann::json& data,
                                                                 const BlueprintManager& library) {
    return std::make_unique<BlueprintComponent>(library, readBlueprintName(data));
}

std::string BlueprintComponent::readBlueprintName(const nlohmann::json& data) {
    return memberOrNull(data, "type").get<std::string>();
}

void BlueprintComponent::onPreInit(Entity* entity) {
    persistence = entity->findComponent<PersistenceComponent>();
}

nlohmann::json BlueprintComponent::toJsonData() const {
    return {{"type", blueprintName}};
}

nlohmann::json BlueprintComponent::serializeEntity() const {
    nlohmann::json result = nlohmann::json::object();
    if (!persistence)
        return result;

    const nlohmann::json full = persistence->toJson();
    const nlohmann::json& compiled = library.get(blueprintName).getData();
    for (const auto& [key, value] : full.items()) {
        auto defined = compiled.find(key);
        if (defined == compiled.end()) {
            if (key == Name)
                result[key] = value;
            continue;
        }
        if (!defined->is_object()) {
            result[key] = nlohmann::json::object();
            continue;
        }

        nlohmann::json own = value;
        for (const auto& [blueprintKey, ignored] : defined->items())
            own.erase(blueprintKey);
        if (auto save = defined->find(Blueprint::SaveKey); save != defined->end()) {
            const auto listed = save->get<std::unordered_set<std::string>>();
            nlohmann::json kept = nlohmann::json::object();
            for (auto& [ownKey, ownValue] : own.items()) {
                if (listed.contains(ownKey))
                    kept[ownKey] = std::move(ownValue);
            }
            own = std::move(kept);
        }
        result[key] = std::move(own);
    }
    return result;
}

} // namespace orv
