#pragma once

#include "app/ingame/IngameBaseGameState.hpp"
#include "app/root/BaseGameState.hpp"

#include <SFML/System/Time.hpp>

#include <memory>

namespace orv {
class World;
}

namespace orvbench {

// The root state with its render pass within reach.
class BenchRoot : public tarsk::BaseGameState {
public:
    using BaseGameState::BaseGameState;
    void renderPass() { onUpdate_late(); }
};

// The game as the player starts it in the working folder: the root state (window, content, main
// menu), then "New Game" through the menu, which loads the game file through the real loader.
// Every frame takes the given time.
class GameSession {
public:
    explicit GameSession(sf::Time frameTime);
    ~GameSession();

    BenchRoot& root() { return *rootState; }
    tarsk::IngameBaseGameState<1>& ingame() const { return *ingameState; }
    // The world the player is in.
    orv::World& playerWorld() const;

    // One frame of the in-game root: every active world's systems, the player's states and
    // missions; nothing drawn. False once the player has died (the game then wants to quit).
    bool simulate();

private:
    std::unique_ptr<BenchRoot> rootState;
    tarsk::IngameBaseGameState<1>* ingameState = nullptr;
};

} // namespace orvbench
