#pragma once

#include "app/savegame/LoadedSavegame.hpp"

namespace orv {
class BlueprintManager;
}

namespace tarsk {

class EntityContentCheck;

// What a game file names, checked once its worlds are built and before anyone plays in them:
// every entity's records as its blueprint completes them, the player's own, every portal's
// target world and the player's world, which must hold what a player needs.
class GameFileCheck {
public:
    GameFileCheck(const EntityContentCheck& references, const orv::BlueprintManager& blueprints)
        : references(references), blueprints(blueprints) {}

    // Throws orv::JsonError naming the file and the path of the bad value.
    void check(LoadedSavegame& savegame) const;

private:
    void checkEntity(const nlohmann::json& components, orv::WorldManager& worlds) const;
    static void checkPlayerWorld(orv::WorldManager& worlds, std::uint32_t id, bool entered);

    const EntityContentCheck& references;
    const orv::BlueprintManager& blueprints;
};

} // namespace tarsk
