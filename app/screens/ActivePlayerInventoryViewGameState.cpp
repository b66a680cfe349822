#include "app/screens/ActivePlayerInventoryViewGameState.hpp"

#include "app/screens/PlayerScreenServices.hpp"
#include "engine/ecs/Entity.hpp"
#include "game/actions/ActionManager.hpp"
#include "game/inventory/Inventory.hpp"
#include "game/inventory/InventoryComponent.hpp"
#include "game/items/Item.hpp"
#include "ui/Gui.hpp"
#include "ui/HorizontalLayout.hpp"
#include "ui/Picture.hpp"
#include "ui/VerticalLayout.hpp"

#include <string>
#include <utility>

namespace tarsk {

ActivePlayerInventoryViewGameState::ActivePlayerInventoryViewGameState(PlayerScreenServices& services)
    : services(services),
      inventory(&services.getPlayer().getComponent<InventoryComponent>()->getInventory()) {}

ActivePlayerInventoryViewGameState::~ActivePlayerInventoryViewGameState() = default;

void ActivePlayerInventoryViewGameState::onInit() {
    window = ui::ChildWindow::create("Inventory", ui::ChildWindow::TitleButton::Close);
    window->onClose.connectTracked(connections, [this] { close(); });
    window->setPositionLocked(true);
    window->setSize(ui::ChildWindow::getDefaultSize() * 2.f);
    window->setPosition("(&.size - size) / 2");

    itemsPanel = ui::Panel::create({"20%", "90%"});
    details = ui::Group::create({"20%", "90%"});
    header = ui::Group::create({"100%", "100%"});
    auto horizontal = ui::HorizontalLayout::create({"100%", "100%"});
    auto vertical = ui::VerticalLayout::create({"100%", "100%"});

    vertical->add(header);
    vertical->add(itemsPanel);
    vertical->setRatio(std::size_t{0}, 0.1f);
    horizontal->add(vertical);
    horizontal->add(details);
    horizontal->setRatio(std::size_t{0}, 2.f);
    window->add(horizontal);

    rebuildList();
    inventory->changed.connectTracked(connections, [this] { rebuildList(); });

    services.getGui().add(window);
    window->setFocused(true);
}

void ActivePlayerInventoryViewGameState::rebuildList() {
    itemsPanel->removeAllWidgets();

    // Equal items share one cell, shown by the first of them, in the order they were picked up.
    std::vector<std::pair<const Item*, unsigned>> cells;
    for (const auto& item : inventory->getItems()) {
        auto cell = cells.begin();
        while (cell != cells.end() && !cell->first->equals(*item))
            ++cell;
        if (cell != cells.end())
            ++cell->second;
        else
            cells.emplace_back(item.get(), 1u);
    }

    const float cellWidth = itemsPanel->getSize().x / static_cast<float>(columns);
    for (std::size_t k = 0; k < cells.size(); ++k) {
        auto element = createListElementForItem(cells[k].first, cells[k].second);
        element->setPosition(static_cast<float>(k % columns) * cellWidth,
                             static_cast<float>(k / columns) * rowHeight);
        itemsPanel->add(element);
    }

    selectItem(nullptr);
}

std::shared_ptr<ui::Group> ActivePlayerInventoryViewGameState::createListElementForItem(const Item* item,
                                                                                        unsigned count) {
    auto cell = ui::Group::create({"20%", rowHeight});

    // An icon that could not be loaded leaves an empty picture rather than no cell.
    auto picture = std::make_shared<ui::Picture>();
    if (const sf::Texture* icon = item->getIconTexture())
        picture->setTexture(*icon);
    picture->setSize(30, 30);
    picture->setPosition("(&.width - width) / 2", "((&.height - height) / 2) - 10");

    auto label = ui::Label::create(item->getName() + " x" + std::to_string(count));
    label->setSize("70%", "40%");
    label->setPosition("(&.width - width) / 2", "((&.height - height) / 2) + 30");
    label->onClick.connect([this, item](sf::Vector2f) { selectItem(item); });

    cell->add(picture);
    cell->add(label);
    return cell;
}

void ActivePlayerInventoryViewGameState::selectItem(const Item* item) {
    ++selectionCount;
    details->removeAllWidgets();
    detailsTitle.reset();
    itemName.reset();
    actionList.reset();
    useButton.reset();
    selected = item;
    itemActions.clear();
    if (!item)
        return;

    itemActions =
        services.getActions().getItemActions(services.getViewedWorld(), &services.getPlayer(), item);

    auto column = ui::VerticalLayout::create({"100%", "100%"});
    detailsTitle = ui::Label::create("Item Details");
    itemName = ui::Label::create(item->getName());
    actionList = ui::ListBox::create();
    for (std::size_t index = 0; index < itemActions.size(); ++index)
        actionList->addItem(itemActions[index]->getDescription(), std::to_string(index));
    useButton = ui::Button::create("Use");
    useButton->onPress.connect([this] { useSelectedAction(); });

    column->add(detailsTitle);
    column->add(itemName);
    column->add(actionList);
    column->add(useButton);
    details->add(column);
}

void ActivePlayerInventoryViewGameState::useSelectedAction() {
    if (!actionList)
        return;
    const std::string id = actionList->getSelectedItemId();
    if (id.empty())
        return;
    const std::size_t index = std::stoul(id);
    if (index >= itemActions.size())
        return;

    // Using an item usually takes it from the inventory, whose change rebuilds the view and
    // drops the actions; the running one must outlive that.
    const std::uint64_t selectionBefore = selectionCount;
    auto running = std::move(itemActions);
    running[index]->execute();
    if (selectionCount == selectionBefore)
        itemActions = std::move(running);
}

void ActivePlayerInventoryViewGameState::onDestroy() {
    connections.disconnectAll();
    services.getGui().remove(window);
}

} // namespace tarsk
