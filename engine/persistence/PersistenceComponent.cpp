#include "engine/persistence/PersistenceComponent.hpp"

#include "engine/ecs/Entity.hpp"

namespace orv {

PersistenceComponent::PersistenceComponent(bool persistent) : persistent(persistent) {}

void PersistenceComponent::onPreInit(Entity* entity) {
    savedComponents.clear();
    for (const auto& [type, component] : entity->getComponents()) {
        if (auto* serializable = dynamic_cast<SerializableComponent*>(component.get()))
            savedComponents.push_back(serializable);
    }
}

nlohmann::json PersistenceComponent::toJson() const {
    nlohmann::json result = nlohmann::json::object();
    for (const SerializableComponent* component : savedComponents)
        result[component->getName()] = component->toJson();
    return result;
}

} // namespace orv
