#include "game/factories/BlueprintEntityFactories.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/serialization/Blueprint.hpp"
#include "engine/serialization/BlueprintManager.hpp"
#include "engine/serialization/SerializationManager.hpp"

namespace tarsk {

std::vector<EntityFactory> makeBlueprintEntityFactories(orv::SerializationManager& serialization) {
    std::vector<EntityFactory> factories;
    for (const orv::Blueprint* blueprint : serialization.getBlueprintManager().getEntityBlueprints()) {
        const std::string& name = blueprint->getName();
        factories.push_back({name, name, [&serialization, name](const EntityFactory::Resources&) {
                                 return serialization.instantiate(name);
                             }});
    }
    return factories;
}

} // namespace tarsk
