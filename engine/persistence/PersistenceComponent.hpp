#pragma once

#include "engine/ecs/Component.hpp"
#include "engine/ecs/SerializableComponent.hpp"

#include <nlohmann/json.hpp>

#include <vector>

namespace orv {

// Marks an entity as saved with its world and fixes, at initialisation, which of its components
// are written: the serialisable ones present then. With the flag off the entity is tracked but
// saved elsewhere (the player is).
class PersistenceComponent : public Component {
public:
    explicit PersistenceComponent(bool persistent = true);

    void onPreInit(Entity* entity) override;
    void onInit() override {}

    bool isPersistent() const { return persistent; }
    const std::vector<SerializableComponent*>& getSavedComponents() const { return savedComponents; }

    // One member per saved component: its name, its data.
    nlohmann::json toJson() const;

private:
    std::vector<SerializableComponent*> savedComponents;
    bool persistent;
};

} // namespace orv
