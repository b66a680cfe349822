// Takes pictures of the shipped game for the README: the island by day around the old man, the
// island at night lit by torches and the fire, and the dungeon. It runs the real root state with
// its window and render pass in the current folder, which must hold data/ and the game file.

#include "app/ingame/IngameBaseGameState.hpp"
#include "app/menu/MainMenuGameState.hpp"
#include "app/player/ActivePlayerGameState.hpp"
#include "app/root/BaseGameState.hpp"
#include "app/savegame/LoadedSavegameGameState.hpp"
#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/ecs/WorldContainer.hpp"
#include "engine/ecs/WorldManager.hpp"
#include "engine/physics/PhysicsComponent.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/portals/PortalComponent.hpp"
#include "game/time/TimeSystem.hpp"

#include <SFML/Graphics/Texture.hpp>

#include <cstdint>
#include <exception>
#include <filesystem>
#include <iostream>
#include <stdexcept>

namespace {

using LoadedGame = tarsk::LoadedSavegameGameState<tarsk::IngameBaseGameState<1>>;

void run(tarsk::BaseGameState& root, int frames) {
    for (int i = 0; i < frames && !root.isClosed(); ++i)
        root.update();
    if (root.isClosed())
        throw std::runtime_error("the game ended early");
}

// The frame the render pass has just shown.
void capture(tarsk::BaseGameState& root, const std::filesystem::path& file) {
    sf::RenderWindow& window = root.getWindow();
    sf::Texture frame;
    if (!frame.create(window.getSize().x, window.getSize().y))
        throw std::runtime_error("cannot make a texture to capture into");
    frame.update(window);
    if (!frame.copyToImage().saveToFile(file.string()))
        throw std::runtime_error("cannot write " + file.string());
    std::cout << "wrote " << file.string() << std::endl;
}

tarsk::ActivePlayerGameState& playerState(tarsk::BaseGameState& root) {
    auto& menu = dynamic_cast<tarsk::MainMenuGameState&>(*root.getSubStates().front());
    auto& game = dynamic_cast<LoadedGame&>(*menu.getSubStates().front());
    auto& ingame = dynamic_cast<tarsk::IngameBaseGameState<1>&>(*game.getSubStates().front());
    if (!ingame.getPlayerState())
        throw std::runtime_error("no player");
    return *ingame.getPlayerState();
}

// Puts the player on the island's portal; the game's own contact handling does the journey.
void stepIntoPortal(tarsk::ActivePlayerGameState& state) {
    orv::Entity& player = *state.getPlayer();
    for (const auto& entity : player.getWorld()->getEntities()) {
        const auto* portal = entity->findComponent<tarsk::PortalComponent>();
        if (!portal || !portal->hasTarget())
            continue;
        const sf::Vector2f at = entity->getComponent<orv::TransformationComponent>()->getPositionXY();
        player.getComponent<orv::PhysicsComponent>()->getBody()->SetTransform({at.x, at.y}, 0.f);
        return;
    }
    throw std::runtime_error("the player's world has no portal");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: screenshots <output folder>" << std::endl;
        return 2;
    }
    const std::filesystem::path out = argv[1];
    try {
        tarsk::BaseGameState root;
        root.init();
        run(root, 5);
        dynamic_cast<tarsk::MainMenuGameState&>(*root.getSubStates().front()).startNewGame();
        run(root, 90);
        capture(root, out / "island-day.png");

        tarsk::ActivePlayerGameState& state = playerState(root);
        orv::World& island = *state.getPlayer()->getWorld();
        island.getSystem<tarsk::TimeSystem>()->setDayTime(tarsk::DayTime(23, 0, 0));
        run(root, 30);
        capture(root, out / "island-night.png");
        island.getSystem<tarsk::TimeSystem>()->setDayTime(tarsk::DayTime(12, 0, 0));

        const std::uint32_t from = state.getPlayerContainer()->getId();
        stepIntoPortal(state);
        for (int i = 0; i < 120 && state.getPlayerContainer()->getId() == from; ++i)
            run(root, 1);
        if (state.getPlayerContainer()->getId() == from)
            throw std::runtime_error("the portal did not carry the player");
        run(root, 90);
        capture(root, out / "dungeon.png");
        root.close();
    } catch (const std::exception& error) {
        std::cerr << "screenshots: " << error.what() << std::endl;
        return 1;
    }
    return 0;
}
