#include "engine/ecs/Entity.hpp"

namespace orv {

Entity::Entity() = default;

Entity::Entity(Entity&& other)
    : components(), initialised(false), world(nullptr), removedFromWorld(), connections() {
    if (other.initialised)
        throw std::logic_error("Entity cannot be moved after initialization");
    components = std::move(other.components);
    other.components.clear();
    world = std::exchange(other.world, nullptr);
    removedFromWorld = std::move(other.removedFromWorld);
    connections = std::move(other.connections);
}

Entity::~Entity() = default;

Component* Entity::addComponent(std::unique_ptr<Component>&& component, const std::type_index& type) {
    std::unique_ptr<Component> owned = std::move(component);
    if (!owned)
        throw std::logic_error("Cannot register a null Component. Name: " + typeName(type));
    if (!initialised) {
        // One walk of the map: the slot is taken and filled at once.
        auto [slot, inserted] = components.try_emplace(type);
        if (!inserted)
            throw std::logic_error("Cannot register the same Component more than once. Name: " +
                                   typeName(type));
        slot->second = std::move(owned);
        return slot->second.get();
    }
    if (components.contains(type))
        throw std::logic_error("Cannot register the same Component more than once. Name: " + typeName(type));
    owned->onPreInit(this);
    owned->onInit();
    // Its initialisation may have added components; the duplicate test must hold afterwards too.
    auto [it, inserted] = components.emplace(type, std::move(owned));
    if (!inserted)
        throw std::logic_error("Cannot register the same Component more than once. Name: " + typeName(type));
    return it->second.get();
}

void Entity::init() {
    if (initialised)
        throw std::logic_error("Entity is already initialized");
    for (auto& [type, component] : components)
        component->onPreInit(this);
    for (auto& [type, component] : components)
        component->onInit();
    initialised = true;
}

bool Entity::getInitStatus() const {
    return initialised;
}

} // namespace orv
