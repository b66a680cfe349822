#include "app/player/ActivePlayerGameState.hpp"

#include "app/player/PlayerEntity.hpp"
#include "app/player/PlayerFacing.hpp"
#include "app/player/PlayerWorldNeeds.hpp"
#include "app/root/BaseGameState.hpp"
#include "app/savegame/LoadedSavegame.hpp"
#include "app/screens/ActivePlayerGameStateUI.hpp"
#include "engine/common/JsonNumber.hpp"
#include "engine/common/JsonWhere.hpp"
#include "engine/ecs/World.hpp"
#include "engine/ecs/WorldContainer.hpp"
#include "engine/persistence/PersistenceComponent.hpp"
#include "engine/physics/PhysicsComponent.hpp"
#include "engine/physics/PhysicsLimits.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/actions/ActionManager.hpp"
#include "game/camera/CameraComponent.hpp"
#include "game/camera/CameraEntity.hpp"
#include "game/dialogue/DialogueReceiverComponent.hpp"
#include "game/health/HealthComponent.hpp"
#include "game/orientation/OrientationComponent.hpp"
#include "game/portals/LocalPortalSystem.hpp"
#include "game/portals/PortalComponent.hpp"

#include <SFML/Window/Keyboard.hpp>

#include <iostream>
#include <stdexcept>
#include <string>

