#pragma once

#include "engine/signals/ScopedConnections.hpp"
#include "engine/state/GameState.hpp"
#include "game/actions/ItemAction.hpp"
#include "ui/Button.hpp"
#include "ui/ChildWindow.hpp"
#include "ui/Group.hpp"
#include "ui/Label.hpp"
#include "ui/ListBox.hpp"
#include "ui/Panel.hpp"

#include <cstdint>
#include <memory>
#include <vector>

namespace tarsk {

class Inventory;
class Item;
class PlayerScreenServices;

// The player's inventory as a grid of icons, equal items sharing one cell with their count, and
// for the item clicked a details column listing what can be done with it and a "Use" button.
// The grid follows every change of the inventory while the window is open.
class ActivePlayerInventoryViewGameState : public orv::GameState {
public:
    static constexpr unsigned columns = 5;
    static constexpr float rowHeight = 80.f;

    // A player without an inventory throws the component lookup's std::logic_error.
    explicit ActivePlayerInventoryViewGameState(PlayerScreenServices& services);
    ~ActivePlayerInventoryViewGameState() override;

    // Rebuilds the grid and clears the selection.
    void rebuildList();
    std::shared_ptr<ui::Group> createListElementForItem(const Item* item, unsigned count);
    // Null clears the details column.
    void selectItem(const Item* item);
    // Runs the item action of that row of the details list; anything else does nothing.
    void useSelectedAction();

    const Item* getSelectedItem() const { return selected; }
    const ui::ChildWindow::Ptr& getWindow() const { return window; }
    const ui::Panel::Ptr& getItemsPanel() const { return itemsPanel; }
    const ui::Group::Ptr& getDetails() const { return details; }
    const ui::ListBox::Ptr& getActionList() const { return actionList; }
    const ui::Button::Ptr& getUseButton() const { return useButton; }

protected:
    void onInit() override;
    void onUpdate() override {}
    void onDestroy() override;

private:
    PlayerScreenServices& services;
    Inventory* inventory;
    ui::ChildWindow::Ptr window;
    ui::Panel::Ptr itemsPanel;
    ui::Group::Ptr details;
    ui::Group::Ptr header;
    ui::Label::Ptr detailsTitle;
    ui::Label::Ptr itemName;
    ui::ListBox::Ptr actionList;
    ui::Button::Ptr useButton;
    const Item* selected = nullptr;
    std::vector<std::unique_ptr<ItemAction>> itemActions;
    // Counts selections, so an action that changes the selection while it runs is noticed.
    std::uint64_t selectionCount = 0;
    smartsignals::ScopedConnections connections;
};

} // namespace tarsk
