#pragma once

#include <SFML/System/Time.hpp>

#include <memory>
#include <vector>

namespace ui {
class Gui;
} // namespace ui

namespace orv {
class Entity;
class GameState;
class World;
class WorldManager;
} // namespace orv

namespace tarsk {

class ActionManager;
class AttackManager;
class DialogueDataManager;
class InputEngine;
class MissionManager;

// What the player's screens reach of a running game: the interface roots, the player, the
// game's missions and worlds, and the registries they draw on. The player's state provides it
// for as long as its screens live; the screens keep references, never ownership.
class PlayerScreenServices {
public:
    virtual ui::Gui& getGui() = 0;
    virtual InputEngine& getInput() = 0;
    // Refreshed by the root every frame; read it each frame rather than copying it.
    virtual const sf::Time& getFrameTime() = 0;
    virtual orv::Entity& getPlayer() = 0;
    virtual MissionManager& getMissions() = 0;
    virtual const orv::WorldManager& getWorlds() = 0;
    virtual const AttackManager& getAttacks() = 0;
    virtual const DialogueDataManager& getDialogues() = 0;
    virtual ActionManager& getActions() = 0;
    // The world seen through the active camera, where the player's actions take place.
    virtual orv::World& getViewedWorld() = 0;
    // The states that steer the player (movement, mouse actions), in update order. The HUD owns
    // them so that control lasts exactly as long as the HUD.
    virtual std::vector<std::unique_ptr<orv::GameState>> makeControlStates() = 0;

protected:
    ~PlayerScreenServices() = default;
};

} // namespace tarsk
