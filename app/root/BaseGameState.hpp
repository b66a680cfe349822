#pragma once

#include "app/console/ConsoleAccessGameState.hpp"
#include "app/input/InputEngine.hpp"
#include "app/root/ActiveCamera.hpp"
#include "app/root/EventSource.hpp"
#include "app/root/FrameClock.hpp"
#include "app/root/GameContent.hpp"
#include "app/scripting/ScriptEnvironment.hpp"
#include "app/settings/SettingsFile.hpp"
#include "engine/scripting/ScriptProvider.hpp"
#include "engine/state/GameState.hpp"
#include "engine/state/SubGameStateToggle.hpp"
#include "game/actions/ActionManager.hpp"
#include "game/missions/MissionDataManager.hpp"
#include "game/worldgen/DungeonProvider.hpp"
#include "ui/Desktop.hpp"
#include "ui/Gui.hpp"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/System/Time.hpp>
#include <nlohmann/json.hpp>

#include <cstdint>
#include <map>
#include <memory>

namespace tarsk {

// The root of the game-state tree and the owner of everything that lives as long as the
// program: the window and its user interfaces, input, content and registries. Every other
// state receives it by reference and reaches those through it.
//
// Content is read relative to the working folder ("./data/..."), as the game ships.
class BaseGameState : public orv::GameState {
public:
    using DungeonProviders = std::map<std::uint32_t, std::unique_ptr<DungeonProvider>>;

    static constexpr const char* windowTitle = "tarsk window";

    BaseGameState();
    explicit BaseGameState(std::unique_ptr<FrameClock> clock);
    // Writes the settings unless an orderly close already did: an exception that ends the program
    // must not lose them either.
    ~BaseGameState() override;

    sf::RenderWindow& getWindow() { return *window; }
    sf::Time& getFrameTime() { return frameTime; }
    bool& getQuitRequested() { return quitRequested; }
    ui::Desktop& getDesktop() { return desktop; }
    ui::Gui& getGui() { return gui; }
    InputEngine& getInput() { return input; }
    orv::ResourceManager& getResources() { return content.resources; }
    RandomNumberGenerator& getRandom() { return content.random; }
    orv::ScriptProvider& getScriptProvider() { return scriptProvider; }
    ScriptEnvironment& getScriptEnvironment() { return scriptEnvironment; }
    orv::Tileset& getTileset() { return content.tileset; }
    ItemManager& getItems() { return content.items; }
    EntityFactoryManager& getEntityFactories() { return content.factories; }
    WorldGeneratorManager& getWorldGenerators() { return content.generators; }
    ActionManager& getActions() { return actions; }
    DungeonProviders& getDungeonProviders() { return dungeonProviders; }
    MissionDataManager& getMissions() { return missions; }
    DialogueDataManager& getDialogues() { return content.dialogues; }
    AnimationDataManager& getAnimations() { return content.animations; }
    AttackManager& getAttacks() { return content.attacks; }
    AiManager& getAi() { return content.ai; }
    DayNightCycleDataManager& getDayNightCycles() { return content.dayNightCycles; }
    nlohmann::json& getSettings() { return settings; }
    ActiveCamera& getActiveCamera() { return activeCamera; }
    orv::SerializationManager& getSerializationManager() { return content.serialization; }
    orv::BlueprintManager& getBlueprintManager() { return content.serialization.getBlueprintManager(); }

    // A window pixel in world units, seen through the given camera entity (the active one).
    sf::Vector2f mapPixelToWorld(sf::Vector2i pixel, const orv::Entity& cameraEntity) const;

    // Null restores reading events from the window; a source replaces them, and what the window
    // gets is dropped.
    void setEventSource(std::unique_ptr<EventSource> source);
    // The live keyboard and mouse state the input engine reads instead of the real devices.
    void setInputDevice(std::unique_ptr<InputDevice> device) { input.setDevice(std::move(device)); }

    // Unless the mouse is over a widget, since then the key belongs to the interface.
    void enterFullscreen();
    void enterWindowed();

protected:
    void onInit() override;
    void onUpdate() override;
    // The render pass.
    void onUpdate_late() override;
    void onDestroy() override;

private:
    void handleEvent(const sf::Event& event);
    bool pollEvent(sf::Event& event);
    void createWindow(sf::VideoMode mode, sf::Uint32 style);
    void bindKeys();
    // Writes the settings read in onInit, once, whichever way the program ends.
    void keepSettings() noexcept;

    // The window exists from construction but opens only in onInit.
    std::unique_ptr<sf::RenderWindow> window;
    std::unique_ptr<FrameClock> frameClock;
    sf::Time frameTime;
    bool quitRequested = false;
    ui::Desktop desktop;
    ui::Gui gui;
    InputEngine input;
    GameContent content;
    // The bindings are registered on the provider before the environment is made from it.
    orv::ScriptProvider scriptProvider;
    ScriptEnvironment scriptEnvironment;
    ActionManager actions;
    DungeonProviders dungeonProviders;
    MissionDataManager missions;
    SettingsFile settingsFile;
    nlohmann::json settings = nlohmann::json::object();
    bool settingsToWrite = false;
    ActiveCamera activeCamera;
    orv::SubGameStateToggle<ConsoleAccessGameState> consoleToggle;
    std::unique_ptr<EventSource> eventSource;
};

} // namespace tarsk
