#pragma once

#include "game/missions/Mission.hpp"

#include <memory>
#include <string>

namespace tarsk {

// Reached once the player carries five wood items; the wood stays with the player. Saves
// nothing but its state.
class Mission_Demo_Collect_Wood : public Mission {
public:
    inline static const std::string Id = "Mission_Demo_Collect_Some_Wood";
    inline static const std::string WoodItemId = "WOOD";
    static constexpr int WoodNeeded = 5;

    Mission_Demo_Collect_Wood();

    void onInit(const orv::WorldManager&, const orv::Entity*) override {}
    void onEnd() override {}
    nlohmann::json writeData() const override { return nullptr; }
    void readData(const nlohmann::json&) override {}
    void onBegin(const orv::WorldManager&, const orv::Entity*) override {}
    // Counts the wood in the player's inventory, which the player must have.
    MissionState checkProgress(const orv::WorldManager& worlds, const orv::Entity* player) override;
    void onEndA(MissionManager&, const orv::WorldManager&, const orv::Entity*) override {}
    void onEndB(MissionManager& missions, const orv::WorldManager& worlds,
                const orv::Entity* player) override;
    void onEndC(MissionManager& missions, const orv::WorldManager& worlds,
                const orv::Entity* player) override;
    std::unique_ptr<Mission> clone() const override;

protected:
    // Only the goal's own ending: B and C are never reached.
    bool hasEnding(MissionState pending) const override { return pending == MissionState::END_A_PENDING; }
};

} // namespace tarsk
