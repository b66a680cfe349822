#pragma once

#include <nlohmann/json.hpp>

namespace orv {

class World;
class WorldContainer;
class WorldManager;

// The saved form of a running game's worlds; writing changes nothing.

// {"wm_id_counter", "systems_global", "worldContainers"}; the last only when there are containers.
nlohmann::json worldManagerToJson(const WorldManager& manager);
// The world's record with "_id", "_isActive" and "_name" added.
nlohmann::json worldContainerToJson(const WorldContainer& container);
// {"systems_local", "entities"}: the serialisable systems in update order and the entities its
// persistence system saves. A world without a persistence system throws.
nlohmann::json worldToJson(const World& world);

} // namespace orv
