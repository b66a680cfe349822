#include "game/factories/BlueprintEntityFactories.hpp"

#include "engine/common/JsonError.hpp"
#include "engine/ecs/Entity.hpp"
#include "engine/resources/RegularFile.hpp"
#include "engine/serialization/Blueprint.hpp"
#include "engine/serialization/BlueprintManager.hpp"
#include "engine/serialization/SerializationManager.hpp"
#include "game/content/Identifiers.hpp"

#include <exception>

namespace tarsk {

namespace {

// Checked as the factories are made, so a missing texture stops the start instead of ending the
// running game at the first spawn; the texture itself is still loaded on first use.
void checkSpriteTexture(const orv::Blueprint& blueprint) {
    const nlohmann::json& components = blueprint.getComponents();
    const auto sprite = components.find(id::component::sprite);
    if (sprite == components.end() || !sprite->is_object())
        return;
    const auto texture = sprite->find("textureResourceId");
    if (texture == sprite->end() || !texture->is_string())
        return;
    const std::string& file = texture->get_ref<const std::string&>();
    try {
        orv::requireRegularFile(file);
    } catch (const std::exception& error) {
        throw orv::JsonError(blueprint.getSource(), id::component::sprite + ".textureResourceId",
                             error.what());
    }
}

} // namespace

std::vector<EntityFactory> makeBlueprintEntityFactories(orv::SerializationManager& serialization) {
    std::vector<EntityFactory> factories;
    for (const orv::Blueprint* blueprint : serialization.getBlueprintManager().getEntityBlueprints()) {
        checkSpriteTexture(*blueprint);
        const std::string& name = blueprint->getName();
        factories.push_back({name, name, [&serialization, name](const EntityFactory::Resources&) {
                                 return serialization.instantiate(name);
                             }});
    }
    return factories;
}

} // namespace tarsk
