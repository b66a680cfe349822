#pragma once

#include "game/missions/Mission.hpp"

#include <memory>
#include <vector>

namespace tarsk {

// One prototype of every mission kind, in a fixed order. A game's missions are clones of them;
// the prototypes themselves are never begun.
class MissionDataManager {
public:
    using Prototypes = std::vector<std::unique_ptr<Mission>>;

    // The game's mission kinds: kill frogs, collect wood, retrieve the dungeon artifact.
    MissionDataManager();
    explicit MissionDataManager(Prototypes prototypes);
    MissionDataManager(const MissionDataManager&) = delete;
    MissionDataManager& operator=(const MissionDataManager&) = delete;
    ~MissionDataManager();

    const Prototypes& getPrototypes() const { return prototypes; }

private:
    Prototypes prototypes;
};

} // namespace tarsk
