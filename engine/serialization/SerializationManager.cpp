#include "engine/serialization/SerializationManager.hpp"

#include "engine/common/JsonWhere.hpp"
#include "engine/persistence/PeristenceRealmSystem_global.hpp"
#include "engine/persistence/PersistenceComponent.hpp"
#include "engine/serialization/BindTypeIndex.hpp"
#include "engine/serialization/Blueprint.hpp"
#include "engine/serialization/BlueprintComponent.hpp"
#include "engine/serialization/JsonRecord.hpp"

#include <functional>
#include <utility>

namespace orv {

SerializationManager::SerializationManager(ResourceManager& resources, ComponentFactories components,
                                           WorldSystemFactories worldSystems,
                                           GlobalSystemFactories globalSystems, GenericHandlers handlers)
    : componentFactories(std::move(components)), worldSystemFactories(std::move(worldSystems)),
      globalSystemFactories(std::move(globalSystems)), handlers(std::move(handlers)), blueprints(resources) {
    // emplace keeps an entry that is already there: one name, one factory, the first one wins.
    globalSystemFactories.emplace(
        PeristenceRealmSystem_global::TypeName,
        bindTypeIndex<PeristenceRealmSystem_global>(&PeristenceRealmSystem_global::create));
    componentFactories.emplace(
        BlueprintComponent::Name,
        bindTypeIndex<BlueprintComponent>(&BlueprintComponent::fromJson, std::cref(blueprints)));
}

SerializationManager::~SerializationManager() = default;

void SerializationManager::addComponents(Entity& entity, const nlohmann::json& saved,
                                         bool keyInErrors) const {
    // Read in place: only the members that the record and its blueprint both hold are merged.
    blueprints.forEachResolvedComponent(
        saved, [this, &entity, keyInErrors](const std::string& key, const nlohmann::json& value) {
            auto make = [&] {
                return lookup(componentFactories, key)(value);
            };
            auto [component, type] = keyInErrors ? readUnderKey(key, make) : make();
            entity.addComponent(std::move(component), type);
        });
}

std::unique_ptr<Entity> SerializationManager::entityFromJson(const nlohmann::json& data) const {
    auto entity = std::make_unique<Entity>();
    const nlohmann::json& components = requiredMember(data, "components");
    readUnderKey("components", [&] { addComponents(*entity, components, true); });
    return entity;
}

nlohmann::json SerializationManager::entityToJson(const Entity& entity) {
    const auto* persistence = entity.findComponent<PersistenceComponent>();
    return persistence ? entityToJson(*persistence) : nullptr;
}

nlohmann::json SerializationManager::entityToJson(const PersistenceComponent& persistence) {
    // The saved components are at hand already; the entity's component map is not walked.
    const BlueprintComponent* blueprint = nullptr;
    for (const SerializableComponent* component : persistence.getSavedComponents()) {
        if (&component->getName() == &BlueprintComponent::Name)
            blueprint = static_cast<const BlueprintComponent*>(component);
    }
    nlohmann::json record(nlohmann::json::value_t::object);
    auto& members = record.get_ref<nlohmann::json::object_t&>();
    if (blueprint)
        members.emplace("components", blueprint->serializeEntity());
    else
        members.emplace("components", persistence.toJson());
    return record;
}

std::unique_ptr<Entity> SerializationManager::instantiate(const std::string& name) const {
    return createEntity(blueprints.get(name));
}

std::unique_ptr<Entity> SerializationManager::createEntity(const Blueprint& blueprint) const {
    auto entity = std::make_unique<Entity>();
    auto add = [&] {
        addComponents(*entity, blueprint.getComponents(), true);
    };
    if (blueprint.getSource().empty())
        add();
    else
        readFromFile(blueprint.getSource(), add);
    entity->addComponent<BlueprintComponent>(blueprints, blueprint.getName());
    return entity;
}

FactoryResult<System_base<World>> SerializationManager::makeWorldSystem(const nlohmann::json& record) const {
    const std::string type = requiredMember(record, "_SystemTypeId").get<std::string>();
    return lookup(worldSystemFactories, type)(record);
}

FactoryResult<System_base<WorldManager>>
SerializationManager::makeGlobalSystem(const nlohmann::json& record) const {
    const std::string type = requiredMember(record, "_SystemTypeId").get<std::string>();
    return lookup(globalSystemFactories, type)(record);
}

} // namespace orv