namespace tarsk {

namespace {

const char* const PlayerWorldContainerKey = "PlayerWorldContainer";
const char* const PlayerDataKey = "PlayerData";
const char* const MissionsDataKey = "Missions_Data";

// Arriving on top of the portal would touch it again: the player steps out below it.
constexpr float ArrivalOffsetY = 2.f;

} // namespace

ActivePlayerGameState::ActivePlayerGameState(BaseGameState& base, LoadedSavegame& savegame)
    : ActivePlayerGameState(base, savegame, base.getMissions(), base.getActions()) {}

ActivePlayerGameState::ActivePlayerGameState(BaseGameState& base, LoadedSavegame& savegame,
                                             const MissionDataManager& prototypes, ActionManager& actions)
    : base(base), savegame(savegame), actions(actions), screens(base, savegame, *this), dialogueToggle(*this),
      fightBarToggle(*this), missions(prototypes) {}

ActivePlayerGameState::~ActivePlayerGameState() = default;

orv::WorldContainer* ActivePlayerGameState::findPlayerContainer() const {
    orv::WorldManager& worlds = *savegame.worldManager;
    const nlohmann::json& data = savegame.data;
    auto stored = data.find(PlayerWorldContainerKey);
    if (stored == data.end() || !stored->is_number()) {
        if (orv::WorldContainer* first = worlds.getWorldContainer(0))
            return first;
        throw std::runtime_error("the game has no world container 0 for the player");
    }
    // Saving writes the container's id, so the id is what is read back; for the usual documents
    // (ids 0, 1, 2 ... in list order) that is also the container's place in the list.
    const auto id = orv::readFromFile(savegame.file.string(), [&] {
        return orv::jsonNumber<std::uint32_t>(*stored, PlayerWorldContainerKey);
    });
    if (orv::WorldContainer* container = worlds.getWorldContainer(id))
        return container;
    throw std::out_of_range("the game has no world container " + std::to_string(id) + " for the player");
}

std::unique_ptr<orv::Entity> ActivePlayerGameState::loadOrCreatePlayer() const {
    auto stored = savegame.data.find(PlayerDataKey);
    if (stored == savegame.data.end() || !stored->is_object())
        return createPlayerEntity(base.getResources(), base.getAnimations());
    // Checked before the game starts: a player lacking a part would end the game at its first use.
    return orv::readFromFile(savegame.file.string(), [&] {
        return orv::readUnderKey(PlayerDataKey, [&] {
            std::unique_ptr<orv::Entity> entity = base.getSerializationManager().entityFromJson(*stored);
            requirePlayerComponents(*entity);
            return entity;
        });
    });
}

void ActivePlayerGameState::onInit() {
    // A start that fails leaves nothing behind: no player or camera in a world, no active camera,
    // no connection and no screen.
    try {
        placePlayer();
        connectPlayer();
        openScreens();
    } catch (...) {
        close();
        throw;
    }
}

void ActivePlayerGameState::placePlayer() {
    orv::WorldContainer* container = findPlayerContainer();
    std::unique_ptr<orv::Entity> entity = loadOrCreatePlayer();
    entity->addComponent<orv::PersistenceComponent>(false);
    // This state ends the player itself, after the frame it died in has run to its end.
    entity->getComponent<HealthComponent>()->keepWhenDead();
    entity->getComponent<orv::PhysicsComponent>()->contactBegin.connectTracked(
        connections, [this](const orv::Entity* other) { onPlayerContact(other); });
    entity->init();
    playerContainer = container;
    player = entity.get();
    try {
        container->getWorld()->addEntity(std::move(entity));
    } catch (...) {
        // A rejected entity is still ours and goes with this scope; an accepted one is removed later.
        if (entity)
            player = nullptr;
        throw;
    }
}

void ActivePlayerGameState::connectPlayer() {
    player->getComponent<DialogueReceiverComponent>()->dialogueRequested.connectTracked(
        connections, [this](const std::string& id) { openDialogue(id); });
    // Dies with the player; the frame of the death is still drawn before the program ends.
    player->getComponent<HealthComponent>()->died.connect([&quit = base.getQuitRequested()] { quit = true; });

    nlohmann::json& missionData = savegame.data[MissionsDataKey];
    orv::readFromFile(savegame.file.string(), [&] {
        orv::readUnderKey(MissionsDataKey,
                          [&] { missions.fromJson(missionData, *savegame.worldManager, player); });
    });
    savegame.beforeSave.connectTracked(connections, [this] { writePlayerData(); });
}

void ActivePlayerGameState::openScreens() {
    if (!fightBarToggle.getActive())
        fightBarToggle.toggle(screens);
    createCamera();
    openHud();
    base.getScriptEnvironment().setPlayer(player);
}

void ActivePlayerGameState::openDialogue(const std::string& dialogueId) {
    if (!base.getDialogues().hasFactory(dialogueId)) {
        std::cout << "no dialogue \"" << dialogueId << "\": the talk is refused" << std::endl;
        return;
    }
    // One conversation at a time: talking to someone else mid-dialogue is ignored.
    if (!dialogueToggle.getActive())
        dialogueToggle.toggle(screens, dialogueId);
}

void ActivePlayerGameState::openHud() {
    auto hud = std::make_unique<ActivePlayerGameStateUI>(screens);
    hud->init();
    getSubStates().push_back(std::move(hud));
}

ActivePlayerGameStateUI* ActivePlayerGameState::getHud() const {
    for (const std::unique_ptr<orv::GameState>& child : getSubStates()) {
        if (auto* hud = dynamic_cast<ActivePlayerGameStateUI*>(child.get()))
            return hud;
    }
    return nullptr;
}

void ActivePlayerGameState::onPlayerContact(const orv::Entity* other) {
    // Runs inside the physics step: only remember where to go, the travel waits for onUpdate.
    const PortalComponent* portal = other ? other->findComponent<PortalComponent>() : nullptr;
    if (!portal || !portal->hasTarget())
        return;
    travelWorld = portal->getTarget().first;
    travelPortal = portal->getTarget().second;
    travelPending = true;
}

void ActivePlayerGameState::writePlayerData() {
    savegame.data[MissionsDataKey] = missions.toJson();
    savegame.data[PlayerDataKey] = orv::SerializationManager::entityToJson(*player);
    savegame.data[PlayerWorldContainerKey] = playerContainer->getId();
}

void ActivePlayerGameState::createCamera() {
    std::unique_ptr<orv::Entity> made = createCameraEntity();
    made->getComponent<orv::TransformationComponent>()->setScale({0.35f, 0.35f});
    made->getComponent<CameraComponent>()->trackEntityPosition(player);
    camera = made.get();
    try {
        player->getWorld()->addEntity(std::move(made));
    } catch (...) {
        if (made)
            camera = nullptr;
        throw;
    }
    base.getActiveCamera().set(camera);
}

void ActivePlayerGameState::onUpdate() {
    missions.update(*savegame.worldManager, player);
    if (travelPending)
        travel();
    if (base.getInput().isMouseInWindow())
        faceMouse();
    // The 7 of the main row, also while a text field has the keyboard.
    if (base.getInput().isKeyPressedNow(sf::Keyboard::Num7))
        listActions();
}

void ActivePlayerGameState::travel() {
    travelPending = false;
    orv::WorldManager& worlds = *savegame.worldManager;
    orv::WorldContainer* target = worlds.getWorldContainer(travelWorld);
    if (!target) {
        // A portal into a world this game does not have: the player stays.
        std::cout << "portal leads to missing world " << travelWorld << std::endl;
        return;
    }
    // Entered, the world runs: one that cannot would end the game at the next frame.
    if (const std::string why = whyNoPlayerWorld(*target, true); !why.empty()) {
        std::cout << "the portal is closed: " << why << std::endl;
        return;
    }
    sf::Vector2f portal{0.f, 0.f};
    if (const LocalPortalSystem* portals = target->getWorld()->findSystem<LocalPortalSystem>())
        portal = portals->findPortal(travelPortal);
    // Below a portal at the world's edge the arrival stops at the edge, as any body does.
    const b2Vec2 below =
        orv::clampToBound({portal.x, portal.y + ArrivalOffsetY}, "the portal's arrival point");
    const sf::Vector2f arrival{below.x, below.y};

    auto* transform = player->getComponent<orv::TransformationComponent>();
    worlds.moveEntityWithCallback(travelWorld, player,
                                  [transform, arrival] { transform->setPositionXY(arrival); });
    if (const orv::Entity* camera = base.getActiveCamera().getCamera())
        worlds.moveEntity(travelWorld, camera);
    playerContainer = target;
    // A world that is not updated would hold the player frozen for good.
    target->setActive(true);
}

void ActivePlayerGameState::faceMouse() {
    const orv::Entity* camera = base.getActiveCamera().getCamera();
    if (!camera)
        return;
    const sf::Vector2f mouse = base.mapPixelToWorld(base.getInput().getMousePosition(), *camera);
    const sf::Vector2f position = player->getComponent<orv::TransformationComponent>()->getPositionXY();
    player->getComponent<OrientationComponent>()->setOrientation(playerFacingTowards(position, mouse));
}

void ActivePlayerGameState::listActions() {
    for (const std::unique_ptr<Action>& action : actions.getActions(*player->getWorld(), player))
        std::cout << action->getDescription() << '\n';
    std::cout << "---------" << std::endl;
}

void ActivePlayerGameState::onDestroy() {
    connections.disconnectAll();
    releaseCamera();
    base.getScriptEnvironment().clearPlayer();
    if (player) {
        if (orv::World* world = player->getWorld())
            world->removeEntities({player});
        player = nullptr;
    }
}

void ActivePlayerGameState::releaseCamera() {
    if (!camera)
        return;
    ActiveCamera& active = base.getActiveCamera();
    if (active.getCamera() == camera)
        active.clear();
    else if (orv::World* world = camera->getWorld())
        world->removeEntities({camera});
    camera = nullptr;
}

} // namespace tarsk
