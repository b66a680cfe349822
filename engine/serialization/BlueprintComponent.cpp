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
    nlohmann::json result(nlohmann::json::value_t::object);
    result.get_ref<nlohmann::json::object_t&>().emplace("type", blueprintName);
    return result;
}

namespace {

// The general form, for a saved record that is not an object: what the blueprint defines is
// erased from it (which the JSON library refuses for non-objects), then narrowed to the list.
nlohmann::json relativeToBlueprint(nlohmann::json own, const nlohmann::json& defined,
                                   const std::unordered_set<std::string>* listed) {
    for (const auto& [blueprintKey, ignored] : defined.items())
        own.erase(blueprintKey);
    if (!listed)
        return own;
    nlohmann::json kept = nlohmann::json::object();
    for (auto& [ownKey, ownValue] : own.items()) {
        if (listed->contains(ownKey))
            kept[ownKey] = std::move(ownValue);
    }
    return kept;
}

} // namespace

nlohmann::json BlueprintComponent::serializeEntity() const {
    // Objects are made by type, and members emplaced: the JSON library's object() and
    // operator[] go through initialiser lists and key copies, which add up over a whole world.
    nlohmann::json result(nlohmann::json::value_t::object);
    if (!persistence)
        return result;
    auto& members = result.get_ref<nlohmann::json::object_t&>();

    // Component by component, as the persistence component would write them (a later one of the
    // same name replaces an earlier one), each narrowed as soon as it is written.
    const Blueprint& blueprint = library.get(blueprintName);
    for (const SerializableComponent* component : persistence->getSavedComponents()) {
        const std::string& key = component->getName();
        nlohmann::json value = component->toJson();
        const auto [defined, listed] = blueprint.findSaveRule(key);
        if (!defined) {
            if (key == Name)
                members.insert_or_assign(key, std::move(value));
            continue;
        }
        if (!defined->is_object()) {
            members.insert_or_assign(key, nlohmann::json(nlohmann::json::value_t::object));
            continue;
        }
        if (!value.is_object()) {
            members.insert_or_assign(key, relativeToBlueprint(std::move(value), *defined, listed));
            continue;
        }
        // Narrowed in place: what goes is erased, what stays is not copied.
        auto& own = value.get_ref<nlohmann::json::object_t&>();
        for (auto it = own.begin(); it != own.end();) {
            if (defined->contains(it->first) || (listed && !listed->contains(it->first)))
                it = own.erase(it);
            else
                ++it;
        }
        members.insert_or_assign(key, std::move(value));
    }
    return result;
}

} // namespace orv
