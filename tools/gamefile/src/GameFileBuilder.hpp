#pragma once

#include "app/root/GameContent.hpp"
#include "tools/gamefile/src/StoryLayout.hpp"

#include <nlohmann/json.hpp>

#include <memory>

namespace orv {
class Entity;
class World;
class WorldManager;
} // namespace orv

namespace gamefile {

// Builds the game file the game ships with: every world from its generator, the story's paths
// laid over it and its entities placed on it, the world manager with its portal counter, the
// player as a new game makes it, and the missions not yet started.
class GameFileBuilder {
public:
    GameFileBuilder(tarsk::GameContent& content, StoryLayout layout);

    nlohmann::json build();

private:
    std::unique_ptr<orv::World> buildWorld(const WorldLayout& layout);
    void layPaths(orv::World& world, const WorldLayout& layout);
    void clearAround(orv::World& world, const WorldLayout& layout);
    void place(orv::World& world, const PlacementLayout& placement);
    std::unique_ptr<orv::Entity> make(const PlacementLayout& placement) const;
    std::unique_ptr<orv::Entity> makePlayer() const;

    tarsk::GameContent& content;
    StoryLayout layout;
};

} // namespace gamefile
