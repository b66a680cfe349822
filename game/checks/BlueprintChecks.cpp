#include "game/checks/BlueprintChecks.hpp"

#include "engine/common/JsonWhere.hpp"
#include "engine/serialization/SerializationManager.hpp"
#include "game/checks/EntityContentCheck.hpp"

namespace tarsk {

void checkEntityBlueprints(const orv::SerializationManager& serialization,
                           const EntityContentCheck& references) {
    for (const orv::Blueprint& blueprint : serialization.getBlueprintManager().getBlueprints()) {
        if (!blueprint.isEntity())
            continue;
        orv::readFromFile(blueprint.getSource(), [&] {
            references.check(blueprint.getComponents(), blueprint.getName());
            serialization.createEntity(blueprint);
        });
    }
}

} // namespace tarsk
