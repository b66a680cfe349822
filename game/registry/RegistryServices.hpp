#pragma once

#include "game/combat/EntityMaker.hpp"

namespace orv {
class ResourceManager;
class SerializationManager;
class Tileset;
} // namespace orv

namespace tarsk {

class AiManager;
class AnimationDataManager;
class DayNightCycleDataManager;
class ItemManager;
class RandomNumberGenerator;

// The long-lived services of the root state that the factories of the type registry are bound
// to. The root state outlives every object the factories make. The serialisation manager may still
// be under construction when the tables are built: it is only used once worlds are read.
struct RegistryServices {
    orv::ResourceManager& resources;
    orv::SerializationManager& serialization;
    const orv::Tileset& tileset;
    const AnimationDataManager& animations;
    const DayNightCycleDataManager& dayNightCycles;
    const ItemManager& items;
    AiManager& ai;
    const RandomNumberGenerator& random;
    // Makes entities by factory id for the systems that spawn them (fighter remains, spawners).
    EntityMaker makeEntity;
};

} // namespace tarsk
