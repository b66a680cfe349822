#include "app/screens/ActivePlayerInventoryViewGameState.hpp"
#include "app/screens/support/FakeScreenServices.hpp"
#include "game/inventory/Inventory.hpp"
#include "ui/Label.hpp"

#include <gtest/gtest.h>

namespace {

using screentest::CallbackItemAction;
using screentest::TestItem;
using tarsk::ActivePlayerInventoryViewGameState;

class InventoryViewTest : public ::testing::Test {
protected:
    void carry(const std::string& id, const std::string& name) {
        services.inventory->addItem(std::make_unique<TestItem>(id, name));
    }

    ActivePlayerInventoryViewGameState& open() {
        view = std::make_unique<ActivePlayerInventoryViewGameState>(services);
        view->init();
        return *view;
    }

    // Each cell's caption, in grid order, with its position in the panel.
    std::vector<std::pair<std::string, sf::Vector2f>> cells() const {
        std::vector<std::pair<std::string, sf::Vector2f>> result;
        for (const auto& widget : view->getItemsPanel()->getWidgets()) {
            auto cell = std::dynamic_pointer_cast<ui::Group>(widget);
            auto label = std::dynamic_pointer_cast<ui::Label>(cell->getWidgets().at(1));
            result.emplace_back(label->getText(), cell->getPosition());
        }
        return result;
    }

    std::shared_ptr<ui::Label> cellLabel(std::size_t index) const {
        auto cell = std::dynamic_pointer_cast<ui::Group>(view->getItemsPanel()->getWidgets().at(index));
        return std::dynamic_pointer_cast<ui::Label>(cell->getWidgets().at(1));
    }

