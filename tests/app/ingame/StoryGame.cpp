#include "app/ingame/StoryGame.hpp"

#include "app/menu/MainMenuGameState.hpp"
#include "app/player/ActivePlayerGameState.hpp"
#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/ecs/WorldContainer.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/combat/FighterComponent.hpp"
#include "game/dialogue/DialogueReceiverComponent.hpp"
#include "game/dialogue/DialogueSenderComponent.hpp"
#include "game/health/HealthComponent.hpp"
#include "game/inventory/InventoryComponent.hpp"
#include "game/items/Item.hpp"
#include "game/items/ItemComponent.hpp"
#include "game/missions/MissionManager.hpp"
#include "game/portals/PortalComponent.hpp"
#include "game/random/RandomNumberGenerator.hpp"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <stdexcept>

namespace apptest::story {

bool speaks(const orv::Entity& entity, const std::string& dialogue) {
    const auto* sender = entity.findComponent<tarsk::DialogueSenderComponent>();
    return sender && sender->getDialogueFactoryId() == dialogue;
}

bool holdsItem(const orv::Entity& entity, const std::string& itemId) {
    const auto* item = entity.findComponent<tarsk::ItemComponent>();
    return item && item->hasItem() && item->getItem()->getId() == itemId;
}

bool isEnemy(const orv::Entity& entity) {
    const auto* health = entity.findComponent<tarsk::HealthComponent>();
    return health && !health->isDead() && entity.findComponent<tarsk::FighterComponent>() &&
           !entity.findComponent<tarsk::DialogueReceiverComponent>();
}

bool leadsAway(const orv::Entity& entity, std::uint32_t world) {
    const auto* portal = entity.findComponent<tarsk::PortalComponent>();
    return portal && portal->hasTarget() && portal->getTarget().first != world;
}

int countItems(const orv::Entity& player, const std::string& itemId) {
    return player.getComponent<tarsk::InventoryComponent>()->getInventory().countItemsById(itemId);
}

std::map<std::string, Path> islandPaths() {
    const std::string file = std::string(ORV_SOURCE_DIR) + "/tools/gamefile/layout.json";
    std::ifstream stream(file);
    if (!stream)
        throw std::runtime_error("cannot read " + file);
    const nlohmann::json layout = nlohmann::json::parse(stream);
    std::map<std::string, Path> paths;
    for (const nlohmann::json& path : layout.at("worlds").at(0).at("paths")) {
        Path& points = paths[path.at("name").get<std::string>()];
        for (const nlohmann::json& point : path.at("points"))
            points.emplace_back(point.at(0).get<float>(), point.at(1).get<float>());
    }
    return paths;
}

Path reversed(Path path) {
    std::reverse(path.begin(), path.end());
    return path;
}

Game::Game(const std::string& gameFile, std::optional<std::uint32_t> seed)
    : harness({}, RunFolder::Content::Shipped), pilot(harness, device) {
    device.windowSize = {1280, 720};
    if (!gameFile.empty())
        harness.folder.writeGameFile(gameFile);
    if (seed)
        harness.root->getRandom() = tarsk::RandomNumberGenerator(*seed);
    harness.root->setInputDevice(std::make_unique<ScriptedInputDevice>(device));
    harness.start();
    pilot.frames(2);
    // As a player starts it: the menu's button, clicked.
    pilot.clickWidget(*pilot.menu().getNewGameButton());
    if (!pilot.playerState())
        pilot.stalled("New Game", "no game started");
    pilot.frames(2);
}

Game::~Game() {
    harness.root->close();
}

tarsk::MissionState Game::state(const std::string& mission) {
    return pilot.playerState()->getMissions().findMission(mission)->getState();
}

LoadedGame& Game::loadedGame() {
    return dynamic_cast<LoadedGame&>(*pilot.menu().getSubStates().front());
}

std::uint32_t Game::playerWorldId() {
    return pilot.playerState()->getPlayerContainer()->getId();
}

const orv::Entity& Game::find(const std::string& phase, const Autopilot::EntityTest& test) {
    const orv::Entity* found = pilot.nearest(test);
    if (!found)
        pilot.stalled(phase, "nothing to go to in this world");
    return *found;
}

Lines Game::talkToOldMan(const std::string& phase, const std::string& dialogue) {
    return pilot.talkTo(phase, find(phase, [&](const orv::Entity& e) { return speaks(e, dialogue); }));
}

std::uint32_t Game::travelThrough(const std::string& phase, std::uint32_t from) {
    const orv::Entity& portal = find(phase, [&](const orv::Entity& e) { return leadsAway(e, from); });
    const std::uint32_t to = portal.getComponent<tarsk::PortalComponent>()->getTarget().first;
    const sf::Vector2f at = portal.getComponent<orv::TransformationComponent>()->getPositionXY();
    // Onto the portal until it carries the player away.
    pilot.walkTo(phase, at, 0.f, [&] { return playerWorldId() == to; });
    return to;
}

sf::Vector2f Game::portalTo(std::uint32_t world) {
    const orv::Entity& portal = find("portal", [&](const orv::Entity& e) {
        return leadsAway(e, playerWorldId()) &&
               e.getComponent<tarsk::PortalComponent>()->getTarget().first == world;
    });
    return portal.getComponent<orv::TransformationComponent>()->getPositionXY();
}

bool Game::enemyWithin(float distance) {
    const orv::Entity* enemy = pilot.nearest(isEnemy);
    if (!enemy)
        return false;
    const sf::Vector2f d =
        enemy->getComponent<orv::TransformationComponent>()->getPositionXY() - pilot.playerPosition();
    return std::hypot(d.x, d.y) < distance;
}

const orv::Entity* Game::strongestEnemy() {
    const orv::Entity* strongest = nullptr;
    for (const auto& entity : pilot.playerWorld().getEntities()) {
        if (isEnemy(*entity) &&
            (!strongest || entity->getComponent<tarsk::HealthComponent>()->getMaxHealth() >
                               strongest->getComponent<tarsk::HealthComponent>()->getMaxHealth()))
            strongest = entity.get();
    }
    if (!strongest)
        pilot.stalled("boss", "no enemy in this world");
    return strongest;
}

} // namespace apptest::story
