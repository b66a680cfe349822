#pragma once

#include "game/missions/Mission.hpp"

#include <memory>
#include <string>

namespace tarsk {

// Reached once the player carries the mythical artifact from the dungeon. Saves nothing but
// its state.
class Mission_Retrieve_Dungeon_Artifact : public Mission {
public:
    inline static const std::string Id = "Mission_Retrieve_Dungeon_Artifact";
    inline static const std::string ArtifactItemId = "MYTHICAL_ARTIFACT";

    Mission_Retrieve_Dungeon_Artifact();

    void onInit(const orv::WorldManager&, const orv::Entity*) override {}
    void onEnd() override {}
    nlohmann::json writeData() const override { return nlohmann::json::object(); }
    void readData(const nlohmann::json&) override {}
    void onBegin(const orv::WorldManager&, const orv::Entity*) override {}
    // Looks into the player's inventory, which the player must have.
    MissionState checkProgress(const orv::WorldManager& worlds, const orv::Entity* player) override;
    void onEndA(MissionManager&, const orv::WorldManager&, const orv::Entity*) override {}
    void onEndB(MissionManager&, const orv::WorldManager&, const orv::Entity*) override {}
    void onEndC(MissionManager&, const orv::WorldManager&, const orv::Entity*) override {}
    std::unique_ptr<Mission> clone() const override;
};

} // namespace tarsk
