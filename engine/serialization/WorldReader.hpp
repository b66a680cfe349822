#pragma once

#include "engine/ecs/WorldContainer.hpp"

#include <nlohmann/json.hpp>

#include <memory>

namespace orv {

class SerializationManager;
class World;
class WorldManager;

// Builds running worlds from their saved form. Everything comes back initialised: systems hear
// their hooks before any entity exists, and each world's entities arrive in one batch. A failure
// throws and takes the partly built objects with it.

// The manager with its systems initialised before any container is added. A missing
// "worldContainers" means none (the writer leaves it out for an empty manager). Errors inside a
// container, system or entity are orv::JsonErrors with its path ("worldContainers[1].entities[4]").
std::unique_ptr<WorldManager> worldManagerFromJson(const SerializationManager& types,
                                                   const nlohmann::json& data);
WorldContainer worldContainerFromJson(const nlohmann::json& data, const SerializationManager& types);
// The saved systems, then a persistence system last; the saved entities with a persistence component.
std::unique_ptr<World> worldFromJson(const SerializationManager& types, const nlohmann::json& data);

} // namespace orv
