#pragma once

#include "engine/serialization/Factory.hpp"
#include "game/registry/RegistryServices.hpp"

namespace orv {
class SerializationManager;
}

namespace tarsk {

// The game's entries of the type registry's name tables, handed to the SerializationManager's
// constructor (which adds the engine's own entries). A name that is missing here cannot be read
// back from a saved game.

// Components by the key an entity's "components" object stores them under.
orv::ComponentFactories buildComponentRegistry(const RegistryServices& services);
// World systems by "_SystemTypeId".
orv::WorldSystemFactories buildWorldSystemRegistry(const RegistryServices& services);
// World-manager systems by "_SystemTypeId".
orv::GlobalSystemFactories buildGlobalSystemRegistry(const RegistryServices& services);

// Adds the light handler to the generic handlers for tarsk::Light.
void registerLightFactories(orv::SerializationManager& serialization);
// The generic handlers of the game, added to the finished serialisation manager.
void buildLightRegistry(orv::SerializationManager& serialization);

} // namespace tarsk
