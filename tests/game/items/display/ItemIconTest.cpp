#include "game/items/support/ItemTestKit.hpp"

#include <SFML/Graphics/Texture.hpp>
#include <gtest/gtest.h>

namespace {

TEST(ItemIconTest, IconsAreUploadedOnceForAllItemsOfAKind) {
    itemtest::ItemKit kit;
    kit.defineBasics();
    auto first = kit.items.createItem("FISH");
    auto second = kit.items.createItem("FISH");
    auto wood = kit.items.createItem("WOOD");

    const sf::Texture* icon = first->getIconTexture();
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->getSize(), sf::Vector2u(16, 16));
    EXPECT_EQ(second->getIconTexture(), icon);
    EXPECT_NE(wood->getIconTexture(), icon);
    // Pixel art stays crisp when the inventory view scales it up.
    EXPECT_FALSE(icon->isSmooth());
}

} // namespace
