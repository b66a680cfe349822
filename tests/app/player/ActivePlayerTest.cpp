#include "app/input/ScriptedInputDevice.hpp"
#include "app/input/WindowInputDevice.hpp"
#include "app/player/ActivePlayerActionSelectionGameStateMouse.hpp"
#include "app/player/ActivePlayerGameState.hpp"
#include "app/player/EntityControllerGameState.hpp"
#include "app/savegame/LoadedSavegame.hpp"
#include "app/screens/ActivePlayerFightBarGameStateUI.hpp"
#include "app/screens/ActivePlayerGameStateUI.hpp"
#include "app/support/RootHarness.hpp"
#include "engine/common/JsonError.hpp"
#include "engine/ecs/World.hpp"
#include "engine/ecs/WorldContainer.hpp"
#include "engine/ecs/WorldManager.hpp"
#include "engine/physics/PhysicsComponent.hpp"
#include "engine/physics/PhysicsSystem.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/combat/FighterComponent.hpp"
#include "game/dialogue/DialogueReceiverComponent.hpp"
#include "game/health/HealthComponent.hpp"
#include "game/orientation/OrientationComponent.hpp"
#include "game/portals/LocalPortalSystem.hpp"
#include "game/portals/PortalComponent.hpp"
#include "game/render/RenderSystem.hpp"
#include "game/time/TimeSystem.hpp"

#include <SFML/Window/Mouse.hpp>
#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

namespace {

// An island and a dungeon, each knowing its portals; the dungeon runs unless told otherwise.
std::unique_ptr<orv::WorldManager> twoWorlds(bool dungeonRuns = true) {
    auto worlds = std::make_unique<orv::WorldManager>(2);
    const char* const names[] = {"Island", "Dungeon"};
    for (std::uint32_t id = 0; id < 2; ++id) {
        auto world = std::make_unique<orv::World>();
        world->registerSystem<tarsk::TimeSystem>();
        world->registerSystem<orv::PhysicsSystem>();
        world->registerSystem<tarsk::RenderSystem>();
        world->registerSystem<tarsk::LocalPortalSystem>();
        world->initSystems();
        worlds->addExistingWorldContainer(
            orv::WorldContainer(id, std::move(world), id == 0 || dungeonRuns, names[id]));
    }
    return worlds;
}

// One root and window for the whole suite: the player's state runs as the root's child over a
// game built in the test.
struct ActivePlayer : testing::Test {
    static void SetUpTestSuite() {
        harness = new apptest::RootHarness({}, apptest::RunFolder::Content::Shipped);
        harness->start();
        harness->frame();
    }
    static void TearDownTestSuite() {
        delete harness;
        harness = nullptr;
    }

    ActivePlayer() { savegame.worldManager = twoWorlds(); }
    ~ActivePlayer() override {
        stop();
        harness->frame();
    }

    static tarsk::BaseGameState& root() { return *harness->root; }
    orv::World& world(std::uint32_t id) { return *savegame.worldManager->getWorldContainer(id)->getWorld(); }

    tarsk::ActivePlayerGameState& start() {
        auto made = std::make_unique<tarsk::ActivePlayerGameState>(root(), savegame);
        made->init();
        state = made.get();
        root().getSubStates().push_back(std::move(made));
        return *state;
    }
    void stop() {
        if (state && !state->isClosed())
            state->close();
        state = nullptr;
    }
    orv::Entity& player() { return *state->getPlayer(); }

    static bool guiShows(const ui::Widget::Ptr& widget) {
        const auto& shown = root().getGui().getWidgets();
        return widget && std::find(shown.begin(), shown.end(), widget) != shown.end();
    }
    template <class T>
    static std::size_t childrenOfType(const orv::GameState& parent) {
        return static_cast<std::size_t>(std::count_if(parent.getSubStates().begin(),
                                                      parent.getSubStates().end(),
                                                      [](const std::unique_ptr<orv::GameState>& child) {
                                                          return dynamic_cast<T*>(child.get()) != nullptr;
                                                      }));
    }

    // A portal into world `targetWorld`, arriving at portal `targetPortal` there.
    const orv::Entity* addPortal(std::uint32_t worldId, std::uint64_t id, sf::Vector2f at,
                                 tarsk::PortalComponent::Target target, bool hasTarget) {
        auto portal = std::make_unique<orv::Entity>();
        portal->addComponent<orv::TransformationComponent>()->setPosition({at.x, at.y, 0.f});
        portal->addComponent<tarsk::PortalComponent>(id, target, hasTarget);
        portal->init();
        return world(worldId).addEntity(std::move(portal));
    }

