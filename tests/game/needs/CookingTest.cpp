#include "game/items/support/ItemTestKit.hpp"

#include "game/needs/CookingComponent.hpp"
#include "game/random/RandomNumberGenerator.hpp"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

namespace {

TEST(CookingTest, AboutOneFishInElevenBurns) {
    itemtest::ItemKit kit;
    kit.defineBasics();
    tarsk::RandomNumberGenerator random(20240601u);
    tarsk::CookingComponent fireplace(kit.items, random);

    std::map<std::string, int> results;
    const int cooks = 11000;
    for (int i = 0; i < cooks; ++i)
        ++results[fireplace.cook()->getId()];

    ASSERT_EQ(results.size(), 2u);
    EXPECT_EQ(results["FISH_COOKED"] + results["FISH_BURNED"], cooks);
    EXPECT_GT(results["FISH_BURNED"], 850);
    EXPECT_LT(results["FISH_BURNED"], 1150);
}

TEST(CookingTest, BothResultsMustBeDefined) {
    itemtest::ItemKit kit;
    kit.define(itemtest::itemObject("FISH_BURNED", "Burned Fish", "burned.png"));
    tarsk::RandomNumberGenerator random(7u);
    tarsk::CookingComponent fireplace(kit.items, random);

    bool missingCooked = false;
    for (int i = 0; i < 200 && !missingCooked; ++i) {
        try {
            EXPECT_EQ(fireplace.cook()->getId(), "FISH_BURNED");
        } catch (const std::runtime_error& error) {
            EXPECT_STREQ(error.what(), "Item not found, id: FISH_COOKED");
            missingCooked = true;
        }
    }
    EXPECT_TRUE(missingCooked);
}

} // namespace
