#include "engine/persistence/PersistenceComponent.hpp"

#include "engine/ecs/Entity.hpp"

namespace orv {

PersistenceComponent::PersistenceComponent(bool persistent) : persistent(persistent) {}

void PersistenceComponent::onPreInit(Entity* entity) {
    savedComponents.clear();
    for (const auto& [type, component] : entity->getComponents()) {
        if (auto* serializable = component->asSerializable())
            savedComponents.push_back(serializable);
    }
}

nlohmann::json PersistenceComponent::toJson() const {
    nlohmann::json result(nlohmann::json::value_t::object);
    auto& members = result.get_ref<nlohmann::json::object_t&>();
    for (const SerializableComponent* component : savedComponents)
        members.insert_or_assign(component->getName(), component->toJson());
    return result;
}

} // namespace orv
