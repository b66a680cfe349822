#pragma once

namespace orv {
class Entity;
class WorldManager;
} // namespace orv

namespace tarsk {

class MissionManager;

// The parts of a running game that a conversation may look at and change: the game's missions,
// its worlds, and the player who talks. The player's state fills it in for the dialogue screen.
struct DialogueContext {
    MissionManager& missions;
    const orv::WorldManager& worlds;
    const orv::Entity* player;
};

} // namespace tarsk
