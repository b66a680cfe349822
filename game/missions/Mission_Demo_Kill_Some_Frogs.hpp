#pragma once

#include "engine/signals/ScopedConnections.hpp"
#include "game/missions/Mission.hpp"

#include <cstdint>
#include <memory>
#include <string>

namespace tarsk {

// Counts what the player kills (any entity counts); five kills reach the goal. Saves the count
// as "killedFrogs".
class Mission_Demo_Kill_Some_Frogs : public Mission {
public:
    inline static const std::string Id = "Mission_Demo_Kill_Some_Frogs";
    static constexpr std::uint32_t KillsNeeded = 5;

    Mission_Demo_Kill_Some_Frogs();

    // Listens to the kills of the player's fighter component (which it must have), dropping
    // any earlier player it listened to.
    void onInit(const orv::WorldManager& worlds, const orv::Entity* player) override;
    void onEnd() override;
    nlohmann::json writeData() const override;
    // Requires "killedFrogs".
    void readData(const nlohmann::json& record) override;
    void onBegin(const orv::WorldManager&, const orv::Entity*) override {}
    MissionState checkProgress(const orv::WorldManager& worlds, const orv::Entity* player) override;
    void onEndA(MissionManager&, const orv::WorldManager&, const orv::Entity*) override {}
    void onEndB(MissionManager& missions, const orv::WorldManager& worlds,
                const orv::Entity* player) override;
    void onEndC(MissionManager& missions, const orv::WorldManager& worlds,
                const orv::Entity* player) override;
    std::unique_ptr<Mission> clone() const override;

    std::uint32_t getKilledFrogs() const { return killedFrogs; }

protected:
    // Only the goal's own ending: B and C are never reached.
    bool hasEnding(MissionState pending) const override { return pending == MissionState::END_A_PENDING; }

private:
    std::uint32_t killedFrogs = 0;
    smartsignals::ScopedConnections connections;
};

} // namespace tarsk
