#pragma once

#include "game/factories/EntityFactory.hpp"

#include <vector>

namespace orv {
class SerializationManager;
}

namespace tarsk {

// One factory per compiled entity blueprint, id and name both the blueprint's name, that asks
// the serialisation manager (which must outlive the factories) for a new instance.
std::vector<EntityFactory> makeBlueprintEntityFactories(orv::SerializationManager& serialization);

} // namespace tarsk
