#pragma once

#include "app/screens/ActivePlayerIngameMenuGameState.hpp"
#include "app/screens/ActivePlayerInventoryViewGameState.hpp"
#include "app/screens/ActivePlayerQuestLogGameState.hpp"
#include "engine/signals/ScopedConnections.hpp"
#include "engine/state/GameState.hpp"
#include "engine/state/SubGameStateToggle.hpp"
#include "ui/BitmapButton.hpp"
#include "ui/Group.hpp"
#include "ui/Label.hpp"
#include "ui/ProgressBar.hpp"

#include <vector>

namespace tarsk {

class PlayerScreenServices;

// The heads-up display: health, level and experience at the bottom left, the screen buttons at
// the bottom right, I and J for the inventory and the quest log. It owns the player's control
// states, so movement and interaction last exactly as long as the HUD.
class ActivePlayerGameStateUI : public orv::GameState {
public:
    explicit ActivePlayerGameStateUI(PlayerScreenServices& services);
    ~ActivePlayerGameStateUI() override;

    void toggleInventoryView();
    void toggleQuestLog();
    void toggleIngameMenu();
    void updateLevelLabel(int oldLevel, int newLevel);

    ActivePlayerInventoryViewGameState* getInventoryView() const { return inventoryToggle.getActive(); }
    ActivePlayerQuestLogGameState* getQuestLog() const { return questLogToggle.getActive(); }
    ActivePlayerIngameMenuGameState* getIngameMenu() const { return menuToggle.getActive(); }
    const std::vector<orv::GameState*>& getControlStates() const { return controlStates; }

    const ui::Group::Ptr& getStatsGroup() const { return statsGroup; }
    const ui::ProgressBar::Ptr& getHealthBar() const { return healthBar; }
    const ui::Label::Ptr& getLevelLabel() const { return levelLabel; }
    const ui::ProgressBar::Ptr& getXpBar() const { return xpBar; }
    const ui::Group::Ptr& getButtonGroup() const { return buttonGroup; }
    const ui::BitmapButton::Ptr& getMapButton() const { return mapButton; }
    const ui::BitmapButton::Ptr& getQuestButton() const { return questButton; }
    const ui::BitmapButton::Ptr& getInventoryButton() const { return inventoryButton; }
    const ui::BitmapButton::Ptr& getOptionsButton() const { return optionsButton; }

protected:
    void onInit() override;
    void onUpdate() override {}
    void onDestroy() override;

private:
    void buildStats();
    void buildButtons();

    PlayerScreenServices& services;
    std::vector<orv::GameState*> controlStates;
    orv::SubGameStateToggle<ActivePlayerInventoryViewGameState> inventoryToggle;
    orv::SubGameStateToggle<ActivePlayerQuestLogGameState> questLogToggle;
    orv::SubGameStateToggle<ActivePlayerIngameMenuGameState> menuToggle;
    ui::Group::Ptr statsGroup;
    ui::ProgressBar::Ptr healthBar;
    ui::Label::Ptr levelLabel;
    ui::ProgressBar::Ptr xpBar;
    ui::Group::Ptr buttonGroup;
    ui::BitmapButton::Ptr mapButton;
    ui::BitmapButton::Ptr questButton;
    ui::BitmapButton::Ptr inventoryButton;
    ui::BitmapButton::Ptr optionsButton;
    // The key bindings and the player's health and level signals.
    smartsignals::ScopedConnections connections;
};

} // namespace tarsk
