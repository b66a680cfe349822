#include "app/root/BaseGameState.hpp"

#include "app/menu/MainMenuGameState.hpp"
#include "app/music/BackgroundMusicGameState.hpp"
#include "app/root/WorldRenderPass.hpp"
#include "app/scripting/ScriptBindings.hpp"
#include "engine/transform/UnitConversions.hpp"
#include "game/actions/DefaultActionGenerator.hpp"
#include "game/actions/DefaultItemActionGenerator.hpp"
#include "game/dialogue/StartDialogueAction.hpp"
#include "game/worldgen/DungeonProviderByWorldGeneratorId.hpp"

#include <SFML/Window/VideoMode.hpp>
#include <SFML/Window/WindowStyle.hpp>

#include <filesystem>
#include <string>

namespace tarsk {

namespace {

const sf::Time windowCreationFrameTime = sf::milliseconds(16);
orv::ScriptProvider& withScriptBindings(orv::ScriptProvider& provider) {
    registerScriptBindings(provider);
    provider.completeRegistration();
    return provider;
}

ActionManager makeActionManager() {
    std::vector<std::unique_ptr<ActionGenerator>> generators;
    generators.push_back(std::make_unique<DefaultActionGenerator>(&StartDialogueAction::makeFor));
    std::vector<std::unique_ptr<ItemActionGenerator>> itemGenerators;
    itemGenerators.push_back(std::make_unique<DefaultItemActionGenerator>());
    return ActionManager(std::move(generators), std::move(itemGenerators));
}

BaseGameState::DungeonProviders makeDungeonProviders(WorldGeneratorManager& generators) {
    BaseGameState::DungeonProviders providers;
    providers.emplace(
        1, std::make_unique<DungeonProviderByWorldGeneratorId>(1, "Sample Dungeon", generators, 3));
    return providers;
}

} // namespace

BaseGameState::BaseGameState() : BaseGameState(std::make_unique<SystemFrameClock>()) {}

BaseGameState::BaseGameState(std::unique_ptr<FrameClock> clock)
    : window(std::make_unique<sf::RenderWindow>()), frameClock(std::move(clock)),
      input(*window, desktop, gui), content(true, std::nullopt),
      scriptEnvironment(withScriptBindings(scriptProvider)), actions(makeActionManager()),
      dungeonProviders(makeDungeonProviders(content.generators)), activeCamera(*window),
      consoleToggle(*this) {}

BaseGameState::~BaseGameState() {
    keepSettings();
}

void BaseGameState::keepSettings() noexcept {
    if (!settingsToWrite)
        return;
    settingsToWrite = false;
    settingsFile.save(settings);
}

sf::Vector2f BaseGameState::mapPixelToWorld(sf::Vector2i pixel, const orv::Entity& cameraEntity) const {
    return activeCamera.mapPixelToCoords(pixel, cameraEntity) * orv::UnitsPerPixel;
}

void BaseGameState::setEventSource(std::unique_ptr<EventSource> source) {
    eventSource = std::move(source);
}

void BaseGameState::onInit() {
    settings = settingsFile.load();
    settingsToWrite = true;
    content.load();
    createWindow(sf::VideoMode(1280, 720, 32), sf::Style::Close);
    window->setFramerateLimit(120);
    gui.setTarget(*window);
    desktop.setTarget(*window);
    gui.setRelativeView(window->getView().getViewport());

    auto menu = std::make_unique<MainMenuGameState>(*this);
    menu->init();
    getSubStates().push_back(std::move(menu));
    auto music = std::make_unique<BackgroundMusicGameState>(*this);
    music->init();
    getSubStates().push_back(std::move(music));

    bindKeys();
    activeCamera.getChangedSignal().connect([this] {
        // A camera that goes away must not stay reachable from scripts.
        if (activeCamera.has())
            scriptEnvironment.setCamera(activeCamera.getCamera());
        else
            scriptEnvironment.clearCamera();
    });
}

void BaseGameState::bindKeys() {
    // The root lives as long as the input engine: these connections are never cut.
    input.keyPressed(sf::Keyboard::B).connect([this] { enterFullscreen(); });
    input.keyPressed(sf::Keyboard::V).connect([this] { enterWindowed(); });
    input.keyPressedAlways(sf::Keyboard::F11).connect([this] { consoleToggle.toggle(*this); });
}

void BaseGameState::createWindow(sf::VideoMode mode, sf::Uint32 style) {
    window->create(mode, windowTitle, style, sf::ContextSettings());
    // SFML 2.5.1 centres a new window vertically by the screen's width, which on a 16:9 desktop
    // puts the HUD below the screen's edge.
    if (!(style & sf::Style::Fullscreen)) {
        const sf::VideoMode desktop = sf::VideoMode::getDesktopMode();
        window->setPosition({(static_cast<int>(desktop.width) - static_cast<int>(mode.width)) / 2,
                             (static_cast<int>(desktop.height) - static_cast<int>(mode.height)) / 2});
    }
    frameTime = windowCreationFrameTime;
}

void BaseGameState::enterFullscreen() {
    if (input.isMouseOverGui())
        return;
    // Re-creating a window drops its frame-rate limit: vertical sync alone paces full screen.
    createWindow(sf::VideoMode(1920, 1080, 32), sf::Style::Fullscreen);
    window->setVerticalSyncEnabled(true);
    gui.setRelativeView(window->getView().getViewport());
}

void BaseGameState::enterWindowed() {
    if (input.isMouseOverGui())
        return;
    createWindow(sf::VideoMode(1280, 720, 32), sf::Style::Close);
    window->setVerticalSyncEnabled(false);
    window->setFramerateLimit(120);
    gui.setRelativeView(window->getView().getViewport());
}

bool BaseGameState::pollEvent(sf::Event& event) {
    if (!eventSource)
        return window->pollEvent(event);
    // The source stands in for the window's events, which are still read and dropped: unread,
    // the window system's queue would grow every frame (each title change queues one).
    sf::Event dropped;
    while (window->pollEvent(dropped)) {
    }
    return eventSource->pollEvent(event);
}

void BaseGameState::onUpdate() {
    frameTime = frameClock->restart();
    window->setTitle(std::string(windowTitle) + " : " + std::to_string(frameTime.asMilliseconds()) + "ms");
    sf::Event event;
    while (pollEvent(event))
        handleEvent(event);
    // Closing tore the states down; none of them may hear of held keys or buttons any more.
    if (isClosed())
        return;
    desktop.update(frameTime.asSeconds());
    gui.update(frameTime.asSeconds());
    input.update();
}

void BaseGameState::handleEvent(const sf::Event& event) {
    // A closed window yields nothing more; a scripted source may, and must not revive it.
    if (isClosed())
        return;
    desktop.handleEvent(event);
    gui.handleEvent(event);
    input.handleEvent(event);
    if (event.type == sf::Event::Closed)
        close();
}

void BaseGameState::onUpdate_late() {
    if (isClosed() || !window->isOpen())
        return;
    window->clear(sf::Color::White);
    if (const orv::Entity* camera = activeCamera.getCamera()) {
        const bool showPhysics = input.isKeyDown(sf::Keyboard::P) && !input.isGuiTextFocused();
        WorldRenderPass::draw(*window, *camera, showPhysics);
    }
    window->resetGLStates();
    desktop.draw();
    gui.draw();
    window->display();
    if (quitRequested)
        close();
}

void BaseGameState::onDestroy() {
    keepSettings();
    window->close();
}

} // namespace tarsk
