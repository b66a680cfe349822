#include "app/screens/ActivePlayerGameStateUI.hpp"

#include "app/input/InputEngine.hpp"
#include "app/screens/PlayerScreenServices.hpp"
#include "engine/ecs/Entity.hpp"
#include "game/health/HealthComponent.hpp"
#include "game/level/LevelSkillComponent.hpp"
#include "ui/Gui.hpp"

#include <algorithm>
#include <string>

namespace tarsk {

namespace {

// Whole percent, rounded down, so only a full bar reads 100.
unsigned healthPercent(const HealthComponent& health) {
    if (!(health.getMaxHealth() > 0.f))
        return 0;
    const float percent = health.getHealth() / health.getMaxHealth() * 100.f;
    return static_cast<unsigned>(std::clamp(percent, 0.f, 100.f));
}

unsigned nonNegative(std::int64_t value) {
    return static_cast<unsigned>(std::max<std::int64_t>(value, 0));
}

} // namespace

ActivePlayerGameStateUI::ActivePlayerGameStateUI(PlayerScreenServices& services)
    : services(services), inventoryToggle(*this), questLogToggle(*this), menuToggle(*this) {}

// The player's components may outlive the HUD, so the connections to them go first.
ActivePlayerGameStateUI::~ActivePlayerGameStateUI() {
    connections.disconnectAll();
}

void ActivePlayerGameStateUI::onInit() {
    for (auto& state : services.makeControlStates()) {
        state->init();
        controlStates.push_back(state.get());
        getSubStates().push_back(std::move(state));
    }

    InputEngine& input = services.getInput();
    input.keyPressed(sf::Keyboard::I).connectTracked(connections, [this] { toggleInventoryView(); });
    input.keyPressed(sf::Keyboard::J).connectTracked(connections, [this] { toggleQuestLog(); });

    buildStats();
    buildButtons();
}

void ActivePlayerGameStateUI::buildStats() {
    orv::Entity& player = services.getPlayer();
    HealthComponent* health = player.getComponent<HealthComponent>();

    statsGroup = ui::Group::create({"100%", "100%"});
    statsGroup->setSize(550, 20);
    statsGroup->setPosition(20, "parent.height - 40");

    healthBar = ui::ProgressBar::create();
    healthBar->setPosition(0, 0);
    healthBar->setSize(150, "100%");
    healthBar->getRenderer()->setFillColor(sf::Color::Red);
    healthBar->setMinimum(0);
    healthBar->setMaximum(100);
    healthBar->setValue(healthPercent(*health));
    health->healthChanged.connectTracked(
        connections, [this, health](float) { healthBar->setValue(healthPercent(*health)); });
    statsGroup->add(healthBar);

    LevelSkillComponent* level = player.getComponent<LevelSkillComponent>();
    levelLabel = ui::Label::create();
    levelLabel->setPosition(174, 2);
    updateLevelLabel(level->getLevel(), level->getLevel());
    levelLabel->setTextSize(16);
    levelLabel->getRenderer()->setTextColor(sf::Color::White);
    levelLabel->getRenderer()->setTextOutlineColor(sf::Color::Black);
    levelLabel->getRenderer()->setTextOutlineThickness(2);

    xpBar = ui::ProgressBar::create();
    xpBar->setPosition(160, 0);
    xpBar->setSize(10, "100%");
    xpBar->setFillDirection(ui::ProgressBar::FillDirection::BottomToTop);
    xpBar->getRenderer()->setFillColor(sf::Color::Green);
    xpBar->setMinimum(0);
    xpBar->setMaximum(nonNegative(level->getXpForNextLevel()));
    xpBar->setValue(nonNegative(level->getXp()));
    level->xpChanged.connectTracked(connections, [this, level](int, int newXp) {
        xpBar->setMaximum(nonNegative(level->getXpForNextLevel()));
        xpBar->setValue(nonNegative(newXp));
    });
    level->levelChanged.connectTracked(
        connections, [this](int oldLevel, int newLevel) { updateLevelLabel(oldLevel, newLevel); });

    statsGroup->add(xpBar);
    statsGroup->add(levelLabel);
    services.getGui().add(statsGroup);
}

void ActivePlayerGameStateUI::buildButtons() {
    buttonGroup = ui::Group::create({"100%", "100%"});
    buttonGroup->setSize(230, 50);

    mapButton = ui::BitmapButton::create("map");
    questButton = ui::BitmapButton::create("quest");
    inventoryButton = ui::BitmapButton::create("invent");
    optionsButton = ui::BitmapButton::create("options");
    float x = 0.f;
    for (const auto& button : {mapButton, questButton, inventoryButton, optionsButton}) {
        button->setSize(50, 50);
        button->setPosition(x, 0.f);
        x += 60.f;
    }

    // There is no map screen yet: its button stays disabled.
    questButton->onClick.connectTracked(connections, [this](sf::Vector2f) { toggleQuestLog(); });
    inventoryButton->onClick.connectTracked(connections, [this](sf::Vector2f) { toggleInventoryView(); });
    optionsButton->onClick.connectTracked(connections, [this](sf::Vector2f) { toggleIngameMenu(); });

    for (const auto& button : {mapButton, questButton, inventoryButton, optionsButton})
        buttonGroup->add(button);
    buttonGroup->setPosition("parent.width - width - 20", "parent.height - height - 20");
    services.getGui().add(buttonGroup);
    mapButton->setEnabled(false);
}

void ActivePlayerGameStateUI::toggleInventoryView() {
    inventoryToggle.toggle(services);
}

void ActivePlayerGameStateUI::toggleQuestLog() {
    questLogToggle.toggle(services);
}

void ActivePlayerGameStateUI::toggleIngameMenu() {
    menuToggle.toggle(services);
}

void ActivePlayerGameStateUI::updateLevelLabel(int, int newLevel) {
    levelLabel->setText("Lvl. " + std::to_string(newLevel));
}

void ActivePlayerGameStateUI::onDestroy() {
    connections.disconnectAll();
    services.getGui().remove(statsGroup);
    services.getGui().remove(buttonGroup);
}

} // namespace tarsk
