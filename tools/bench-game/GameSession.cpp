#include "tools/bench-game/GameSession.hpp"

#include "app/menu/MainMenuGameState.hpp"
#include "app/player/ActivePlayerGameState.hpp"
#include "app/root/FrameClock.hpp"
#include "app/savegame/LoadedSavegameGameState.hpp"
#include "engine/ecs/Entity.hpp"
#include "game/random/RandomNumberGenerator.hpp"

#include <stdexcept>

namespace orvbench {

namespace {

class FixedClock final : public tarsk::FrameClock {
public:
    explicit FixedClock(sf::Time step) : step(step) {}
    sf::Time restart() override { return step; }

private:
    sf::Time step;
};

template <class T>
T& onlyChild(orv::GameState& parent, const char* what) {
    for (const auto& child : parent.getSubStates()) {
        if (auto* found = dynamic_cast<T*>(child.get()))
            return *found;
    }
    throw std::runtime_error(std::string("the game has no ") + what);
}

} // namespace

GameSession::GameSession(sf::Time frameTime)
    : rootState(std::make_unique<BenchRoot>(std::make_unique<FixedClock>(frameTime))) {
    // The same frogs' hops every run, so runs compare.
    rootState->getRandom() = tarsk::RandomNumberGenerator(1);
    rootState->init();
    // Frames are timed by the benchmark, not held back to the game's frame rate.
    rootState->getWindow().setFramerateLimit(0);
    auto& menu = onlyChild<tarsk::MainMenuGameState>(*rootState, "main menu");
    menu.startNewGame();
    auto& loaded =
        onlyChild<tarsk::LoadedSavegameGameState<tarsk::IngameBaseGameState<1>>>(menu, "loaded game");
    ingameState = &onlyChild<tarsk::IngameBaseGameState<1>>(loaded, "in-game root");
    rootState->getFrameTime() = frameTime;
}

GameSession::~GameSession() = default;

orv::World& GameSession::playerWorld() const {
    tarsk::ActivePlayerGameState* player = ingameState->getPlayerState();
    if (!player)
        throw std::runtime_error("the game has no player");
    orv::World* world = player->getPlayer() ? player->getPlayer()->getWorld() : nullptr;
    if (!world)
        throw std::runtime_error("the player is in no world");
    return *world;
}

bool GameSession::simulate() {
    ingameState->update();
    // A dead player asks the program to quit after the frame.
    return !rootState->getQuitRequested();
}

} // namespace orvbench