    static apptest::RootHarness* harness;
    tarsk::LoadedSavegame savegame;
    tarsk::ActivePlayerGameState* state = nullptr;
};

apptest::RootHarness* ActivePlayer::harness = nullptr;

TEST_F(ActivePlayer, ANewGameMakesThePlayerAtTheOriginOfWorldZeroWithTheCameraOnIt) {
    start();
    ASSERT_NE(state->getPlayer(), nullptr);
    EXPECT_EQ(player().getWorld(), &world(0));
    EXPECT_EQ(state->getPlayerContainer()->getId(), 0u);
    EXPECT_EQ(player().getComponent<orv::TransformationComponent>()->getPosition(),
              sf::Vector3f(0.f, 0.f, 0.f));
    EXPECT_EQ(player().getComponent<tarsk::OrientationComponent>()->getOrientation(),
              tarsk::OrientationComponent::SOUTH);
    EXPECT_EQ(player().getComponent<tarsk::HealthComponent>()->getHealth(), 100.f);
    EXPECT_EQ(player().getComponent<tarsk::FighterComponent>()->getFactions(),
              std::vector<std::string>{"PLAYER"});
    const b2Body* body = player().getComponent<orv::PhysicsComponent>()->getBody();
    ASSERT_NE(body, nullptr);
    EXPECT_EQ(body->GetType(), b2_dynamicBody);
    EXPECT_FLOAT_EQ(body->GetLinearDamping(), 60.f);
    EXPECT_EQ(body->GetFixtureList()->GetFilterData().categoryBits, 8);
    EXPECT_EQ(body->GetFixtureList()->GetFilterData().maskBits, 9);

    const orv::Entity* camera = root().getActiveCamera().getCamera();
    ASSERT_NE(camera, nullptr);
    EXPECT_EQ(camera->getWorld(), &world(0));
    EXPECT_EQ(camera->getComponent<orv::TransformationComponent>()->getScale(), sf::Vector2f(0.35f, 0.35f));

    // Leaving takes the player out of its world and lets go of the camera.
    const std::size_t before = world(0).getEntityCount();
    stop();
    EXPECT_EQ(world(0).getEntityCount(), before - 1);
    EXPECT_FALSE(root().getActiveCamera().has());
}

TEST_F(ActivePlayer, ThePortalTouchedLastTakesThePlayerAndCameraAcross) {
    // Travel wakes a world that was not running, or the player would stand frozen in it.
    savegame.worldManager = twoWorlds(false);
    const orv::Entity* toNowhere = addPortal(0, 1, {3.f, 3.f}, {1, 99}, true);
    const orv::Entity* toCave = addPortal(0, 2, {5.f, 5.f}, {1, 7}, true);
    const orv::Entity* plain = addPortal(0, 3, {6.f, 6.f}, {0, 0}, false);
    addPortal(1, 7, {4.f, 6.f}, {0, 2}, true);
    start();
    auto& physics = *player().getComponent<orv::PhysicsComponent>();
    physics.contactBegin.emit(toNowhere);
    physics.contactBegin.emit(toCave);
    physics.contactBegin.emit(plain);
    EXPECT_TRUE(state->isTravelPending());
    harness->frame();

    EXPECT_FALSE(state->isTravelPending());
    EXPECT_EQ(player().getWorld(), &world(1));
    EXPECT_EQ(state->getPlayerContainer()->getId(), 1u);
    EXPECT_EQ(player().getComponent<orv::TransformationComponent>()->getPositionXY(), sf::Vector2f(4.f, 8.f));
    EXPECT_EQ(root().getActiveCamera().getCamera()->getWorld(), &world(1));
    EXPECT_TRUE(savegame.worldManager->getWorldContainer(1)->isActive());

    savegame.beforeSave.emit();
    EXPECT_EQ(savegame.data["PlayerWorldContainer"], 1);
    EXPECT_TRUE(savegame.data["PlayerData"]["components"].contains("transform"));
    EXPECT_TRUE(savegame.data["Missions_Data"].is_object());
}

TEST_F(ActivePlayer, APortalAtTheWorldsEdgeSetsThePlayerDownAtTheEdge) {
    const orv::Entity* toEdge = addPortal(0, 1, {3.f, 3.f}, {1, 7}, true);
    addPortal(1, 7, {4.f, 1e6f}, {0, 1}, true);
    start();
    player().getComponent<orv::PhysicsComponent>()->contactBegin.emit(toEdge);
    harness->frame();
    EXPECT_EQ(player().getWorld(), &world(1));
    EXPECT_EQ(player().getComponent<orv::TransformationComponent>()->getPositionXY(),
              sf::Vector2f(4.f, 1e6f));
}

TEST_F(ActivePlayer, APortalIntoAMissingWorldLeavesThePlayerWhereItIs) {
    const orv::Entity* broken = addPortal(0, 1, {3.f, 3.f}, {5, 1}, true);
    start();
    player().getComponent<orv::PhysicsComponent>()->contactBegin.emit(broken);
    harness->frame();
    EXPECT_FALSE(state->isTravelPending());
    EXPECT_EQ(player().getWorld(), &world(0));
}

TEST_F(ActivePlayer, TheStoredWorldOfThePlayerIsTheOneSavingWrote) {
    savegame.data["PlayerWorldContainer"] = 1;
    start();
    EXPECT_EQ(player().getWorld(), &world(1));
    EXPECT_EQ(root().getActiveCamera().getCamera()->getWorld(), &world(1));
    savegame.beforeSave.emit();
    EXPECT_EQ(savegame.data["PlayerWorldContainer"], 1);
    stop();
    harness->frame();
    savegame.data.erase("PlayerData");

    // A whole number may be written as a float; other numbers and a world the game lacks are refused
    // before anything is made.
    savegame.data["PlayerWorldContainer"] = 1.0;
    start();
    EXPECT_EQ(player().getWorld(), &world(1));
    stop();
    harness->frame();
    const std::size_t entities = world(0).getEntityCount() + world(1).getEntityCount();
    for (const nlohmann::json& bad : {nlohmann::json(1.9), nlohmann::json(-1.5), nlohmann::json(1e20)}) {
        savegame.data["PlayerWorldContainer"] = bad;
        EXPECT_THROW(start(), orv::JsonError) << bad;
    }
    savegame.data["PlayerWorldContainer"] = 4;
    EXPECT_THROW(start(), std::out_of_range);
    EXPECT_EQ(world(0).getEntityCount() + world(1).getEntityCount(), entities);
}

TEST_F(ActivePlayer, ThePlayersDeathAsksTheProgramToEnd) {
    start();
    player().getComponent<tarsk::HealthComponent>()->died.emit();
    EXPECT_TRUE(root().getQuitRequested());
    root().getQuitRequested() = false;
}

TEST_F(ActivePlayer, ThePlayerTurnsTowardsTheMouse) {
    start();
    harness->frame();
    sf::RenderWindow& window = root().getWindow();
    const sf::Vector2i centre(window.getSize() / 2u);
    const auto faceAt = [&](sf::Vector2i pixel) {
        sf::Mouse::setPosition(pixel, window);
        for (int i = 0; i < 50 && sf::Mouse::getPosition(window) != pixel; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        harness->frame();
        return player().getComponent<tarsk::OrientationComponent>()->getOrientation();
    };
    EXPECT_EQ(faceAt(centre + sf::Vector2i(200, 0)), tarsk::OrientationComponent::EAST);
    EXPECT_EQ(faceAt(centre + sf::Vector2i(0, -200)), tarsk::OrientationComponent::NORTH);
    EXPECT_EQ(faceAt(centre + sf::Vector2i(-150, 150)), tarsk::OrientationComponent::SOUTH_WEST);
    // Outside the window the player keeps looking where it did.
    EXPECT_EQ(faceAt(sf::Vector2i(-300, 900)), tarsk::OrientationComponent::SOUTH_WEST);
}

TEST_F(ActivePlayer, HoldingTheSevenOfTheMainRowListsTheActionsInReach) {
    start();
    apptest::DeviceState keyboard;
    root().setInputDevice(std::make_unique<apptest::ScriptedInputDevice>(keyboard));
    const auto listedWith = [&](sf::Keyboard::Key key) {
        keyboard.keys = {static_cast<unsigned>(key)};
        testing::internal::CaptureStdout();
        harness->frame();
        return testing::internal::GetCapturedStdout();
    };
    EXPECT_EQ(listedWith(sf::Keyboard::Numpad7), "");
    EXPECT_EQ(listedWith(sf::Keyboard::Num7), "---------\n");
    root().setInputDevice(std::make_unique<tarsk::WindowInputDevice>(root().getWindow()));
}

} // namespace

namespace {

TEST_F(ActivePlayer, ThePlayerStateOpensTheFightBarThenTheHudWithThePlayersControls) {
    start();
    const auto& children = state->getSubStates();
    ASSERT_EQ(children.size(), 2u);
    EXPECT_EQ(children.front().get(), state->getFightBar());
    ASSERT_NE(state->getHud(), nullptr);
    EXPECT_EQ(children.back().get(), state->getHud());

    // Movement first, then the mouse actions, both owned by the HUD.
    tarsk::ActivePlayerGameStateUI& hud = *state->getHud();
    const auto& controls = hud.getControlStates();
    ASSERT_EQ(controls.size(), 2u);
    EXPECT_NE(dynamic_cast<tarsk::EntityControllerGameState*>(controls[0]), nullptr);
    EXPECT_NE(dynamic_cast<tarsk::ActivePlayerActionSelectionGameStateMouse*>(controls[1]), nullptr);
    EXPECT_EQ(childrenOfType<tarsk::EntityControllerGameState>(hud), 1u);
    EXPECT_EQ(childrenOfType<tarsk::ActivePlayerActionSelectionGameStateMouse>(hud), 1u);

    // The screens show the player that lives in the world, not a copy.
    EXPECT_EQ(&state->getScreenServices().getPlayer(), &player());
    EXPECT_EQ(&state->getScreenServices().getViewedWorld(), &world(0));
    player().getComponent<tarsk::HealthComponent>()->changeHealth(-65.f);
    EXPECT_EQ(hud.getHealthBar()->getValue(), 35u);
    harness->frame();
    EXPECT_FALSE(state->isClosed());

    const ui::Widget::Ptr stats = hud.getStatsGroup();
    const ui::Widget::Ptr buttons = hud.getButtonGroup();
    const ui::Widget::Ptr fightBar = state->getFightBar()->getUI()->getBar();
    EXPECT_TRUE(guiShows(stats));
    EXPECT_TRUE(guiShows(buttons));
    EXPECT_TRUE(guiShows(fightBar));

    stop();
    EXPECT_FALSE(guiShows(stats));
    EXPECT_FALSE(guiShows(buttons));
    EXPECT_FALSE(guiShows(fightBar));
}

TEST_F(ActivePlayer, ATalkRequestOpensOneDialogueAtATime) {
    start();
    auto& receiver = *player().getComponent<tarsk::DialogueReceiverComponent>();
    EXPECT_EQ(state->getDialogue(), nullptr);

    receiver.requestDialogue("DEMO_DIALOGUE_01");
    tarsk::ActivePlayerDialogueGameState* dialogue = state->getDialogue();
    ASSERT_NE(dialogue, nullptr);
    EXPECT_TRUE(guiShows(dialogue->getTextBox()));

    // Further requests, even for a dialogue the game lacks, wait for the open one to end.
    receiver.requestDialogue("DEMO_DIALOGUE_01");
    EXPECT_NO_THROW(receiver.requestDialogue("NO_SUCH_DIALOGUE"));
    EXPECT_EQ(state->getDialogue(), dialogue);
    EXPECT_EQ(childrenOfType<tarsk::ActivePlayerDialogueGameState>(*state), 1u);

    dialogue->close();
    harness->frame();
    EXPECT_EQ(state->getDialogue(), nullptr);
    // A dialogue the game lacks is refused with a message, and the game goes on.
    testing::internal::CaptureStdout();
    EXPECT_NO_THROW(receiver.requestDialogue("NO_SUCH_DIALOGUE"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "no dialogue \"NO_SUCH_DIALOGUE\": the talk is refused\n");
    EXPECT_EQ(state->getDialogue(), nullptr);

    receiver.requestDialogue("DEMO_DIALOGUE_01");
    ASSERT_NE(state->getDialogue(), nullptr);
    const ui::Widget::Ptr box = state->getDialogue()->getTextBox();
    stop();
    EXPECT_FALSE(guiShows(box));
}

} // namespace
