#pragma once

#include "app/screens/PlayerScreenServices.hpp"
#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/ecs/WorldManager.hpp"
#include "engine/state/GameState.hpp"
#include "game/actions/ActionManager.hpp"
#include "game/actions/ItemActionGenerator.hpp"
#include "game/combat/AttackManager.hpp"
#include "game/combat/FighterComponent.hpp"
#include "game/dialogue/DialogueDataManager.hpp"
#include "game/health/HealthComponent.hpp"
#include "game/inventory/InventoryComponent.hpp"
#include "game/items/Item.hpp"
#include "game/level/LevelSkillComponent.hpp"
#include "game/missions/MissionDataManager.hpp"
#include "game/missions/MissionManager.hpp"
#include "ui/Gui.hpp"

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace screentest {

// A carried thing with no icon file behind it.
class TestItem final : public tarsk::Item {
public:
    TestItem(std::string id, std::string name) : id(std::move(id)), name(std::move(name)) {}
    const std::string& getId() const override { return id; }
    const std::string& getName() const override { return name; }
    const sf::Texture* getIconTexture() const override { return nullptr; }
    const std::string& getIconPath() const override { return iconPath; }
    const nlohmann::json* getProperties() const override { return nullptr; }

private:
    std::string id;
    std::string name;
    std::string iconPath;
};

// An item action that runs a callback, so a test sees which one ran and can change the game.
class CallbackItemAction final : public tarsk::ItemAction {
public:
    CallbackItemAction(std::string description, std::function<void()> run)
        : description(std::move(description)), run(std::move(run)) {}
    std::string getDescription() const override { return description; }
    void execute() override { run(); }

private:
    std::string description;
    std::function<void()> run;
};

// Offers whatever the test decides for an item.
class ScriptedItemActionGenerator final : public tarsk::ItemActionGenerator {
public:
    using Script = std::function<std::vector<std::unique_ptr<tarsk::ItemAction>>(const tarsk::Item*)>;
    explicit ScriptedItemActionGenerator(Script& script) : script(script) {}
    std::vector<std::unique_ptr<tarsk::ItemAction>> generate(orv::World&, const orv::Entity*,
                                                             const tarsk::Item* item) override {
        return script ? script(item) : std::vector<std::unique_ptr<tarsk::ItemAction>>{};
    }

private:
    Script& script;
};

// A control state that only counts its frames.
class CountingState final : public orv::GameState {
public:
    explicit CountingState(std::vector<std::string>& log, std::string name)
        : log(log), name(std::move(name)) {}

protected:
    void onInit() override { log.push_back(name + " init"); }
    void onUpdate() override { log.push_back(name + " update"); }
    void onDestroy() override { log.push_back(name + " destroy"); }

private:
    std::vector<std::string>& log;
    std::string name;
};

inline tarsk::ActionManager makeActions(ScriptedItemActionGenerator::Script& script) {
    std::vector<std::unique_ptr<tarsk::ItemActionGenerator>> itemGenerators;
    itemGenerators.push_back(std::make_unique<ScriptedItemActionGenerator>(script));
    return tarsk::ActionManager({}, std::move(itemGenerators));
}

// A running game as the screens see it, made of real game objects: a player with health, level,
// fighter and inventory, missions from the given prototypes, the game's attacks, and a headless
// GUI of 1280 x 720. Input is optional, since an input engine needs a window.
class FakeScreenServices : public tarsk::PlayerScreenServices {
public:
    explicit FakeScreenServices(tarsk::MissionDataManager::Prototypes prototypes = {},
                                tarsk::DialogueDataManager::Factories dialogueFactories = {})
        : worlds(0), missionPrototypes(std::move(prototypes)), missions(missionPrototypes),
          dialogues(std::move(dialogueFactories)), actions(makeActions(itemActionScript)) {
        gui.setWindowSize({1280, 720});
        health = player.addComponent<tarsk::HealthComponent>(100.f, 100.f);
        fighter = player.addComponent<tarsk::FighterComponent>(0u, std::vector<std::string>{},
                                                               std::vector<std::string>{"PLAYER"});
        level = player.addComponent<tarsk::LevelSkillComponent>();
        inventory = &player.addComponent<tarsk::InventoryComponent>()->getInventory();
        player.init();
    }

    ui::Gui& getGui() override { return gui; }
    tarsk::InputEngine& getInput() override {
        if (!input)
            throw std::logic_error("this test has no input engine");
        return *input;
    }
    const sf::Time& getFrameTime() override { return frameTime; }
    orv::Entity& getPlayer() override { return *shownPlayer; }
    tarsk::MissionManager& getMissions() override { return missions; }
    const orv::WorldManager& getWorlds() override { return worlds; }
    const tarsk::AttackManager& getAttacks() override { return attacks; }
    const tarsk::DialogueDataManager& getDialogues() override { return dialogues; }
    tarsk::ActionManager& getActions() override { return actions; }
    orv::World& getViewedWorld() override { return world; }
    std::vector<std::unique_ptr<orv::GameState>> makeControlStates() override {
        std::vector<std::unique_ptr<orv::GameState>> states;
        states.push_back(std::make_unique<CountingState>(controlLog, "controller"));
        states.push_back(std::make_unique<CountingState>(controlLog, "selection"));
        return states;
    }

    // Gives the player a kill worth xp experience.
    void kill(std::uint32_t xp) {
        orv::Entity victim;
        victim.addComponent<tarsk::HealthComponent>(1.f, 1.f);
        victim.addComponent<tarsk::FighterComponent>(xp, std::vector<std::string>{},
                                                     std::vector<std::string>{});
        fighter->killed.emit(&victim);
    }

    bool guiHas(const ui::Widget::Ptr& widget) const {
        for (const auto& shown : gui.getWidgets()) {
            if (shown == widget)
                return true;
        }
        return false;
    }

    ui::Gui gui;
    tarsk::InputEngine* input = nullptr;
    sf::Time frameTime = sf::milliseconds(16);
    orv::World world;
    orv::WorldManager worlds;
    orv::Entity player;
    // The entity the screens are given as the player.
    orv::Entity* shownPlayer = &player;
    tarsk::HealthComponent* health = nullptr;
    tarsk::FighterComponent* fighter = nullptr;
    tarsk::LevelSkillComponent* level = nullptr;
    tarsk::Inventory* inventory = nullptr;
    tarsk::MissionDataManager missionPrototypes;
    tarsk::MissionManager missions;
    tarsk::AttackManager attacks;
    tarsk::DialogueDataManager dialogues;
    ScriptedItemActionGenerator::Script itemActionScript;
    tarsk::ActionManager actions;
    std::vector<std::string> controlLog;
};

// A left click as the GUI sees it: move, press, release.
inline void clickGui(ui::Gui& gui, sf::Vector2f at) {
    const int x = static_cast<int>(at.x), y = static_cast<int>(at.y);
    sf::Event event{};
    event.type = sf::Event::MouseMoved;
    event.mouseMove = {x, y};
    gui.handleEvent(event);
    event = {};
    event.type = sf::Event::MouseButtonPressed;
    event.mouseButton = {sf::Mouse::Left, x, y};
    gui.handleEvent(event);
    event.type = sf::Event::MouseButtonReleased;
    gui.handleEvent(event);
}

// The middle of a widget, in GUI coordinates.
inline sf::Vector2f centreOf(const ui::Widget& widget) {
    return widget.getAbsolutePosition() + widget.getSize() / 2.f;
}

} // namespace screentest
