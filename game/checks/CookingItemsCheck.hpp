#pragma once

#include <filesystem>

namespace tarsk {

class ItemManager;

// Where the items hold a raw fish, a fire can cook it: the cooked and the burned fish it makes
// must be items too. One missing throws std::runtime_error naming the item folder and the item.
void checkCookingItems(const ItemManager& items, const std::filesystem::path& folder);

} // namespace tarsk