    screentest::FakeScreenServices services;
    std::unique_ptr<ActivePlayerInventoryViewGameState> view;
};

TEST_F(InventoryViewTest, EmptyInventoryShowsAnEmptyGridAndNoDetails) {
    auto& screen = open();
    EXPECT_TRUE(screen.getItemsPanel()->getWidgets().empty());
    EXPECT_TRUE(screen.getDetails()->getWidgets().empty());
    EXPECT_EQ(screen.getSelectedItem(), nullptr);
}

TEST_F(InventoryViewTest, EqualItemsShareOneCellWithTheirCount) {
    carry("WOOD", "Wood");
    carry("STONE", "Stone");
    carry("WOOD", "Wood");
    carry("WOOD", "Wood");
    open();
    const auto grid = cells();
    ASSERT_EQ(grid.size(), 2u);
    EXPECT_EQ(grid[0].first, "Wood x3");
    EXPECT_EQ(grid[1].first, "Stone x1");
}

TEST_F(InventoryViewTest, FiveCellsFillARowAndTheSixthStartsTheNextEightyPixelsLower) {
    for (int i = 0; i < 6; ++i)
        carry("K" + std::to_string(i), "Kind " + std::to_string(i));
    auto& screen = open();
    const float cellWidth = screen.getItemsPanel()->getSize().x / 5.f;
    ASSERT_GT(cellWidth, 0.f);
    const auto grid = cells();
    ASSERT_EQ(grid.size(), 6u);
    for (std::size_t k = 0; k < 5; ++k) {
        EXPECT_FLOAT_EQ(grid[k].second.x, static_cast<float>(k) * cellWidth) << k;
        EXPECT_FLOAT_EQ(grid[k].second.y, 0.f) << k;
    }
    EXPECT_EQ(grid[5].first, "Kind 5 x1");
    EXPECT_EQ(grid[5].second, sf::Vector2f(0.f, 80.f));
}

TEST_F(InventoryViewTest, WindowIsCentredLockedDoubleSizeAndGridTakesTwoThirds) {
    auto& screen = open();
    const auto window = screen.getWindow();
    ASSERT_TRUE(services.guiHas(window));
    EXPECT_EQ(window->getTitle(), "Inventory");
    EXPECT_TRUE(window->isPositionLocked());
    EXPECT_EQ(window->getSize(), sf::Vector2f(800, 600));
    EXPECT_EQ(window->getPosition(), sf::Vector2f(240, 60));
    EXPECT_NEAR(screen.getItemsPanel()->getSize().x, window->getInnerSize().x * 2.f / 3.f, 0.5f);
    EXPECT_NEAR(screen.getDetails()->getSize().x, window->getInnerSize().x / 3.f, 0.5f);
}

TEST_F(InventoryViewTest, ClickingACellShowsTheItemsActionsAndUseRunsTheChosenOne) {
    carry("APPLE", "Apple");
    std::vector<std::string> ran;
    services.itemActionScript = [&](const tarsk::Item* item) {
        std::vector<std::unique_ptr<tarsk::ItemAction>> list;
        list.push_back(std::make_unique<CallbackItemAction>(
            "Eat", [&, item] { ran.push_back("eat " + item->getId()); }));
        list.push_back(std::make_unique<CallbackItemAction>("Cook", [&] { ran.push_back("cook"); }));
        return list;
    };
    auto& screen = open();

    screentest::clickGui(services.gui, screentest::centreOf(*cellLabel(0)));
    ASSERT_NE(screen.getSelectedItem(), nullptr);
    EXPECT_EQ(screen.getSelectedItem()->getId(), "APPLE");
    ASSERT_TRUE(screen.getActionList());
    EXPECT_EQ(screen.getActionList()->getItems(), (std::vector<std::string>{"Eat", "Cook"}));
    EXPECT_EQ(screen.getActionList()->getItemIds(), (std::vector<std::string>{"0", "1"}));

    screentest::clickGui(services.gui, screentest::centreOf(*screen.getUseButton()));
    EXPECT_TRUE(ran.empty()) << "no row chosen";

    screen.getActionList()->setSelectedItemByIndex(1);
    screentest::clickGui(services.gui, screentest::centreOf(*screen.getUseButton()));
    screen.getActionList()->setSelectedItemByIndex(0);
    screentest::clickGui(services.gui, screentest::centreOf(*screen.getUseButton()));
    EXPECT_EQ(ran, (std::vector<std::string>{"cook", "eat APPLE"}));
}

TEST_F(InventoryViewTest, UsingUpAnItemRebuildsTheGridAndEmptiesTheDetails) {
    carry("APPLE", "Apple");
    carry("APPLE", "Apple");
    int eaten = 0;
    services.itemActionScript = [&](const tarsk::Item* item) {
        std::vector<std::unique_ptr<tarsk::ItemAction>> list;
        // Like eating: the item leaves the inventory while the action runs, and the action still
        // reads its own state afterwards.
        auto counter = std::make_shared<int>(0);
        list.push_back(std::make_unique<CallbackItemAction>("Eat", [&, item, counter] {
            services.inventory->removeItem(item);
            ++*counter;
            eaten += *counter;
        }));
        return list;
    };
    auto& screen = open();
    screen.selectItem(services.inventory->getItems().front().get());
    screen.getActionList()->setSelectedItemByIndex(0);
    screen.useSelectedAction();

    EXPECT_EQ(eaten, 1);
    EXPECT_EQ(services.inventory->getItems().size(), 1u);
    EXPECT_EQ(screen.getSelectedItem(), nullptr);
    EXPECT_TRUE(screen.getDetails()->getWidgets().empty());
    EXPECT_EQ(cells().at(0).first, "Apple x1");
}

TEST_F(InventoryViewTest, ItemWithoutActionsShowsAnEmptyListAndUseDoesNothing) {
    carry("ROCK", "Rock");
    auto& screen = open();
    screen.selectItem(services.inventory->getItems().front().get());
    ASSERT_TRUE(screen.getActionList());
    EXPECT_EQ(screen.getActionList()->getItemCount(), 0u);
    screen.useSelectedAction();
    EXPECT_EQ(screen.getSelectedItem(), services.inventory->getItems().front().get());
}

TEST_F(InventoryViewTest, GridFollowsTheInventoryOnlyWhileOpen) {
    auto& screen = open();
    carry("WOOD", "Wood");
    ASSERT_EQ(cells().size(), 1u);

    const auto window = screen.getWindow();
    window->close();
    EXPECT_TRUE(screen.isClosed());
    EXPECT_FALSE(services.guiHas(window));
    carry("STONE", "Stone");
    EXPECT_EQ(screen.getItemsPanel()->getWidgets().size(), 1u);
}

TEST(InventoryViewSetupTest, PlayerWithoutInventoryIsRefused) {
    screentest::FakeScreenServices services;
    orv::Entity bare;
    services.shownPlayer = &bare;
    EXPECT_THROW(ActivePlayerInventoryViewGameState{services}, std::logic_error);
}

} // namespace
