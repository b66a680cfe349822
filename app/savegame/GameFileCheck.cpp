#include "app/savegame/GameFileCheck.hpp"

#include "app/player/PlayerWorldNeeds.hpp"
#include "engine/common/JsonMember.hpp"
#include "engine/common/JsonNumber.hpp"
#include "engine/common/JsonWhere.hpp"
#include "engine/ecs/WorldContainer.hpp"
#include "engine/serialization/BlueprintManager.hpp"
#include "game/checks/EntityContentCheck.hpp"
#include "game/content/Identifiers.hpp"
#include "game/portals/PortalComponent.hpp"

#include <stdexcept>
#include <string>

namespace tarsk {

void GameFileCheck::check(LoadedSavegame& savegame) const {
    orv::WorldManager& worlds = *savegame.worldManager;
    const nlohmann::json& data = savegame.data;
    orv::readFromFile(savegame.file.string(), [&] {
        // The world reader took these apart already: what is here has the shapes it needs.
        const nlohmann::json* global = orv::findMember(data, "global");
        const nlohmann::json* containers = global ? orv::findMember(*global, "worldContainers") : nullptr;
        for (std::size_t i = 0; containers && i < containers->size(); ++i) {
            const nlohmann::json* entities = orv::findMember((*containers)[i], "entities");
            for (std::size_t j = 0; entities && j < entities->size(); ++j) {
                orv::readUnderKey("global", [&] {
                    orv::readUnderElement("worldContainers", i, [&] {
                        orv::readUnderElement("entities", j, [&] {
                            orv::readUnderKey("components",
                                              [&] { checkEntity((*entities)[j].at("components"), worlds); });
                        });
                    });
                });
            }
        }
        if (const nlohmann::json* player = orv::findMember(data, "PlayerData")) {
            if (const nlohmann::json* components = orv::findMember(*player, "components"))
                orv::readUnderKey("PlayerData", [&] {
                    orv::readUnderKey("components", [&] { checkEntity(*components, worlds); });
                });
        }
        // Without a stored number the player starts in the first world.
        const nlohmann::json* stored = orv::findMember(data, "PlayerWorldContainer");
        orv::readUnderKey("PlayerWorldContainer", [&] {
            const std::uint32_t id = stored && stored->is_number()
                                         ? orv::jsonNumber<std::uint32_t>(*stored, "PlayerWorldContainer")
                                         : 0;
            checkPlayerWorld(worlds, id, false);
        });
    });
}

void GameFileCheck::checkEntity(const nlohmann::json& components, orv::WorldManager& worlds) const {
    const nlohmann::json resolved = blueprints.resolveComponents(components);
    references.check(resolved);
    const nlohmann::json* portal = orv::findMember(resolved, id::component::portal);
    if (!portal)
        return;
    const std::unique_ptr<PortalComponent> read = PortalComponent::fromJson(*portal);
    if (read->hasTarget())
        orv::readUnderKey(id::component::portal, [&] {
            orv::readUnderKey("target_world",
                              [&] { checkPlayerWorld(worlds, read->getTarget().first, true); });
        });
}

void GameFileCheck::checkPlayerWorld(orv::WorldManager& worlds, std::uint32_t id, bool entered) {
    const orv::WorldContainer* container = worlds.getWorldContainer(id);
    // A missing start world is the player state's to report, as it places the player.
    if (!container && !entered)
        return;
    if (!container)
        throw std::runtime_error("the game has no world " + std::to_string(id));
    // A portal's world runs once entered; the world the game starts in runs if it is active.
    if (const std::string why = whyNoPlayerWorld(*container, entered || container->isActive()); !why.empty())
        throw std::runtime_error(why);
}

} // namespace tarsk
